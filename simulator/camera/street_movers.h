#pragma once
// The cars and walkers of the street: where each one is at an instant and
// which part of a view it covers. The renderer draws them from this and the
// camera's analytics report them as targets, so both always agree.

#include <vector>

#include "view_renderer.h"
#include "yuv_canvas.h"

namespace devsim::camera {

// Things that move through the street: cars on the two lanes, walkers on
// the two pavements. Each travels round the whole turn at its own speed.
struct Mover {
    double start;  // panorama column at time 0
    double speed;  // columns per second, negative to the left
    int bottom;    // panorama row it stands on
    int length;    // columns
    int height;    // rows
    YuvColour colour;
    bool car;
};

const std::vector<Mover>& Movers();

// A mover inside a crop: `offset` is its left column relative to the
// crop's left edge, `top` its top row relative to the crop's top row
// (both in panorama pixels, possibly partly outside the crop).
struct PlacedMover {
    int index;  // into Movers()
    double offset;
    int top;
};

// The movers that show in `crop` at `seconds` past the hour.
std::vector<PlacedMover> MoversInCrop(const Crop& crop, double seconds);

// The columns, relative to a mover's left column, that its drawing covers
// (a walker is narrower than its slot on the pavement).
struct DrawnSpan {
    int left;
    int right;
};
DrawnSpan DrawnColumns(const Mover& mover);

// Seconds past the hour of a wall-clock instant, small enough for double
// precision to place movers exactly.
double SecondsInHour(long long realtimeMicros);

}  // namespace devsim::camera
