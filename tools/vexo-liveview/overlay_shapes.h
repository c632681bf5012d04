#pragma once
// The live view's shapes on the session's overlay, in the video window's
// pixels. One shape at a time is editable, the edit target: the renderer
// tries regions before wires before points, and an editable point takes
// any press, so with everything editable a wire inside a region could
// never be grabbed and every stray press would move the point. The shapes
// that are not the target are drawn in forms the renderer keeps read-only.

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "device_shapes.h"
#include "geometry_records.h"

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

// The shapes in video pixels, as last drawn or edited.
struct PixelShapes {
    std::vector<vexo::GeoPoint> region;  // empty: no region
    bool hasWire = false;
    vexo::GeoPoint wireStart;
    vexo::GeoPoint wireEnd;
    int wireDirection = 1;  // the wire text's digit
    bool hasPoint = false;
    vexo::GeoPoint point;
};

class OverlayShapes {
public:
    explicit OverlayShapes(CAudioVideoPlay& session) : session_(session) {}

    // Draws the shapes that are present, the edit target editable.
    void Draw(const LiveShapes& shapes, QSize video);

    // Makes another shape the editable one; every shape keeps its place.
    void SetEditTarget(EditTarget target);
    EditTarget Target() const { return target_; }

    // Whether a press at p (video pixels) is one for the edit target: only
    // those reach the session, so a press beside the shape moves nothing.
    bool AcceptsPress(QPoint p) const;

    // Takes over the edits the mouse made to the target.
    void Capture();
    // Call Capture before the session rescales, then this: every shape is
    // scaled to the new video window and drawn again.
    void Rescale(QSize oldVideo, QSize newVideo);

    // The shapes after Capture.
    const PixelShapes& Pixels() const { return pixels_; }

private:
    void RedrawAll();

    CAudioVideoPlay& session_;
    EditTarget target_ = EditTarget::Region;
    PixelShapes pixels_;
};

}  // namespace liveview
