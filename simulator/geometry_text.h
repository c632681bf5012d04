#pragma once
// The texts in which geometry travels inside parameter values: polygons
// "N|(x,y),(x,y),...", rectangles "(x,y,w,h)" and points "(x,y)", all in
// the picture's device space. Parsing is strict: the count must match the
// pairs, numbers must be finite, and nothing may follow the last bracket.

#include <optional>
#include <string>
#include <vector>

namespace devsim {

struct PointF {
    double x = 0;
    double y = 0;
};

// The empty text is the polygon without points.
std::optional<std::vector<PointF>> ParsePolygonText(const std::string& text);
// (x, y, width, height)
std::optional<std::vector<double>> ParseRectText(const std::string& text);
std::optional<PointF> ParsePointText(const std::string& text);

}  // namespace devsim
