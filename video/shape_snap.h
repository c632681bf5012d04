#pragma once
// Where a dragged point lands: the frame's edges and the other points of its
// shape pull it within a few pixels, so that a region can reach the very
// edge of the picture (device value -1 or 1) and its sides can be lined up.

#include <QSize>
#include <vector>

#include "geometry_records.h"

namespace vexo {

inline constexpr int kSnapRadius = 6;

// Each axis on its own: x goes to 0 or the frame's width, or to the x of
// another point, when within `radius` pixels (the nearest wins, an edge
// before a point at the same distance); y likewise. An empty frame has no
// edges to pull.
GeoPoint SnapPoint(GeoPoint p, QSize frame, const std::vector<GeoPoint>& others,
                   int radius = kSnapRadius);

}  // namespace vexo
