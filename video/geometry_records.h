#pragma once
// The renderer's records of rule geometry in window pixels, one per rule key,
// and the play-library items each key owns. Trackers edit these in place.

#include <QRect>
#include <cstdint>
#include <vector>

namespace vexo {

struct GeoPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const GeoPoint&) const = default;
};

// a + d without overflow: points come from device text and may sit at the
// ends of the int32 range.
inline int32_t AddClamped(int32_t a, int64_t d) {
    const int64_t v = int64_t{a} + d;
    return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v));
}

// Shape kinds of a polygon record.
constexpr int32_t kShapeRectangle = 1;
constexpr int32_t kShapePolygon = 2;
constexpr int kMaxPolygonPoints = 8;

struct PolygonRecord {
    uint8_t editable = 0;
    uint8_t valid = 0;
    uint8_t selected = 0;
    int32_t shapeKind = 0;
    int32_t count = 0;
    int32_t label = 0;
    // Slot 7 repeats point 0 when fewer than eight points are set, so the
    // outline closes without special cases.
    GeoPoint points[kMaxPolygonPoints];
};

// Line kinds of a line record: a wire turns both arrows freely, a directed
// wire shows one at a time, a segment (a calibration or horizon line) has
// none.
constexpr int32_t kLineWire = 3;
constexpr int32_t kLineDirectedWire = 4;
constexpr int32_t kLineSegment = 5;

struct LineRecord {
    uint8_t editable = 0;
    uint8_t valid = 0;
    uint8_t selected = 0;
    int32_t lineKind = 0;   // kLineWire, kLineDirectedWire or kLineSegment
    int32_t direction = 0;  // 0 both arrows, 1 and 2 one arrow
    GeoPoint start;
    GeoPoint end;
    uint8_t bandSizeFlag = 0;  // 0 for wires
    uint8_t arrowAVisible = 0;
    GeoPoint arrowA[3];
    uint8_t arrowBVisible = 0;
    GeoPoint arrowB[3];
    uint8_t flag = 0;     // stored for the pane; no drawing reads it
    float margin = 0.0f;  // band half-width as a share of the box height
    GeoPoint band[4];
    QRect box;  // empty until the pane stores the video rectangle
};

constexpr int32_t kPointKind = 6;

struct PointRecord {
    float reserved = 0.0f;
    uint8_t editable = 0;
    uint8_t valid = 0;
    uint8_t selected = 0;
    int32_t kind = kPointKind;
    GeoPoint point;
};

// Kinds of play-library items in a key's list.
enum ItemKind : int32_t {
    kItemMultLine = 1,
    kItemRect = 2,
    kItemOsd = 3,
    kItemCircle = 4,
    kItemBlock = 5
};

struct ItemRef {
    int32_t id = -1;
    int32_t kind = 0;
};

using ItemList = std::vector<ItemRef>;

}  // namespace vexo
