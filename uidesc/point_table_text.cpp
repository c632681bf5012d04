#include "point_table_text.h"

#include <QRegularExpression>
#include <cmath>

#include "row_geometry_text.h"

namespace vexo {

QString TableCoordinateText(double value) {
    // No "-0.000": a centred point reads as 0.000.
    const double shown = std::round(value * 1000.0) / 1000.0;
    return QString::number(shown == 0.0 ? 0.0 : shown, 'f', 3);
}

std::optional<PointF> ReadTypedPoint(const QString& x, const QString& y) {
    static const QRegularExpression plain(
        QStringLiteral("^[-+]?(\\d{1,6}(\\.\\d{0,9})?|\\.\\d{1,9})$"));
    const QString tx = x.trimmed();
    const QString ty = y.trimmed();
    if (!plain.match(tx).hasMatch() || !plain.match(ty).hasMatch()) {
        return std::nullopt;
    }
    std::vector<PointF> points;
    if (!ReadGeometryPoints(QStringLiteral("1|(%1,%2)").arg(tx, ty), 1, points) ||
        points.size() != 1) {
        return std::nullopt;
    }
    const PointF p = points.front();
    if (!std::isfinite(p.X) || !std::isfinite(p.Y) || std::fabs(p.X) > 1.0f ||
        std::fabs(p.Y) > 1.0f) {
        return std::nullopt;
    }
    return p;
}

GeoPoint TypedPixel(PointF point, QSize video) {
    return {static_cast<int32_t>(std::lround((double(point.X) + 1.0) * video.width() / 2.0)),
            static_cast<int32_t>(std::lround((1.0 - double(point.Y)) * video.height() / 2.0))};
}

QString ShapeSizeText(const std::vector<GeoPoint>& points, bool line, QSize video, bool chinese) {
    if (video.isEmpty() || points.size() < 2) {
        return {};
    }
    if (line) {
        const double length =
            std::hypot(double(points[1].x) - points[0].x, double(points[1].y) - points[0].y);
        const double share = 100.0 * length / video.width();
        return chinese
                   ? QStringLiteral("长度：画面宽度的 %1 %").arg(share, 0, 'f', 1)
                   : QStringLiteral("Length: %1 % of the picture's width").arg(share, 0, 'f', 1);
    }
    // The shoelace formula: the polygon's area in square pixels.
    double twice = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const GeoPoint& a = points[i];
        const GeoPoint& b = points[(i + 1) % points.size()];
        twice += double(a.x) * b.y - double(b.x) * a.y;
    }
    const double share = 100.0 * std::fabs(twice) / 2.0 / (double(video.width()) * video.height());
    return chinese ? QStringLiteral("面积：画面的 %1 %").arg(share, 0, 'f', 1)
                   : QStringLiteral("Area: %1 % of the picture").arg(share, 0, 'f', 1);
}

}  // namespace vexo
