#pragma once
// How the parameter engine hands its drawing parameters to the page's
// overlay: the overlay shape type of each drawing ControlKind, and the
// GeometryText between the device form the rows carry and the window pixels
// the overlay draws in.

#include <QRect>
#include <QString>

namespace vexo {

class CShowAIConfig;

// Overlay shape types of drawing rows.
enum EngineShapeType : int {
    kShapeNone = 0,
    kShapeLine = 1,
    kShapePolygonType = 2,
    kShapeRectangleType = 3,
    kShapePoint = 4,
    kShapeFace = 6,
};

int OverlayShapeOfKind(int kind);

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

}  // namespace vexo
