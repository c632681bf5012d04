#include "shape_hit.h"

#include <algorithm>
#include <cmath>

namespace vexo::hit {

bool OnHandle(GeoPoint handle, GeoPoint cursor, int size) {
    const int64_t half = (int64_t{size} + 1) / 2;
    return cursor.x >= handle.x - half && cursor.x < handle.x + half &&
           cursor.y >= handle.y - half && cursor.y < handle.y + half;
}

namespace {

bool OnSegment(GeoPoint p, GeoPoint a, GeoPoint b) {
    // In doubles: exact for any picture coordinates, and device text with
    // extreme values cannot overflow it.
    const double cross = (static_cast<double>(b.x) - a.x) * (static_cast<double>(p.y) - a.y) -
                         (static_cast<double>(b.y) - a.y) * (static_cast<double>(p.x) - a.x);
    return cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
           p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y);
}

}  // namespace

bool PointInPolygon(GeoPoint p, const GeoPoint* points, int count) {
    if (count < 3) {
        return false;
    }
    bool inside = false;
    for (int i = 0; i < count; ++i) {
        const GeoPoint a = points[i];
        const GeoPoint b = points[(i + 1) % count];
        if (OnSegment(p, a, b)) {
            return true;
        }
        const double dy = static_cast<double>(b.y) - a.y;
        if (std::fabs(dy) < 1e-5) {
            continue;
        }
        // Half-open in y, so a vertex shared by two crossed edges counts once.
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + (static_cast<double>(p.y) - a.y) * (b.x - a.x) / dy;
            if (x < p.x && x > -1000.0) {
                inside = !inside;
            }
        }
    }
    return inside;
}

double DistanceToSegment(GeoPoint p, GeoPoint a, GeoPoint b) {
    constexpr double kFar = 100000.0;
    if (a.x == b.x) {
        return p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y)
                   ? std::fabs(static_cast<double>(p.x) - a.x)
                   : kFar;
    }
    if (a.y == b.y) {
        return p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x)
                   ? std::fabs(static_cast<double>(p.y) - a.y)
                   : kFar;
    }
    if (p.x < std::min(a.x, b.x) || p.x > std::max(a.x, b.x)) {
        return kFar;
    }
    const double k = (static_cast<double>(b.y) - a.y) / (static_cast<double>(b.x) - a.x);
    const double c = a.y - k * a.x;
    return std::fabs(k * p.x - p.y + c) / std::sqrt(k * k + 1.0);
}

bool InBounds(const QRect& bounds, GeoPoint p) {
    // Right and bottom are the far edges (left + width), as the video
    // rectangle is given: a point on them is still accepted.
    return bounds.isEmpty() || (p.x >= bounds.left() && p.x <= bounds.left() + bounds.width() &&
                                p.y >= bounds.top() && p.y <= bounds.top() + bounds.height());
}

}  // namespace vexo::hit
