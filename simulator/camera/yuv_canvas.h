#pragma once
// Drawing primitives on a YUV 4:2:0 picture: the camera draws its world and
// its overlays straight into the planes the encoder reads, so no colour
// conversion is needed per frame.

#include <cstdint>

namespace devsim::camera {

struct YuvColour {
    uint8_t y;
    uint8_t u;
    uint8_t v;
};

// Studio-range BT.601, as the encoders expect for YUV420P.
YuvColour FromRgb(int r, int g, int b);

// Three planes of one picture; chroma planes are half size in both axes.
struct YuvCanvas {
    uint8_t* plane[3] = {nullptr, nullptr, nullptr};
    int stride[3] = {0, 0, 0};
    int width = 0;
    int height = 0;

    // Fills [x, x + w) x [y, y + h), clipped to the picture. Chroma is
    // written for the 2x2 blocks the rectangle covers.
    void FillRect(int x, int y, int w, int h, YuvColour colour) const;
    // Darkens luma of a clipped rectangle to a quarter (a text backdrop
    // that keeps the picture visible).
    void ShadeRect(int x, int y, int w, int h) const;
};

}  // namespace devsim::camera
