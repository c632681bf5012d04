#include "view_targets.h"

#include <algorithm>

#include "street_movers.h"

namespace devsim::camera {

std::vector<ViewTarget> TargetsInView(const HeadPosition& head, int pictureWidth, int pictureHeight,
                                      long long realtimeMicros) {
    const Crop crop = CropFor(head, pictureWidth, pictureHeight);
    std::vector<ViewTarget> targets;
    for (const PlacedMover& placed : MoversInCrop(crop, SecondsInHour(realtimeMicros))) {
        const Mover& mover = Movers()[static_cast<size_t>(placed.index)];
        const DrawnSpan span = DrawnColumns(mover);
        // Crop columns and rows to device units: the crop spans 2 units.
        auto x = [&](double column) {
            return std::clamp(column / crop.width * 2.0 - 1.0, -1.0, 1.0);
        };
        auto y = [&](double row) { return std::clamp(1.0 - row / crop.height * 2.0, -1.0, 1.0); };
        ViewTarget target;
        target.id = placed.index + 1;
        target.vehicle = mover.car;
        target.left = x(placed.offset + span.left);
        target.right = x(placed.offset + span.right);
        target.top = y(placed.top);
        target.bottom = y(placed.top + mover.height);
        if (target.right - target.left <= 0 || target.top - target.bottom <= 0) {
            continue;  // only a sliver on the edge
        }
        targets.push_back(target);
    }
    return targets;
}

}  // namespace devsim::camera
