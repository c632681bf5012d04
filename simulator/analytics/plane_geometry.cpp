#include "plane_geometry.h"

#include <cmath>
#include <cstdlib>

namespace devsim::analytics {

bool Inside(const std::vector<Point>& polygon, Point p) {
    if (polygon.size() < 3) {
        return false;
    }
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double Side(Point a, Point b, Point p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

bool Crosses(Point a, Point b, Point from, Point to) {
    const double before = Side(a, b, from);
    const double after = Side(a, b, to);
    const bool sameSide = after != 0 && (before > 0) == (after > 0);
    if (before == 0 || sameSide) {
        return false;
    }
    // Where the path meets the line, as a share of the segment a-b.
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double ex = b.x - a.x;
    const double ey = b.y - a.y;
    const double denominator = dx * ey - dy * ex;
    if (denominator == 0) {
        return false;
    }
    const double along = (dx * (from.y - a.y) - dy * (from.x - a.x)) / denominator;
    return along >= 0 && along <= 1;
}

std::vector<Point> ParsePoints(const std::string& text) {
    std::vector<Point> points;
    const size_t bar = text.find('|');
    if (bar == std::string::npos) {
        return points;
    }
    const char* at = text.c_str() + bar + 1;
    while (*at == '(') {
        char* end = nullptr;
        const double x = std::strtod(at + 1, &end);
        if (end == at + 1 || *end != ',') {
            return {};
        }
        const char* yStart = end + 1;
        const double y = std::strtod(yStart, &end);
        if (end == yStart || *end != ')' || !std::isfinite(x) || !std::isfinite(y) ||
            std::fabs(x) > 1 || std::fabs(y) > 1) {
            return {};
        }
        points.push_back({x, y});
        at = end + 1;
        if (*at == ',') {
            ++at;
        }
    }
    return *at == '\0' ? points : std::vector<Point>{};
}

}  // namespace devsim::analytics
