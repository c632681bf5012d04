#include "shape_snap.h"

#include <cstdlib>

namespace vexo {

namespace {

// The target nearest to v within radius, v itself when none is.
int32_t SnapAxis(int32_t v, const std::vector<int32_t>& targets, int radius) {
    int32_t best = v;
    int64_t bestDistance = int64_t{radius} + 1;
    for (const int32_t t : targets) {
        const int64_t distance = std::llabs(int64_t{t} - v);
        if (distance < bestDistance) {
            best = t;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

GeoPoint SnapPoint(GeoPoint p, QSize frame, const std::vector<GeoPoint>& others, int radius) {
    std::vector<int32_t> xs;
    std::vector<int32_t> ys;
    if (!frame.isEmpty()) {
        xs = {0, frame.width()};
        ys = {0, frame.height()};
    }
    for (const GeoPoint& other : others) {
        xs.push_back(other.x);
        ys.push_back(other.y);
    }
    return {SnapAxis(p.x, xs, radius), SnapAxis(p.y, ys, radius)};
}

}  // namespace vexo
