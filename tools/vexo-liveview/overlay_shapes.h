#pragma once
// The live view's shapes on the session's overlay, in the video window's
// pixels. One shape at a time is editable, the edit target: the renderer
// tries regions before wires before points, and an editable point takes
// any press, so with everything editable a wire inside a region could
// never be grabbed and every stray press would move the point.

#include <QPoint>
#include <QSize>
#include <QString>

#include "device_shapes.h"

class CAudioVideoPlay;

namespace liveview {

// The overlay keys of the three shapes.
inline const QString kRegionKey = QStringLiteral("region");
inline const QString kWireKey = QStringLiteral("wire");
inline const QString kPointKey = QStringLiteral("point");

enum class EditTarget { Region, Wire, Point };

// GeometryText in pixels of a video window of the given size.
QString RegionPixelText(const ShapeRegion& region, QSize video);
QString WirePixelText(const ShapeWire& wire, QSize video);
QString PointPixelText(const ShapePoint& point, QSize video);

class OverlayShapes {
public:
    explicit OverlayShapes(CAudioVideoPlay& session) : session_(session) {}

    // Draws the shapes that are present, the edit target editable. False
    // when the session refused one (not playing, or no picture yet).
    bool Draw(const LiveShapes& shapes, QSize video);

    // Makes another shape the editable one; every shape keeps its place.
    void SetEditTarget(EditTarget target);
    EditTarget Target() const { return target_; }

    // Whether a press at p (video pixels) is one for the edit target: only
    // those reach the session, so a press beside the shape moves nothing.
    bool AcceptsPress(QPoint p) const;

    // The renderer rescales regions and wires with the video window but
    // leaves points where they were: this moves the point along.
    void RescalePoint(QSize oldVideo, QSize newVideo);

private:
    void RedrawRegion();
    void RedrawWire();

    CAudioVideoPlay& session_;
    EditTarget target_ = EditTarget::Region;
    int regionCount_ = 0;  // the region's own points, without padding
};

}  // namespace liveview
