#pragma once
// The texts of the point table under the video: a shape's points in the
// form the device stores them (device space, three decimals), what the
// operator types into it, and the shape's size.

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "geometry_records.h"
#include "param_record.h"

namespace vexo {

// "-0.600": a device coordinate as the table shows it.
QString TableCoordinateText(double value);

// A point typed as two device coordinates. Each text must be a plain
// decimal number (a sign, digits, one point); the two are then written into
// the device's GeometryText "1|(x,y)" and read by the parser that reads the
// device's own texts, so the table accepts nothing the device's texts would
// not. Empty unless both lie in [-1, 1].
std::optional<PointF> ReadTypedPoint(const QString& x, const QString& y);

// The video pixel nearest to a device point: a value the table showed,
// typed back, lands on the pixel it came from.
GeoPoint TypedPixel(PointF point, QSize video);

// The shape's size beside the table: a region's share of the picture in %,
// a line's length in % of the picture's width; empty for a single point.
QString ShapeSizeText(const std::vector<GeoPoint>& points, bool line, QSize video, bool chinese);

}  // namespace vexo
