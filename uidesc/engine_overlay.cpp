#include "engine_overlay.h"

#include <QRegularExpression>
#include <vector>

#include "geometry_forms.h"
#include "panel_metrics.h"
#include "param_rows.h"
#include "row_geometry_text.h"
#include "show_ai_config.h"

namespace vexo {

int OverlayShapeOfKind(int kind) {
    switch (kind) {
        case kControlRectButton:
        case kControlRectPageButton:
        case kControlRectVideoButton:
            return kShapeRectangleType;
        case kControlPolygonButton:
        case kControlPolygonAllButton:
            return kShapePolygonType;
        case kControlPointButton:
            return kShapePoint;
        case kControlWireAllSolid:
        case kControlWireOneSolid:
            return kShapeLine;
        case kControlLineButton:
        case kControlPolylineSpin:
            return kShapeSegment;
        case kControlFacePolygonButton:
        case kControlFaceRectButton:
        case kControlFacePolygonDeleteButton:
            return kShapeFace;
        default:
            return kShapeNone;
    }
}

std::optional<DrawingToolChoice> DrawingToolOf(int toolCode, int shapeType) {
    std::optional<DrawGesture> gesture;
    switch (toolCode) {
        case 2:  // pen
        case 9:  // face pen
            gesture = DrawGesture::Polygon;
            break;
        case 1:   // rectangle
        case 6:   // rectangle of a region row
        case 8:   // face rectangle
        case 10:  // face rectangle of a face region row
            gesture = DrawGesture::Rectangle;
            break;
        case 3:  // wire
        case 4:  // wire of one arrow
        case 7:  // line
            gesture = DrawGesture::TwoClicks;
            break;
        case 5:
            gesture = DrawGesture::OneClick;
            break;
        default:
            return std::nullopt;
    }
    // The row decides the shape: a rectangle drawn for a region row is a
    // region of four corners.
    switch (shapeType) {
        case kShapeRectangleType:
            return DrawingToolChoice{ShapeForm::Rectangle, *gesture};
        case kShapePolygonType:
        case kShapeFace:
            return DrawingToolChoice{ShapeForm::Region, *gesture};
        case kShapeLine:
            return DrawingToolChoice{ShapeForm::Wire, DrawGesture::TwoClicks};
        case kShapeSegment:
            return DrawingToolChoice{ShapeForm::Segment, DrawGesture::TwoClicks};
        case kShapePoint:
            return DrawingToolChoice{ShapeForm::Point, DrawGesture::OneClick};
        default:
            return std::nullopt;
    }
}

namespace {

bool OneOf(const QString& value, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<WireArrows> ArrowsOfDirection(const QString& value) {
    if (OneOf(value, {"BothWays", "Any"})) {
        return WireArrows{true, true};
    }
    if (OneOf(value, {"AtoB", "Left"})) {
        return WireArrows{true, false};
    }
    if (OneOf(value, {"BtoA", "Right"})) {
        return WireArrows{false, true};
    }
    return std::nullopt;
}

QString DirectionOfArrows(WireArrows arrows, const QStringList& values) {
    for (const QString& value : values) {
        const auto shown = ArrowsOfDirection(value);
        if (shown && shown->a == arrows.a && shown->b == arrows.b) {
            return value;
        }
    }
    return {};
}

namespace {

QString PairsText(const std::vector<QPoint>& points) {
    QString text;
    for (const QPoint& p : points) {
        if (!text.isEmpty()) {
            text += u',';
        }
        text += QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
    }
    return text;
}

}  // namespace

QString DevicePixelText(const QString& deviceText, int shapeType, const QRect& video) {
    if (video.width() < 2 || video.height() < 2 || shapeType == kShapeNone) {
        return {};
    }
    std::vector<PointF> points;
    if (!ReadGeometryPoints(deviceText, kMaxOverlayPoints + 1, points) || points.empty() ||
        static_cast<int>(points.size()) > kMaxOverlayPoints) {
        return {};
    }
    std::vector<QPoint> pixels;
    for (const PointF& p : points) {
        const GeoPoint g = geometry::DeviceToPixel(p.X, p.Y, video.width(), video.height());
        pixels.emplace_back(g.x, g.y);
    }
    switch (shapeType) {
        case kShapeLine:
        case kShapeSegment:
            return pixels.size() == 2 ? QStringLiteral("0|") + PairsText(pixels) : QString();
        case kShapePoint:
            return QStringLiteral("1|") + PairsText({pixels.front()});
        default:
            return QString::number(pixels.size()) + u'|' + PairsText(pixels);
    }
}

QString PixelDeviceText(const QString& pixelText, int shapeType, const QRect& video) {
    static const QRegularExpression pair(QStringLiteral("\\((-?\\d+),(-?\\d+)\\)"));
    QStringList pairs;
    for (auto it = pair.globalMatch(pixelText); it.hasNext();) {
        const auto match = it.next();
        pairs << geometry::PixelToDeviceText(match.captured(1).toInt(), match.captured(2).toInt(),
                                             video.width(), video.height());
        if (pairs.size() > kMaxOverlayPoints) {
            return {};
        }
    }
    if (pairs.isEmpty()) {
        return {};
    }
    switch (shapeType) {
        case kShapeLine:
        case kShapeSegment:
            return pairs.size() == 2 ? QStringLiteral("2|") + pairs.join(u',') : QString();
        case kShapePoint:
            return QStringLiteral("1|") + pairs.front();
        default:
            return QString::number(pairs.size()) + u'|' + pairs.join(u',');
    }
}

bool DrawEngineShape(CShowAIConfig& overlay, int port, int shapeType, const QString& key,
                     const QString& pixelText, const QRect& video) {
    switch (shapeType) {
        case kShapeRectangleType:
            return overlay.DrawRegion(port, 0, 10, pixelText, key);
        case kShapePolygonType:
        case kShapeFace:
            return overlay.DrawRegion(port, 0, 1, pixelText, key);
        case kShapePoint:
            return overlay.DrawPoint(port, key, pixelText);
        case kShapeSegment:
            return overlay.DrawSegment(port, key, pixelText);
        case kShapeLine:
            if (!overlay.DrawLine(port, 0, 2, pixelText, key)) {
                return false;
            }
            overlay.SetLineBox(key, video);
            return true;
        default:
            return false;
    }
}

int DevicePixelPoints(const QString& deviceText, const QRect& video, int cap,
                      std::vector<GeoPoint>& pixels) {
    std::vector<PointF> points;
    pixels.clear();
    if (video.width() < 2 || video.height() < 2 || !ReadGeometryPoints(deviceText, cap, points)) {
        return -1;
    }
    for (const PointF& p : points) {
        pixels.push_back(geometry::DeviceToPixel(p.X, p.Y, video.width(), video.height()));
    }
    return static_cast<int>(points.size());
}

}  // namespace vexo
