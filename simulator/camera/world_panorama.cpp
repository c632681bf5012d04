#include "world_panorama.h"

#include <cmath>
#include <cstring>

namespace devsim::camera {
namespace {

// A fixed pseudo-random value per integer, so the town looks the same in
// every run and every process.
uint32_t Hash(uint32_t value) {
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    value ^= value >> 16;
    return value;
}

}  // namespace

WorldPanorama::WorldPanorama() {
    planes_[0].assign(static_cast<size_t>(StoredWidth()) * kHeight, 0);
    planes_[1].assign(static_cast<size_t>(StoredWidth() / 2) * (kHeight / 2), 128);
    planes_[2].assign(static_cast<size_t>(StoredWidth() / 2) * (kHeight / 2), 128);
    DrawStreet(Canvas());
    RepeatSeam();
}

YuvCanvas WorldPanorama::Canvas() {
    YuvCanvas canvas;
    for (int i = 0; i < 3; ++i) {
        canvas.plane[i] = planes_[i].data();
        canvas.stride[i] = Stride(i);
    }
    canvas.width = kTurnWidth;
    canvas.height = kHeight;
    return canvas;
}

void WorldPanorama::DrawStreet(const YuvCanvas& canvas) {
    // Sky: a gradient from deep blue at the top to pale at the horizon.
    for (int row = 0; row < kBuildingBase; row += 2) {
        const int shade = row * 120 / kBuildingBase;
        canvas.FillRect(0, row, kTurnWidth, 2, FromRgb(60 + shade, 110 + shade, 200 + shade / 2));
    }
    // Hills far away, so that even a view of the sky alone shows the pan.
    for (int col = 0; col < kTurnWidth; col += 4) {
        const double angle = 2.0 * M_PI * col / kTurnWidth;
        const int top = 620 + static_cast<int>(90 * std::sin(3 * angle) + 50 * std::sin(7 * angle));
        canvas.FillRect(col, top, 4, kBuildingBase - top, FromRgb(90, 120, 100));
    }
    // Buildings of varied width, height and colour, each with its windows.
    for (int left = 0, index = 0; left < kTurnWidth; ++index) {
        const uint32_t h = Hash(static_cast<uint32_t>(index));
        const int width = std::min(120 + static_cast<int>(h % 260), kTurnWidth - left);
        const int height = 180 + static_cast<int>((h >> 9) % 520);
        const int top = kBuildingBase - height;
        const int r = 90 + static_cast<int>((h >> 3) % 120);
        const int g = 70 + static_cast<int>((h >> 11) % 100);
        const int b = 60 + static_cast<int>((h >> 19) % 110);
        canvas.FillRect(left, top, width - 8, height, FromRgb(r, g, b));
        const YuvColour lit = FromRgb(250, 230, 140);
        const YuvColour dark = FromRgb(40, 50, 70);
        for (int wy = top + 20; wy + 30 < kBuildingBase - 40; wy += 50) {
            for (int wx = left + 16; wx + 24 < left + width - 16; wx += 40) {
                const bool on = Hash(static_cast<uint32_t>(wx * 7919 + wy)) % 3 == 0;
                canvas.FillRect(wx, wy, 22, 30, on ? lit : dark);
            }
        }
        // A door on the street.
        canvas.FillRect(left + width / 2 - 20, kBuildingBase - 60, 40, 60, FromRgb(60, 40, 30));
        left += width;
    }
    canvas.FillRect(0, kBuildingBase, kTurnWidth, kNearPavement - kBuildingBase,
                    FromRgb(170, 170, 160));
    canvas.FillRect(0, kNearPavement, kTurnWidth, kRoadBottom - kNearPavement, FromRgb(70, 70, 75));
    // Dashed centre line, so that movement of the view along the road shows.
    const int middle = (kNearPavement + kRoadBottom) / 2;
    for (int col = 0; col < kTurnWidth; col += 160) {
        canvas.FillRect(col, middle - 4, 90, 8, FromRgb(240, 240, 240));
    }
    canvas.FillRect(0, kRoadBottom, kTurnWidth, kFarPavement - kRoadBottom, FromRgb(170, 170, 160));
    // A park with trees in the foreground.
    canvas.FillRect(0, kFarPavement, kTurnWidth, kHeight - kFarPavement, FromRgb(70, 140, 60));
    for (int index = 0; index < 120; ++index) {
        const uint32_t h = Hash(static_cast<uint32_t>(index + 100000));
        const int col = static_cast<int>(h % kTurnWidth);
        const int row = kFarPavement + 80 + static_cast<int>((h >> 13) % 400);
        canvas.FillRect(col - 6, row, 12, 60, FromRgb(100, 70, 40));
        canvas.FillRect(col - 40, row - 70, 80, 80, FromRgb(40, 110 + (h >> 5) % 60, 40));
    }
}

void WorldPanorama::RepeatSeam() {
    for (int i = 0; i < 3; ++i) {
        const int rows = i == 0 ? kHeight : kHeight / 2;
        const int turn = i == 0 ? kTurnWidth : kTurnWidth / 2;
        const int extra = i == 0 ? kWidestView : kWidestView / 2;
        for (int row = 0; row < rows; ++row) {
            uint8_t* line = planes_[i].data() + static_cast<size_t>(row) * Stride(i);
            std::memcpy(line + turn, line, static_cast<size_t>(extra));
        }
    }
}

const WorldPanorama& SharedPanorama() {
    static const WorldPanorama panorama;
    return panorama;
}

}  // namespace devsim::camera
