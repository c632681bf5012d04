#include "overlay_shapes.h"

#include <QStringList>

#include "audio_video_play.h"
#include "geometry_forms.h"
#include "geometry_records.h"
#include "shape_hit.h"

namespace liveview {

namespace {

// How far from a corner or an end a press still grabs it: the trackers'
// handle size.
constexpr int kHandleSize = 20;
// How far from a wire a press still belongs to it.
constexpr double kWireReach = 10.0;

QString PixelPoint(PointF p, QSize video) {
    const vexo::GeoPoint pixel =
        vexo::geometry::DeviceToPixel(p.X, p.Y, video.width(), video.height());
    return QStringLiteral("(%1,%2)").arg(pixel.x).arg(pixel.y);
}

QString PointsText(const vexo::GeoPoint* points, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts << QStringLiteral("(%1,%2)").arg(points[i].x).arg(points[i].y);
    }
    return texts.join(QLatin1Char(','));
}

// The wire text's direction digit of the arrows a line shows.
int DirectionDigit(const vexo::LineRecord& line) {
    if (line.arrowAVisible != 0 && line.arrowBVisible != 0) {
        return 0;
    }
    return line.arrowAVisible != 0 ? 2 : 1;
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

bool OverlayShapes::Draw(const LiveShapes& shapes, QSize video) {
    bool drawn = true;
    if (shapes.region) {
        regionCount_ = static_cast<int>(shapes.region->points.size());
        // Kind 1 is a free polygon: each corner has its own handle.
        drawn =
            session_.DrawRegion(1, 1, RegionPixelText(*shapes.region, video), kRegionKey) && drawn;
    }
    if (shapes.wire) {
        // Type 3 is the directed wire: one arrow, flipped by a click on it.
        drawn = session_.DrawLine(1, 3, WirePixelText(*shapes.wire, video), kWireKey) && drawn;
        session_.SetLineFlag(kWireKey, 1);
        session_.SetLineBox(kWireKey);
    }
    if (shapes.point) {
        drawn = session_.DrawPoint(kPointKey, PointPixelText(*shapes.point, video)) && drawn;
    }
    SetEditTarget(target_);
    return drawn;
}

void OverlayShapes::SetEditTarget(EditTarget target) {
    target_ = target;
    RedrawRegion();
    RedrawWire();
}

void OverlayShapes::RedrawRegion() {
    const vexo::PolygonRecord* region = session_.Overlay().Polygon(kRegionKey);
    if (region == nullptr || regionCount_ < 3 || regionCount_ > vexo::kMaxPolygonPoints) {
        return;
    }
    // The renderer makes regions of three to seven points editable; a
    // region padded to eight points with copies of its last corner looks
    // the same and stays put.
    vexo::GeoPoint points[vexo::kMaxPolygonPoints];
    for (int i = 0; i < vexo::kMaxPolygonPoints; ++i) {
        points[i] = region->points[std::min(i, regionCount_ - 1)];
    }
    const int count = target_ == EditTarget::Region ? regionCount_ : vexo::kMaxPolygonPoints;
    session_.DeleteOverlay(kRegionKey, false);
    session_.DrawRegion(1, 1, QStringLiteral("%1|%2").arg(count).arg(PointsText(points, count)),
                        kRegionKey);
}

void OverlayShapes::RedrawWire() {
    const vexo::LineRecord* wire = session_.Overlay().Line(kWireKey);
    if (wire == nullptr) {
        return;
    }
    const bool editable = wire->editable != 0;
    if (editable == (target_ == EditTarget::Wire)) {
        return;
    }
    if (!editable) {
        session_.DeleteOverlay(kWireKey, true);
        return;
    }
    // Wires are drawn read-only: drawing it again takes the edit away.
    const QString text =
        QStringLiteral("%1|%2")
            .arg(DirectionDigit(*wire))
            .arg(PointsText(&wire->start, 1) + QLatin1Char(',') + PointsText(&wire->end, 1));
    session_.DeleteOverlay(kWireKey, false);
    session_.DrawLine(1, 3, text, kWireKey);
    session_.SetLineFlag(kWireKey, 1);
    session_.SetLineBox(kWireKey);
}

bool OverlayShapes::AcceptsPress(QPoint p) const {
    const vexo::GeoPoint at{p.x(), p.y()};
    const vexo::CShowAIConfig& overlay = session_.Overlay();
    switch (target_) {
        case EditTarget::Region: {
            const vexo::PolygonRecord* region = overlay.Polygon(kRegionKey);
            if (region == nullptr) {
                return false;
            }
            for (int i = 0; i < regionCount_; ++i) {
                if (vexo::hit::OnHandle(region->points[i], at, kHandleSize)) {
                    return true;
                }
            }
            return vexo::hit::PointInPolygon(at, region->points, regionCount_);
        }
        case EditTarget::Wire: {
            const vexo::LineRecord* wire = overlay.Line(kWireKey);
            return wire != nullptr &&
                   (vexo::hit::OnHandle(wire->start, at, kHandleSize) ||
                    vexo::hit::OnHandle(wire->end, at, kHandleSize) ||
                    vexo::hit::DistanceToSegment(at, wire->start, wire->end) <= kWireReach ||
                    vexo::hit::PointInPolygon(at, wire->arrowA, 3) ||
                    vexo::hit::PointInPolygon(at, wire->arrowB, 3));
        }
        case EditTarget::Point:
            // The point follows a drag that starts anywhere.
            return overlay.Point(kPointKey) != nullptr;
    }
    return false;
}

void OverlayShapes::RescalePoint(QSize oldVideo, QSize newVideo) {
    const vexo::PointRecord* record = session_.Overlay().Point(kPointKey);
    if (record == nullptr || oldVideo == newVideo || oldVideo.isEmpty()) {
        return;
    }
    const QString moved = QStringLiteral("1|(%1,%2)")
                              .arg(vexo::geometry::RescaleCoordinate(
                                  record->point.x, oldVideo.width(), newVideo.width()))
                              .arg(vexo::geometry::RescaleCoordinate(
                                  record->point.y, oldVideo.height(), newVideo.height()));
    session_.DeleteOverlay(kPointKey, false);
    session_.DrawPoint(kPointKey, moved);
}

}  // namespace liveview
