#pragma once
// The rule shapes the live view shows: a region, a trip wire and a point,
// in device space (-1..1, origin at the picture centre, y upwards), read
// from the selected scene of the device where it has them.

#include <QString>
#include <optional>
#include <vector>

#include "param_record.h"

class DeviceCommandChannel;

namespace liveview {

struct ShapeRegion {
    std::vector<PointF> points;  // 3 to 8
    QString source;              // "function / rule / parameter", or empty for a demo shape
};

struct ShapeWire {
    PointF start;
    PointF end;
    // The wire text's direction digit: 0 both arrows, 1 arrow B, 2 arrow A.
    int direction = 0;
    QString source;
};

struct ShapePoint {
    PointF point;
    QString source;
};

struct LiveShapes {
    std::optional<ShapeRegion> region;
    std::optional<ShapeWire> wire;
    std::optional<ShapePoint> point;
};

// The wire direction digit of a rule's "Direction" value: "Any" gives both
// arrows (0), "Left" arrow A (2), anything else, "AtoB" for one, arrow B (1).
int WireDirectionDigit(const QString& direction);

// The first region (3 to 8 points), trip wire (2 points) and point of the
// rules of the selected scene's enabled functions, in the device's order; a
// point missing there is taken from the scene's modules (a calibration
// point, say). Shapes the device does not have stay empty;
// unreadable answers count as absent. Coordinates outside the picture are
// pulled onto its edge, so every shape can be seen and grabbed.
LiveShapes ReadDeviceShapes(DeviceCommandChannel& channel);

// The shapes, with fixed demo shapes (empty source) in place of those the
// device did not give.
LiveShapes WithDemoShapes(LiveShapes shapes);

// True when every shape came from the device.
bool AllFromDevice(const LiveShapes& shapes);

}  // namespace liveview
