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
        case kControlFacePolygonButton:
        case kControlFaceRectButton:
        case kControlFacePolygonDeleteButton:
            return kShapeFace;
        default:
            return kShapeNone;
    }
}

namespace {

// The overlay keeps at most eight points per shape.
constexpr int kMaxOverlayPoints = 8;

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

}  // namespace vexo
