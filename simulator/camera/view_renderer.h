#pragma once
// What the camera sees: the crop of the world panorama that the head's pan,
// tilt and zoom select, scaled to the stream's picture size, with the cars
// and walkers of the moment and the time stamp burnt in.

#include <cstdint>

#include "yuv_canvas.h"

struct SwsContext;

namespace devsim::camera {

// Pan in [-1, 1) (a full turn), tilt in [-1, 1] (up positive), zoom in
// [0, 1] (0 widest, 1 ten times narrower).
struct HeadPosition {
    double pan = 0;
    double tilt = 0;
    double zoom = 0;
};

// The panorama rectangle a view shows.
struct Crop {
    int x = 0;  // left column in [0, turn width), even
    int y = 0;  // top row, even
    int width = 0;
    int height = 0;
};

Crop CropFor(const HeadPosition& head, int pictureWidth, int pictureHeight);

class ViewRenderer {
public:
    ViewRenderer(int width, int height);
    ~ViewRenderer();
    ViewRenderer(const ViewRenderer&) = delete;
    ViewRenderer& operator=(const ViewRenderer&) = delete;

    // Draws one picture into `target` (of the renderer's size). The moving
    // things are placed by the wall-clock instant, so every stream shows
    // the same street at the same moment. Without `traffic` the street is
    // empty (what the analytics' tests compare against). Returns false when
    // scaling failed.
    bool Render(const YuvCanvas& target, const HeadPosition& head, long long realtimeMicros,
                bool traffic = true);

private:
    void DrawTraffic(const YuvCanvas& target, const Crop& crop, double seconds) const;

    int width_;
    int height_;
    SwsContext* scaler_ = nullptr;
};

}  // namespace devsim::camera
