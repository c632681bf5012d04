#pragma once
// The camera's surroundings as one wide picture: a street with buildings,
// sky and far hills, drawn once and shared by every stream. It spans the
// full turn of the pan axis and the tilt range of the head; a view is a
// crop of it scaled to the stream's size.

#include <cstdint>
#include <vector>

#include "yuv_canvas.h"

namespace devsim::camera {

class WorldPanorama {
public:
    // Pixels per full turn of the pan axis.
    static constexpr int kTurnWidth = 8192;
    // Picture rows of the whole tilt range plus the tallest view.
    static constexpr int kHeight = 2048;
    // Widest view: 60 degrees of the turn at zoom 0 (even, for chroma).
    static constexpr int kWidestView = 1366;
    // Rows of the street elements, top to bottom.
    static constexpr int kBuildingBase = 1100;
    static constexpr int kNearPavement = 1160;
    static constexpr int kRoadBottom = 1400;
    static constexpr int kFarPavement = 1440;

    WorldPanorama();

    // The panorama is stored wider than one turn: the first kWidestView
    // columns repeat at the end, so every view is one contiguous crop,
    // even across the seam of the turn.
    int StoredWidth() const { return kTurnWidth + kWidestView; }
    const uint8_t* Plane(int index) const { return planes_[index].data(); }
    int Stride(int index) const { return index == 0 ? StoredWidth() : StoredWidth() / 2; }

private:
    YuvCanvas Canvas();
    void DrawStreet(const YuvCanvas& canvas);
    void RepeatSeam();

    std::vector<uint8_t> planes_[3];
};

// The panorama shared by all streams, drawn on first use.
const WorldPanorama& SharedPanorama();

}  // namespace devsim::camera
