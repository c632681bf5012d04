#pragma once
// How the parameter engine hands its drawing parameters to the page's
// overlay: the overlay shape type of each drawing ControlKind, and the
// GeometryText between the device form the rows carry and the window pixels
// the overlay draws in.

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "show_ai_config.h"

namespace vexo {

// Overlay shape types of drawing rows.
enum EngineShapeType : int {
    kShapeNone = 0,
    kShapeLine = 1,
    kShapePolygonType = 2,
    kShapeRectangleType = 3,
    kShapePoint = 4,
    kShapeSegment = 5,  // a plain line: calibration and horizon lines
    kShapeFace = 6,
};

int OverlayShapeOfKind(int kind);

// The most points a shape on the overlay holds.
constexpr int kMaxOverlayPoints = 8;

// What a drawing button's tool code draws for a row of `shapeType`: the
// shape's form on the overlay and the gesture that makes it. None for the
// delete tool (14), for unknown codes and for rows the overlay does not draw.
struct DrawingToolChoice {
    ShapeForm form;
    DrawGesture gesture;
};
constexpr int kDeleteTool = 14;
std::optional<DrawingToolChoice> DrawingToolOf(int toolCode, int shapeType);

// A wire's arrows for its rule's direction value ("AtoB" and "Left" show
// arrow A, "BtoA" and "Right" arrow B, "BothWays" and "Any" both); none for
// other values. And back: the one of `values` that names these arrows,
// empty when none does.
struct WireArrows {
    bool a = true;
    bool b = true;
};
std::optional<WireArrows> ArrowsOfDirection(const QString& value);
QString DirectionOfArrows(WireArrows arrows, const QStringList& values);

// Device form ("N|(fx,fy),...", floats in [-1, 1]) to the pixel text the
// overlay draws for that shape type in a `video`-sized window: polygons and
// rectangles "N|(x,y),...", wires "0|(x1,y1),(x2,y2)" (both arrows), points
// "1|(x,y)". Empty when the text does not read or the video has no size.
QString DevicePixelText(const QString& deviceText, int shapeType, const QRect& video);

// The overlay's read-back text (the wire form "D|M|..." included) back in
// device form: polygons and rectangles "N|(fx,fy),...", wires "2|...",
// points "1|...". Empty when it does not read.
QString PixelDeviceText(const QString& pixelText, int shapeType, const QRect& video);

// Draws a pixel text on the overlay under `key`; false when refused.
bool DrawEngineShape(CShowAIConfig& overlay, int port, int shapeType, const QString& key,
                     const QString& pixelText, const QRect& video);

// The number of points a device text announces and holds (up to `cap`),
// and those points in `video` pixels; -1 when the text does not read.
int DevicePixelPoints(const QString& deviceText, const QRect& video, int cap,
                      std::vector<GeoPoint>& pixels);

}  // namespace vexo
