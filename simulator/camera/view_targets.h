#pragma once
// The targets the camera's analytics see in a picture: every car and walker
// in view, with its box in the device's coordinates (x and y from -1 to 1,
// origin at the picture centre, y upward), the space of the rules' geometry.

#include <vector>

#include "view_renderer.h"

namespace devsim::camera {

struct ViewTarget {
    int id = 0;  // stable per mover, from 1
    bool vehicle = false;
    // Box edges, clipped to the picture: left < right, bottom < top.
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

std::vector<ViewTarget> TargetsInView(const HeadPosition& head, int pictureWidth, int pictureHeight,
                                      long long realtimeMicros);

}  // namespace devsim::camera
