#pragma once
// Plane geometry of the camera's analytics, in the device's coordinates
// (x and y from -1 to 1, y upward). Kept apart from the control's own
// geometry: the device decides what its rules mean on its own.

#include <string>
#include <vector>

namespace devsim::analytics {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// Even-odd rule; a polygon of fewer than three points contains nothing.
bool Inside(const std::vector<Point>& polygon, Point p);

// Which side of the line through `a` and `b` the point lies on: negative
// on the right when looking from a to b (y upward), positive on the left,
// 0 on the line.
double Side(Point a, Point b, Point p);

// True when the path from `from` to `to` passes through the segment a-b:
// it starts strictly on one side and ends on the line or the other side,
// between the segment's ends.
bool Crosses(Point a, Point b, Point from, Point to);

// Points of a geometry text "N|(x,y),(x,y),..."; empty when it does not
// read or holds a value outside [-1, 1].
std::vector<Point> ParsePoints(const std::string& text);

}  // namespace devsim::analytics
