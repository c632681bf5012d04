#include "overlay_shapes.h"

#include "audio_video_play.h"
#include "geometry_forms.h"
#include "geometry_records.h"

namespace liveview {

namespace {

QString PixelPoint(PointF p, QSize video) {
    const vexo::GeoPoint pixel =
        vexo::geometry::DeviceToPixel(p.X, p.Y, video.width(), video.height());
    return QStringLiteral("(%1,%2)").arg(pixel.x).arg(pixel.y);
}

}  // namespace

QString RegionPixelText(const ShapeRegion& region, QSize video) {
    QStringList points;
    for (const PointF& p : region.points) {
        points << PixelPoint(p, video);
    }
    return QStringLiteral("%1|%2").arg(points.size()).arg(points.join(QLatin1Char(',')));
}

QString WirePixelText(const ShapeWire& wire, QSize video) {
    return QStringLiteral("%1|%2,%3")
        .arg(wire.direction)
        .arg(PixelPoint(wire.start, video), PixelPoint(wire.end, video));
}

QString PointPixelText(const ShapePoint& point, QSize video) {
    return QStringLiteral("1|") + PixelPoint(point.point, video);
}

bool DrawLiveShapes(CAudioVideoPlay& session, const LiveShapes& shapes, QSize video) {
    bool drawn = true;
    if (shapes.region) {
        // Kind 1 is a free polygon: each corner has its own handle.
        drawn =
            session.DrawRegion(1, 1, RegionPixelText(*shapes.region, video), kRegionKey) && drawn;
    }
    if (shapes.wire) {
        // Type 3 is the directed wire: one arrow, flipped by a click on it.
        drawn = session.DrawLine(1, 3, WirePixelText(*shapes.wire, video), kWireKey) && drawn;
        // Wires are drawn read-only; the pane's edit makes them editable.
        session.SetLineFlag(kWireKey, 1);
        session.SetLineBox(kWireKey);
        session.DeleteOverlay(kWireKey, true);
    }
    if (shapes.point) {
        drawn = session.DrawPoint(kPointKey, PointPixelText(*shapes.point, video)) && drawn;
    }
    return drawn;
}

void RescalePoint(CAudioVideoPlay& session, QSize oldVideo, QSize newVideo) {
    const QString text = session.GetGeometryText(kPointKey);
    vexo::PointRecord record;
    if (text.isEmpty() || !vexo::geometry::ParsePointText(text, record) || oldVideo == newVideo) {
        return;
    }
    const QString moved = QStringLiteral("1|(%1,%2)")
                              .arg(vexo::geometry::RescaleCoordinate(
                                  record.point.x, oldVideo.width(), newVideo.width()))
                              .arg(vexo::geometry::RescaleCoordinate(
                                  record.point.y, oldVideo.height(), newVideo.height()));
    session.DeleteOverlay(kPointKey, false);
    session.DrawPoint(kPointKey, moved);
}

}  // namespace liveview
