#pragma once
// How rule records become play-library items, and how a key's items are
// brought up to date from its record. Shared by the renderer and the shape
// trackers, so an edit under the mouse looks exactly like a fresh drawing.

#include <cstdint>

#include "geometry_records.h"

namespace vexo::overlay {

// COLORREF values (0x00BBGGRR).
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kRed = 0x000000FF;
constexpr uint32_t kBlue = 0x00FF0000;

constexpr int kHandleRadius = 10;

// What a polygon redraw shows beyond its record.
struct PolygonState {
    bool drawing = false;  // being drawn by clicks: the outline runs to the cursor
    GeoPoint cursor;       // valid while drawing
    bool showStartMarker = false;
};

// Region kinds of DrawRegion: 1 polygon, 10 rectangle; anything else gets
// only the eight hidden handle circles.
void AddPolygonItems(int32_t port, int regionKind, const PolygonRecord& record, ItemList& items);
// A wire's items end with its two end labels, "A" and "B" (OSD texts in the
// label colour), so that its direction reads on the picture.
void AddLineItems(int32_t port, const LineRecord& record, ItemList& items);
// Where the middle of a wire's end label lies: beside its arrow's base,
// across the line from the arrow's point (`b` false for A, true for B).
GeoPoint EndLabelSpot(const LineRecord& line, bool b);
// Segments and wires of no length show no end labels.
bool HasEndLabels(const LineRecord& line);
void AddPointItems(int32_t port, const PointRecord& record, ItemList& items);

void RedrawPolygon(int32_t port, const ItemList& items, const PolygonRecord& record,
                   const PolygonState& state = {});
void RedrawLine(int32_t port, const ItemList& items, const LineRecord& record);
void RedrawPoint(int32_t port, const ItemList& items, const PointRecord& record);

// Deletes every item of the list by its kind and empties the list.
void DeleteItems(int32_t port, ItemList& items);

}  // namespace vexo::overlay
