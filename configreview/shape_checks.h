#pragma once
// Geometry checks on shapes in the device's coordinate space (-1 to 1 on
// both axes, origin at the picture's centre). The device keeps six
// decimals, so two coordinates closer than kDevicePrecision are the same.

#include <optional>
#include <string_view>
#include <vector>

namespace vexo::review {

inline constexpr double kDevicePrecision = 1e-6;

struct ShapePoint {
    double x = 0;
    double y = 0;
};

// The points of a "VexoPolygon" text: "N|(x,y),(x,y)...". The empty text is
// a cleared shape (no points). nullopt when the text is not of that form or
// holds another number of pairs than N says.
std::optional<std::vector<ShapePoint>> ParsePolygonText(std::string_view text);

// Whether all points lie on one straight line (or are one point), so that
// they enclose no area whatever their order.
bool OnOneLine(const std::vector<ShapePoint>& points);

// Whether two edges of the closed polygon that do not share a corner cross
// or touch.
bool SelfIntersecting(const std::vector<ShapePoint>& points);

bool SamePoint(const ShapePoint& a, const ShapePoint& b);

// Whether the segment lies on one edge of the picture, where no target can
// cross it.
bool OnFrameEdge(const ShapePoint& a, const ShapePoint& b);

}  // namespace vexo::review
