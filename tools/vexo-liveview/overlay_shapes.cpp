#include "overlay_shapes.h"

#include <QStringList>

#include "audio_video_play.h"
#include "geometry_forms.h"
#include "shape_hit.h"

namespace liveview {

namespace {

using vexo::GeoPoint;

// How far from a corner or an end a press still grabs it: the trackers'
// handle size.
constexpr int kHandleSize = 20;
// How far from a wire a press still belongs to it.
constexpr double kWireReach = 10.0;
// Half the span of a read-only point's cross, as the renderer draws points.
constexpr int kCrossArm = 20;

GeoPoint ToPixel(PointF p, QSize video) {
    return vexo::geometry::DeviceToPixel(p.X, p.Y, video.width(), video.height());
}

QString PointsText(const std::vector<GeoPoint>& points) {
    QStringList texts;
    for (const GeoPoint& p : points) {
        texts << QStringLiteral("(%1,%2)").arg(p.x).arg(p.y);
    }
    return texts.join(QLatin1Char(','));
}

QString PolygonText(const std::vector<GeoPoint>& points) {
    return QStringLiteral("%1|%2").arg(points.size()).arg(PointsText(points));
}

// The wire text's direction digit of the arrows a line shows.
int DirectionDigit(const vexo::LineRecord& line) {
    if (line.arrowAVisible != 0 && line.arrowBVisible != 0) {
        return 0;
    }
    return line.arrowAVisible != 0 ? 2 : 1;
}

GeoPoint Scaled(GeoPoint p, QSize from, QSize to) {
    return {vexo::geometry::RescaleCoordinate(p.x, from.width(), to.width()),
            vexo::geometry::RescaleCoordinate(p.y, from.height(), to.height())};
}

}  // namespace

QString RegionPixelText(const ShapeRegion& region, QSize video) {
    std::vector<GeoPoint> points;
    for (const PointF& p : region.points) {
        points.push_back(ToPixel(p, video));
    }
    return PolygonText(points);
}

QString WirePixelText(const ShapeWire& wire, QSize video) {
    return QStringLiteral("%1|").arg(wire.direction) +
           PointsText({ToPixel(wire.start, video), ToPixel(wire.end, video)});
}

QString PointPixelText(const ShapePoint& point, QSize video) {
    return QStringLiteral("1|") + PointsText({ToPixel(point.point, video)});
}

void OverlayShapes::Draw(const LiveShapes& shapes, QSize video) {
    pixels_ = {};
    if (shapes.region) {
        for (const PointF& p : shapes.region->points) {
            pixels_.region.push_back(ToPixel(p, video));
        }
    }
    if (shapes.wire) {
        pixels_.hasWire = true;
        pixels_.wireStart = ToPixel(shapes.wire->start, video);
        pixels_.wireEnd = ToPixel(shapes.wire->end, video);
        pixels_.wireDirection = shapes.wire->direction;
    }
    if (shapes.point) {
        pixels_.hasPoint = true;
        pixels_.point = ToPixel(shapes.point->point, video);
    }
    RedrawAll();
}

void OverlayShapes::SetEditTarget(EditTarget target) {
    Capture();
    target_ = target;
    RedrawAll();
}

void OverlayShapes::Capture() {
    const vexo::CShowAIConfig& overlay = session_.Overlay();
    switch (target_) {
        case EditTarget::Region:
            if (const vexo::PolygonRecord* region = overlay.Polygon(kRegionKey);
                region != nullptr && !pixels_.region.empty() &&
                pixels_.region.size() <= vexo::kMaxPolygonPoints) {
                std::copy(region->points, region->points + pixels_.region.size(),
                          pixels_.region.begin());
            }
            break;
        case EditTarget::Wire:
            if (const vexo::LineRecord* wire = overlay.Line(kWireKey)) {
                pixels_.wireStart = wire->start;
                pixels_.wireEnd = wire->end;
                pixels_.wireDirection = DirectionDigit(*wire);
            }
            break;
        case EditTarget::Point:
            if (const vexo::PointRecord* point = overlay.Point(kPointKey)) {
                pixels_.point = point->point;
            }
            break;
    }
}

void OverlayShapes::Rescale(QSize oldVideo, QSize newVideo) {
    if (oldVideo.isEmpty() || oldVideo == newVideo) {
        return;
    }
    for (GeoPoint& p : pixels_.region) {
        p = Scaled(p, oldVideo, newVideo);
    }
    pixels_.wireStart = Scaled(pixels_.wireStart, oldVideo, newVideo);
    pixels_.wireEnd = Scaled(pixels_.wireEnd, oldVideo, newVideo);
    pixels_.point = Scaled(pixels_.point, oldVideo, newVideo);
    RedrawAll();
}

void OverlayShapes::RedrawAll() {
    const size_t regionSize = pixels_.region.size();
    if (regionSize >= 3 && regionSize <= vexo::kMaxPolygonPoints) {
        // The renderer makes regions of three to seven points editable; a
        // region padded to eight points with copies of its last corner
        // looks the same and stays put.
        std::vector<GeoPoint> points = pixels_.region;
        if (target_ != EditTarget::Region) {
            points.resize(vexo::kMaxPolygonPoints, points.back());
        }
        session_.DeleteOverlay(kRegionKey, false);
        // Kind 1 is a free polygon: each corner has its own handle.
        session_.DrawRegion(1, 1, PolygonText(points), kRegionKey);
    }
    if (pixels_.hasWire) {
        session_.DeleteOverlay(kWireKey, false);
        // Type 3 is the directed wire: one arrow, turned by a click on it.
        // Wires are drawn read-only until made editable.
        session_.DrawLine(1, 3,
                          QStringLiteral("%1|").arg(pixels_.wireDirection) +
                              PointsText({pixels_.wireStart, pixels_.wireEnd}),
                          kWireKey);
        session_.SetLineFlag(kWireKey, 1);
        session_.SetLineBox(kWireKey);
        if (target_ == EditTarget::Wire) {
            session_.DeleteOverlay(kWireKey, true);
        }
    }
    if (pixels_.hasPoint) {
        session_.DeleteOverlay(kPointKey, false);
        const GeoPoint p = pixels_.point;
        if (target_ == EditTarget::Point) {
            session_.DrawPoint(kPointKey, QStringLiteral("1|") + PointsText({p}));
        } else {
            // Points are always editable: a read-only point is its cross
            // traced as an eight-point outline from the centre.
            const std::vector<GeoPoint> cross = {
                p, {p.x - kCrossArm, p.y}, p, {p.x + kCrossArm, p.y},
                p, {p.x, p.y - kCrossArm}, p, {p.x, p.y + kCrossArm}};
            session_.DrawRegion(0, 1, PolygonText(cross), kPointKey);
        }
    }
}

bool OverlayShapes::AcceptsPress(QPoint p) const {
    const GeoPoint at{p.x(), p.y()};
    const vexo::CShowAIConfig& overlay = session_.Overlay();
    switch (target_) {
        case EditTarget::Region: {
            const vexo::PolygonRecord* region = overlay.Polygon(kRegionKey);
            if (region == nullptr || region->editable == 0) {
                return false;
            }
            const int count = std::clamp(region->count, 0, vexo::kMaxPolygonPoints);
            for (int i = 0; i < count; ++i) {
                if (vexo::hit::OnHandle(region->points[i], at, kHandleSize)) {
                    return true;
                }
            }
            return vexo::hit::PointInPolygon(at, region->points, count);
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

}  // namespace liveview
