#pragma once
// Puts the live view's shapes on the session's overlay in the video
// window's pixels, editable with the mouse, and keeps the point with the
// picture when the video window changes size.

#include <QSize>
#include <QString>

#include "device_shapes.h"

class CAudioVideoPlay;

namespace liveview {

// The overlay keys of the three shapes.
inline const QString kRegionKey = QStringLiteral("region");
inline const QString kWireKey = QStringLiteral("wire");
inline const QString kPointKey = QStringLiteral("point");

// GeometryText in pixels of a video window of the given size.
QString RegionPixelText(const ShapeRegion& region, QSize video);
QString WirePixelText(const ShapeWire& wire, QSize video);
QString PointPixelText(const ShapePoint& point, QSize video);

// Draws the shapes that are present and makes each editable. False when the
// session refused one (no picture yet, or not playing).
bool DrawLiveShapes(CAudioVideoPlay& session, const LiveShapes& shapes, QSize video);

// The renderer rescales regions and wires with the video window but leaves
// points where they were: this moves the point along.
void RescalePoint(CAudioVideoPlay& session, QSize oldVideo, QSize newVideo);

}  // namespace liveview
