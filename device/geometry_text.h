#pragma once
// The texts in which geometry travels inside a parameter record's JSON form:
// "(%f,%f,%f,%f)" for a rectangle, "(%f,%f)" for a point, and "N|(x,y),(x,y)"
// for a polygon. Numbers are always written and read with a decimal point,
// whatever the process locale says.

#include <string>
#include <string_view>
#include <vector>

#include "param_record.h"

namespace vexo::geometry {

// A polygon text claiming more points than this adds no polygon: the missing
// points of a short text are padded with (0, 0), and a hostile count must not
// make the control allocate without bound.
inline constexpr long kMaxPolygonPoints = 4096;

std::string FormatRect(const RectF& rect);
std::string FormatPoint(const PointF& point);
// "" for a polygon without points.
std::string FormatPolygon(const std::vector<PointF>& polygon);

// Scans "(%f,%f,%f,%f)"; fields that do not scan stay 0.
RectF ScanRect(std::string_view text);
// Scans "%f,%f" between the text's first "(" and the first ")" after it
// (the start and the end of the text when either is missing); fields that do
// not scan stay 0.
PointF ScanPoint(std::string_view text);
// Reads a polygon text. Returns false (no polygon) when the count before the
// first "|" is missing, 0, negative or above kMaxPolygonPoints; otherwise
// `polygon` holds exactly that many points, (0, 0) for the missing ones.
bool ScanPolygon(std::string_view text, std::vector<PointF>& polygon);

}  // namespace vexo::geometry
