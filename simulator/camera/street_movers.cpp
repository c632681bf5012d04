#include "street_movers.h"

#include <cmath>

#include "world_panorama.h"

namespace devsim::camera {

const std::vector<Mover>& Movers() {
    static const std::vector<Mover> movers = [] {
        std::vector<Mover> list;
        for (int i = 0; i < 14; ++i) {
            const bool right = i % 2 == 0;
            const int shade = (i * 53) % 200;
            list.push_back({i * 587.0, (right ? 1 : -1) * (160.0 + (i * 37) % 140),
                            right ? 1265 : 1385, 180, 70,
                            FromRgb(55 + shade, 200 - shade, 90 + i * 10), true});
        }
        for (int i = 0; i < 24; ++i) {
            const bool near = i % 2 == 0;
            const int shade = (i * 71) % 180;
            list.push_back({i * 341.0, (i % 3 == 0 ? -1 : 1) * (30.0 + (i * 13) % 35),
                            near ? 1150 : 1435, 26, 110, FromRgb(200 - shade, 60 + shade, 120),
                            false});
        }
        return list;
    }();
    return movers;
}

std::vector<PlacedMover> MoversInCrop(const Crop& crop, double seconds) {
    using P = WorldPanorama;
    std::vector<PlacedMover> placed;
    const std::vector<Mover>& movers = Movers();
    for (size_t i = 0; i < movers.size(); ++i) {
        const Mover& mover = movers[i];
        double column = std::fmod(mover.start + mover.speed * seconds, P::kTurnWidth);
        column = column < 0 ? column + P::kTurnWidth : column;
        double offset = column - crop.x;
        if (offset < -mover.length) {
            offset += P::kTurnWidth;
        } else if (offset > P::kTurnWidth - mover.length) {
            offset -= P::kTurnWidth;
        }
        if (offset > crop.width || offset + mover.length < 0) {
            continue;
        }
        const int top = mover.bottom - mover.height;
        if (top > crop.y + crop.height || mover.bottom < crop.y) {
            continue;
        }
        placed.push_back({static_cast<int>(i), offset, top - crop.y});
    }
    return placed;
}

DrawnSpan DrawnColumns(const Mover& mover) {
    // Cars fill their whole length; a walker's body is 2 to 24 of 26.
    return mover.car ? DrawnSpan{0, mover.length} : DrawnSpan{2, mover.length - 2};
}

double SecondsInHour(long long realtimeMicros) {
    return static_cast<double>(realtimeMicros % 3600000000LL) / 1e6;
}

}  // namespace devsim::camera
