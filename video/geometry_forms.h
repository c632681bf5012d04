#pragma once
// GeometryText: the text form of rule geometry, and the arithmetic between
// device space (floats in [-1, 1], origin at the picture centre, y upwards)
// and pixel space (integer window pixels, origin top-left, y downwards).
// Every parser here reads device input: malformed text fails, never crashes.

#include <QPointF>
#include <QString>

#include "geometry_records.h"

namespace vexo::geometry {

// Device point to window pixel in a W x H window.
GeoPoint DeviceToPixel(double fx, double fy, int width, int height);
// Window pixel to device point, with the integer half sizes of the window. A
// window narrower or lower than 2 pixels has no centre: that axis gives 0.
QPointF PixelToDevice(int px, int py, int width, int height);
// "(%f,%f)" of a pixel's device position.
QString PixelToDeviceText(int px, int py, int width, int height);

// The integer value at the start of text, as C's atoi reads it (leading
// blanks, a sign, digits; anything else ends it), saturated to int32.
int32_t LeadingInt(QStringView text);

// Polygon text "N|(x,y),...". N = 0 succeeds and leaves the record untouched;
// N outside 3..8, or exactCount >= 0 and N != exactCount, fails; so does a
// missing or misplaced bracket or comma. On success slot 7 repeats point 0
// when N < 8, count = N and valid = 1.
bool ParsePolygonText(QStringView text, PolygonRecord& record, int exactCount = -1);

// Line text "D|(x1,y1),(x2,y2)" (the read-back form "D|M|..." reads the same).
// The record is zeroed first; D must be 0, 1 or 2. D = 0 shows both arrows,
// 1 only arrow B, 2 only arrow A. valid = 1 on success.
bool ParseLineText(QStringView text, LineRecord& record);

// Point text "N|(x,y)...": N = 0 succeeds unchanged; the last point counts.
bool ParsePointText(QStringView text, PointRecord& record);

// Read-back forms: "N|(x,y),..." for a valid polygon of 1..8 points (else
// empty), "D|M|(x1,y1),(x2,y2)" for a wire (kind 3 or 4, otherwise without
// M), "1|(x,y)" for a valid point (else empty).
QString PolygonText(const PolygonRecord& record);
QString LineText(const LineRecord& record);
QString PointText(const PointRecord& record);

// Arrow triangles A (near the start) and B (near the end) of the line; a line
// of length 0 leaves them as they are.
void ComputeArrows(LineRecord& line);
// The band quadrilateral of half-width trunc(boxHeight * margin) around the
// line.
void ComputeBand(LineRecord& line, int boxHeight);

// A pixel coordinate scaled from an old window size to a new one; an old size
// of 0 gives 0.
int32_t RescaleCoordinate(int32_t value, int oldSize, int newSize);

}  // namespace vexo::geometry
