#include "view_renderer.h"

extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "clock_text.h"
#include "street_movers.h"
#include "world_panorama.h"

namespace devsim::camera {
namespace {

using P = WorldPanorama;

// Rows of panorama the tilt axis sweeps from its centre to either end.
constexpr int kTiltReach = 455;
// Panorama row at the middle of a view with tilt 0.
constexpr int kLevelRow = 1000;

int Even(double value) {
    return static_cast<int>(std::lround(value / 2.0)) * 2;
}

}  // namespace

Crop CropFor(const HeadPosition& head, int pictureWidth, int pictureHeight) {
    const double zoom = std::clamp(head.zoom, 0.0, 1.0);
    const double tilt = std::clamp(head.tilt, -1.0, 1.0);
    Crop crop;
    crop.width = std::max(16, Even(P::kWidestView / (1.0 + 9.0 * zoom)));
    crop.height =
        std::max(16, Even(static_cast<double>(crop.width) * pictureHeight / pictureWidth));
    // Pan -1 and +1 look the same way: wrap before rounding.
    double turn = std::fmod((head.pan + 1.0) / 2.0, 1.0);
    turn = turn < 0 ? turn + 1.0 : turn;
    const double centre = turn * P::kTurnWidth;
    int left = Even(centre - crop.width / 2.0) % P::kTurnWidth;
    crop.x = left < 0 ? left + P::kTurnWidth : left;
    const int top = Even(kLevelRow - tilt * kTiltReach - crop.height / 2.0);
    crop.y = std::clamp(top, 0, P::kHeight - crop.height);
    return crop;
}

ViewRenderer::ViewRenderer(int width, int height) : width_(width), height_(height) {}

ViewRenderer::~ViewRenderer() {
    sws_freeContext(scaler_);
}

bool ViewRenderer::Render(const YuvCanvas& target, const HeadPosition& head,
                          long long realtimeMicros, bool traffic) {
    const WorldPanorama& world = SharedPanorama();
    const Crop crop = CropFor(head, width_, height_);
    // The context is rebuilt only when the crop size changes (while zooming).
    scaler_ =
        sws_getCachedContext(scaler_, crop.width, crop.height, AV_PIX_FMT_YUV420P, width_, height_,
                             AV_PIX_FMT_YUV420P, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler_ == nullptr) {
        return false;
    }
    const uint8_t* source[3];
    int sourceStride[3];
    for (int i = 0; i < 3; ++i) {
        const int shift = i == 0 ? 0 : 1;
        sourceStride[i] = world.Stride(i);
        source[i] = world.Plane(i) + static_cast<size_t>(crop.y >> shift) * sourceStride[i] +
                    (crop.x >> shift);
    }
    uint8_t* const* destination = target.plane;
    if (sws_scale(scaler_, source, sourceStride, 0, crop.height, destination, target.stride) !=
        height_) {
        return false;
    }
    if (traffic) {
        DrawTraffic(target, crop, SecondsInHour(realtimeMicros));
    }

    const int scale = std::max(1, height_ / 240);
    DrawText(target, 4 * scale, 4 * scale, scale, ClockText(realtimeMicros));
    char position[64];
    std::snprintf(position, sizeof position, "P%+.3f T%+.3f Z%.3f", head.pan, head.tilt, head.zoom);
    DrawText(target, 4 * scale, height_ - 14 * scale, scale, position);
    return true;
}

void ViewRenderer::DrawTraffic(const YuvCanvas& target, const Crop& crop, double seconds) const {
    const double scale = static_cast<double>(width_) / crop.width;
    const YuvColour glass = FromRgb(40, 60, 80);
    const YuvColour tyre = FromRgb(20, 20, 20);
    const YuvColour skin = FromRgb(230, 190, 160);
    for (const PlacedMover& placed : MoversInCrop(crop, seconds)) {
        const Mover& mover = Movers()[static_cast<size_t>(placed.index)];
        const double offset = placed.offset;
        const int top = placed.top;
        auto rect = [&](double x, double y, double w, double h, YuvColour colour) {
            const int px = static_cast<int>(std::floor((offset + x) * scale));
            const int py = static_cast<int>(std::floor((top + y) * scale));
            target.FillRect(px, py, std::max(1, static_cast<int>(w * scale)),
                            std::max(1, static_cast<int>(h * scale)), colour);
        };
        if (mover.car) {
            rect(0, 25, mover.length, 35, mover.colour);
            rect(35, 0, mover.length - 70, 28, mover.colour);
            rect(45, 5, mover.length - 90, 20, glass);
            rect(25, 52, 30, 18, tyre);
            rect(mover.length - 55, 52, 30, 18, tyre);
        } else {
            // A walker's legs swing with the step.
            const int step = static_cast<int>(seconds * 4) % 2;
            rect(7, 0, 12, 14, skin);
            rect(2, 15, 22, 50, mover.colour);
            rect(3 + step * 4, 65, 8, 45, tyre);
            rect(15 - step * 4, 65, 8, 45, tyre);
        }
    }
}

}  // namespace devsim::camera
