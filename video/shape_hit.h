#pragma once
// Hit-test arithmetic of the shape trackers and click rules.

#include <QRect>

#include "geometry_records.h"

namespace vexo::hit {

// The cursor is on a handle at p when it lies in the square p ± (size + 1)
// div 2, left and top edges inside, right and bottom outside.
bool OnHandle(GeoPoint handle, GeoPoint cursor, int size);

// Horizontal ray test towards x = -1000; a point on an edge is inside.
bool PointInPolygon(GeoPoint p, const GeoPoint* points, int count);

// Distance from p to the segment a-b; 100000 when p lies beside the
// segment's span (outside its y range for a vertical segment, outside its x
// range otherwise).
double DistanceToSegment(GeoPoint p, GeoPoint a, GeoPoint b);

// Empty bounds accept everything; otherwise edges are inside.
bool InBounds(const QRect& bounds, GeoPoint p);

}  // namespace vexo::hit
