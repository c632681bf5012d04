#include "show_ai_config.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "shape_hit.h"
#include "shape_trackers.h"
#include "vexoplay.h"

namespace vexo {

namespace {

constexpr int kTrackerHandleSize = 20;
constexpr int kStartSnapSize = 18;

template <typename Map>
auto* FindIn(Map& map, const QString& key) {
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

GeoPoint ToGeo(QPoint p) {
    return {p.x(), p.y()};
}

// The mean of a polygon's set points; nested regions are told apart by it.
GeoPoint Centre(const PolygonRecord& polygon) {
    const int count = std::clamp(polygon.count, 0, kMaxPolygonPoints);
    if (count == 0) {
        return {};
    }
    double cx = 0;
    double cy = 0;
    for (int i = 0; i < count; ++i) {
        cx += polygon.points[i].x;
        cy += polygon.points[i].y;
    }
    return {static_cast<int32_t>(std::lround(cx / count)),
            static_cast<int32_t>(std::lround(cy / count))};
}

}  // namespace

bool CShowAIConfig::Draw(int32_t port, int32_t type, int16_t number, int32_t kind,
                         const QString& text, const QString& key) {
    switch (type) {
        case 1:
            return DrawRegion(port, number, kind, text, key);
        case 2:
        case 3:
            return DrawLine(port, number, type, text, key);
        case 5:
            return DrawPoint(port, key, text);
        default:
            return false;
    }
}

bool CShowAIConfig::DrawRegion(int32_t port, int16_t number, int32_t kind, const QString& text,
                               const QString& key) {
    port_ = port;
    PolygonRecord record;
    if (!geometry::ParsePolygonText(text, record)) {
        if (text == QLatin1String("clear")) {
            ClearPolygon(key);
            return true;
        }
        return false;
    }
    if (record.count >= 3 && record.count < kMaxPolygonPoints) {
        record.editable = 1;
        record.points[kMaxPolygonPoints - 1] = record.points[0];
    }
    record.label = number;
    record.shapeKind = kind == 1 ? kShapePolygon : (kind == 10 ? kShapeRectangle : 0);
    polygons_[key] = record;
    emptied_.erase(key);
    overlay::AddPolygonItems(port_, kind, record, items_[key]);
    return true;
}

void CShowAIConfig::ClearPolygon(const QString& key) {
    std::lock_guard lock(clickMutex_);
    PolygonRecord& record = polygons_[key];
    record.count = 1;
    for (int i = 0; i < kMaxPolygonPoints - 1; ++i) {
        record.points[i] = {};
    }
    record.valid = 1;
    record.editable = 1;
    record.shapeKind = kShapePolygon;
    drawing_ = 0;
    firstClickRestarts_ = 1;
    appendPoints_ = -1;
    ItemList& items = items_[key];
    overlay::DeleteItems(port_, items);
    // The cleared key gets the items of an empty polygon, so the outline
    // shows while the operator clicks its points.
    overlay::AddPolygonItems(port_, 1, record, items);
    clickKey_ = key;
    Redraw(key);
}

bool CShowAIConfig::DrawLine(int32_t port, int16_t, int32_t type, const QString& text,
                             const QString& key) {
    port_ = port;
    LineRecord line;
    if (!geometry::ParseLineText(text, line)) {
        return false;
    }
    line.editable = 0;
    line.valid = 1;
    line.lineKind = type == 2 ? kLineWire : kLineDirectedWire;
    geometry::ComputeArrows(line);
    geometry::ComputeBand(line, line.box.height());
    lines_[key] = line;
    emptied_.erase(key);
    overlay::AddLineItems(port_, line, items_[key]);
    return true;
}

bool CShowAIConfig::DrawSegment(int32_t port, const QString& key, const QString& text) {
    port_ = port;
    LineRecord line;
    if (!geometry::ParseLineText(text, line)) {
        return false;
    }
    line.valid = 1;
    line.lineKind = kLineSegment;
    line.arrowAVisible = 0;
    line.arrowBVisible = 0;
    line.direction = 0;
    geometry::ComputeBand(line, 0);
    lines_[key] = line;
    emptied_.erase(key);
    overlay::AddLineItems(port_, line, items_[key]);
    return true;
}

bool CShowAIConfig::DrawOutline(int32_t port, const QString& key,
                                const std::vector<GeoPoint>& points, bool closed) {
    port_ = port;
    if (points.size() < 2) {
        return false;
    }
    outlines_[key] = {points, closed};
    emptied_.erase(key);
    std::vector<int32_t> flat;
    for (const GeoPoint& p : points) {
        flat.push_back(p.x);
        flat.push_back(p.y);
    }
    if (closed) {
        flat.push_back(points.front().x);
        flat.push_back(points.front().y);
    }
    MultLineDesc desc{};
    desc.points = flat.data();
    desc.pointCount = static_cast<int32_t>(flat.size() / 2);
    desc.colour = overlay::kGreen;
    desc.lineWidth = 2;
    items_[key].push_back({VEXOPLAY_AddDrawMultLine(port_, &desc), kItemMultLine});
    return true;
}

bool CShowAIConfig::DrawPoint(int32_t port, const QString& key, const QString& text) {
    port_ = port;
    PointRecord record;
    if (!geometry::ParsePointText(text, record)) {
        return false;
    }
    record.editable = 1;
    record.valid = 1;
    record.kind = kPointKind;
    points_[key] = record;
    emptied_.erase(key);
    overlay::AddPointItems(port_, record, items_[key]);
    return true;
}

QString CShowAIConfig::GetGeometryText(const QString& key) const {
    if (const auto* polygon = Polygon(key)) {
        return geometry::PolygonText(*polygon);
    }
    if (const auto* line = Line(key)) {
        return geometry::LineText(*line);
    }
    if (const auto* point = Point(key)) {
        return geometry::PointText(*point);
    }
    return {};
}

bool CShowAIConfig::DeleteOverlay(const QString& key, bool keep) {
    if (keep) {
        if (auto* polygon = FindIn(polygons_, key)) {
            polygon->editable = 1;
        }
        if (auto* line = FindIn(lines_, key)) {
            line->editable = 1;
        }
        if (auto* point = FindIn(points_, key)) {
            point->editable = 1;
        }
        return true;
    }
    if (tool_ && tool_->key == key) {
        // The shape goes away with its tool; the other keys take input again.
        for (const auto& [other, editable] : tool_->editable) {
            if (other != key) {
                SetEditable(other, editable);
            }
        }
        tool_.reset();
    }
    std::lock_guard lock(clickMutex_);
    polygons_.erase(key);
    lines_.erase(key);
    points_.erase(key);
    outlines_.erase(key);
    emptied_.erase(key);
    asDrawn_.erase(key);
    if (auto* items = FindIn(items_, key)) {
        overlay::DeleteItems(port_, *items);
        items_.erase(key);
    }
    if (clickKey_ == key) {
        clickKey_.clear();
        drawing_ = 0;
        firstClickRestarts_ = 1;
    }
    if (selectedKey_ == key) {
        selectedKey_.clear();
        selectedPoint_ = -1;
        NotifyView();
    }
    return true;
}

bool CShowAIConfig::EndDrawing(const QString&) {
    std::lock_guard lock(clickMutex_);
    if (drawing_ == 0) {
        return false;
    }
    FinishClickDrawingLocked();
    return true;
}

void CShowAIConfig::FinishClickDrawingLocked() {
    appendPoints_ = 0;
    const QString key = clickKey_;
    int32_t count = 0;
    if (auto* polygon = FindIn(polygons_, key)) {
        if (polygon->count < kMaxPolygonPoints) {
            polygon->points[kMaxPolygonPoints - 1] = polygon->points[0];
        }
        count = polygon->count;
    }
    payload_[0] = count;
    if (!window_.isNull()) {
        QCoreApplication::postEvent(window_.data(),
                                    new CDrawingEndedEvent(key, payload_[0], payload_[1]));
    }
    firstClickRestarts_ = 1;
    drawing_ = 0;
    payload_[0] = 0;
    payload_[1] = -1;
    appendPoints_ = -1;
    clickKey_.clear();
    Redraw(key);
    lastDrawingKey_ = key;
}

bool CShowAIConfig::SetLineMargin(const QString& key, float margin) {
    LineRecord* line = FindIn(lines_, key);
    if (line == nullptr) {
        return false;
    }
    line->margin = margin;
    geometry::ComputeBand(*line, line->box.height());
    Redraw(key);
    return true;
}

bool CShowAIConfig::SetLineFlag(const QString& key, uint8_t flag) {
    LineRecord* line = FindIn(lines_, key);
    if (line != nullptr) {
        line->flag = flag;
    }
    return line != nullptr;
}

bool CShowAIConfig::SetLineBox(const QString& key, const QRect& box) {
    LineRecord* line = FindIn(lines_, key);
    if (line != nullptr) {
        line->box = box;
    }
    return line != nullptr;
}

void CShowAIConfig::Rescale(const QRect& oldRect, const QRect& newRect) {
    // A drawing in progress was made in the old pixels: it is given up.
    CancelDrawing();
    videoRect_ = newRect;
    const bool degenerate = oldRect.width() == 0 || oldRect.height() == 0;
    auto scale = [&](GeoPoint& p) {
        p = degenerate
                ? GeoPoint{}
                : GeoPoint{geometry::RescaleCoordinate(p.x, oldRect.width(), newRect.width()),
                           geometry::RescaleCoordinate(p.y, oldRect.height(), newRect.height())};
    };
    for (auto& [key, polygon] : polygons_) {
        for (GeoPoint& p : polygon.points) {
            scale(p);
        }
    }
    for (auto& [key, outline] : outlines_) {
        for (GeoPoint& p : outline.first) {
            scale(p);
        }
    }
    for (auto& [key, line] : lines_) {
        scale(line.start);
        scale(line.end);
        for (GeoPoint& p : line.arrowA) {
            scale(p);
        }
        for (GeoPoint& p : line.arrowB) {
            scale(p);
        }
    }
    for (auto& [key, points] : asDrawn_) {
        if (!FindIn(points_, key)) {  // cross-hair points are not rescaled
            std::for_each(points.begin(), points.end(), scale);
        }
    }
    for (const auto& [key, items] : items_) {
        Redraw(key);
    }
}

void CShowAIConfig::Redraw(const QString& key) {
    const ItemList* items = Items(key);
    if (items == nullptr) {
        return;
    }
    if (const auto* polygon = Polygon(key)) {
        overlay::PolygonState state;
        state.drawing = drawing_ != 0 && key == clickKey_;
        state.cursor = cursor_;
        state.showStartMarker = state.drawing;
        overlay::RedrawPolygon(port_, *items, *polygon, state);
    } else if (const auto* line = Line(key)) {
        overlay::RedrawLine(port_, *items, *line);
    } else if (const auto* point = Point(key)) {
        overlay::RedrawPoint(port_, *items, *point);
    } else if (const auto* outline = Outline(key); outline && !items->empty()) {
        std::vector<int32_t> flat;
        for (const GeoPoint& p : *outline) {
            flat.push_back(p.x);
            flat.push_back(p.y);
        }
        if (outlines_.at(key).second) {
            flat.push_back(outline->front().x);
            flat.push_back(outline->front().y);
        }
        MultLineDesc desc{};
        desc.points = flat.data();
        desc.pointCount = static_cast<int32_t>(flat.size() / 2);
        desc.colour = overlay::kGreen;
        desc.lineWidth = 2;
        VEXOPLAY_EditDrawMultLine(port_, items->front().id, &desc);
    }
}

bool CShowAIConfig::OnButtonDown(uint32_t, QPoint point, const QRect& view) {
    if (tool_ && ToolPress(point, view)) {
        return true;
    }
    {
        std::lock_guard lock(clickMutex_);
        if (!clickKey_.isEmpty() && ClickDraw(point)) {
            return true;
        }
    }
    PressTarget target = FindPressTarget(point, view);
    if (target.tracker || target.arrowOf != nullptr) {
        TrackOrTurn(target, point);
        return true;
    }
    if (!tool_) {
        Select(point);  // with a tool out, the other shapes take no input
    }
    return true;
}

void CShowAIConfig::TrackOrTurn(PressTarget& target, QPoint point) {
    // The pressed shape becomes the one the operator works on, and the
    // pressed handle its point (a press inside it: the whole shape).
    int selected = -1;
    if (target.tracker) {
        const auto points = ShapePoints(target.key);
        for (int i = 0; i < static_cast<int>(points.size()); ++i) {
            if (HandleOfPoint(target.key, i) == target.handle) {
                selected = i;
            }
        }
        if (Point(target.key) != nullptr) {
            selected = 0;
        }
    }
    SelectShape(target.key, selected);
    if (target.tracker) {
        appendPoints_ = target.handle;
        const ShapeSnapshot before = Snapshot(target.key);
        target.tracker->Track(window_.data(), point);
        if (!SameShape(before, Snapshot(target.key))) {
            NotifyShape(target.key);
            NotifyView();
        }
        return;
    }
    if (target.arrowOf != nullptr) {
        ToggleArrow(*target.arrowOf, point);
        Redraw(target.key);
        NotifyShape(target.key);
        NotifyView();
    }
}

std::unique_ptr<CShapeTracker> CShowAIConfig::MakeTracker(const QString& key, const QRect& view) {
    const double scaleX = view.width() > 0 ? double(videoRect_.width()) / view.width() : 1.0;
    const double scaleY = view.height() > 0 ? double(videoRect_.height()) / view.height() : 1.0;
    std::unique_ptr<CShapeTracker> tracker;
    if (PolygonRecord* polygon = FindIn(polygons_, key)) {
        if (polygon->shapeKind == kShapeRectangle) {
            tracker = std::make_unique<CRectShapeTracker>(port_, items_[key], polygon);
        } else {
            tracker = std::make_unique<CRegionShapeTracker>(port_, items_[key], polygon);
        }
        tracker->SetHandleSize(kTrackerHandleSize);
    } else if (LineRecord* line = FindIn(lines_, key)) {
        tracker = std::make_unique<CWireShapeTracker>(port_, items_[key], line);
        tracker->SetHandleSize(kTrackerHandleSize);
        if (line->bandSizeFlag == 0 && line->margin != 0.0f) {
            tracker->SetHandleSize(static_cast<int>(videoRect_.height() * line->margin / 2));
        }
        // The band follows the view's height, as the operator sees it.
        LineRecord banded = *line;
        geometry::ComputeBand(banded, view.height());
        tracker->SetBand(banded.band);
    } else if (PointRecord* record = FindIn(points_, key)) {
        tracker = std::make_unique<CPointShapeTracker>(port_, items_[key], record);
        tracker->SetHandleSize(kTrackerHandleSize);
    } else {
        return nullptr;
    }
    tracker->SetScale(scaleX, scaleY);
    // Records, press points and bounds are all in video pixels (origin at
    // the video rectangle's top-left); the tracker takes the window's mouse
    // positions into that space with the rectangle's origin.
    tracker->SetBounds(QRect(QPoint(0, 0), videoRect_.size()));
    tracker->SetOrigin(videoRect_.topLeft());
    return tracker;
}

CShowAIConfig::PressTarget CShowAIConfig::FindPressTarget(QPoint point, const QRect& view) {
    const GeoPoint p = ToGeo(point);
    const bool canTrack = !window_.isNull();
    PressTarget best;
    // Keeps the candidate when it ranks before the best so far: handles
    // before edges before interiors, then the nearest; equal candidates
    // keep the first in key order.
    auto offer = [&](PressTarget candidate) {
        if (candidate.rank < best.rank ||
            (candidate.rank == best.rank && candidate.distance < best.distance)) {
            best = std::move(candidate);
        }
    };
    auto candidateAt = [&](const QString& key, int rank, double distance) {
        PressTarget target;
        target.key = key;
        target.rank = rank;
        target.distance = distance;
        return target;
    };
    auto distanceTo = [&](GeoPoint q) { return std::hypot(double(q.x) - p.x, double(q.y) - p.y); };
    if (canTrack) {
        for (auto& [key, polygon] : polygons_) {
            if (polygon.editable == 0) {
                continue;
            }
            auto tracker = MakeTracker(key, view);
            const int handle = tracker->HitTest(point);
            if (handle < 0) {
                continue;
            }
            const int corners = polygon.shapeKind == kShapeRectangle
                                    ? 4
                                    : std::clamp(polygon.count, 0, kMaxPolygonPoints);
            PressTarget target =
                handle < corners ? candidateAt(key, kRankHandle, distanceTo(polygon.points[handle]))
                                 : candidateAt(key, kRankInterior, distanceTo(Centre(polygon)));
            target.handle = handle;
            target.tracker = std::move(tracker);
            offer(std::move(target));
        }
    }
    for (auto& [key, line] : lines_) {
        if (line.editable == 0) {
            continue;
        }
        const double toLine = hit::DistanceToSegment(p, line.start, line.end);
        // An arrow is a small target drawn on its wire: it ranks as an edge,
        // and before the wire's body and band around it, which would
        // otherwise take every press on an arrow close to the line.
        const bool onArrow =
            line.lineKind != kLineSegment &&
            (hit::PointInPolygon(p, line.arrowA, 3) || hit::PointInPolygon(p, line.arrowB, 3));
        if (canTrack) {
            auto tracker = MakeTracker(key, view);
            const int handle = tracker->HitTest(point);
            if (handle == 1 || handle == 2 || (handle >= 0 && !onArrow)) {
                PressTarget target =
                    handle == 1   ? candidateAt(key, kRankHandle, distanceTo(line.start))
                    : handle == 2 ? candidateAt(key, kRankHandle, distanceTo(line.end))
                    : handle == 3 ? candidateAt(key, kRankEdge, toLine)
                                  : candidateAt(key, kRankInterior, toLine);
                target.handle = handle;
                target.tracker = std::move(tracker);
                offer(std::move(target));
                continue;
            }
        }
        if (onArrow) {
            PressTarget target = candidateAt(key, kRankEdge, toLine);
            target.arrowOf = &line;
            offer(std::move(target));
        }
    }
    if (canTrack) {
        for (auto& [key, record] : points_) {
            // A point takes only presses on its handle: it has no body.
            if (record.editable == 0 || !hit::OnHandle(record.point, p, kTrackerHandleSize)) {
                continue;
            }
            PressTarget target = candidateAt(key, kRankHandle, distanceTo(record.point));
            target.tracker = MakeTracker(key, view);
            target.handle = target.tracker->HitTest(point);
            offer(std::move(target));
        }
    }
    return best;
}

bool CShowAIConfig::ClickDraw(QPoint point) {
    if (LineRecord* line = FindIn(lines_, clickKey_)) {
        if (drawing_ == 0) {
            line->start = line->end = ToGeo(point);
            drawing_ = 1;
            Redraw(clickKey_);
        } else {
            line->end = ToGeo(point);
            geometry::ComputeArrows(*line);
            FinishClickDrawingLocked();
        }
        return true;
    }
    PolygonRecord* polygon = FindIn(polygons_, clickKey_);
    if (polygon == nullptr) {
        return false;
    }
    if (firstClickRestarts_ != 0) {
        firstClickRestarts_ = 0;
        polygon->count = 0;
    }
    const GeoPoint p = ToGeo(point);
    cursor_ = p;
    if (drawing_ == 0) {
        polygon->points[0] = p;
        polygon->points[kMaxPolygonPoints - 1] = p;
        polygon->count = 1;
        drawing_ = 1;
    } else if (polygon->count >= 3 && hit::OnHandle(polygon->points[0], p, kStartSnapSize)) {
        // A click on the start point closes the shape.
        FinishClickDrawingLocked();
        return true;
    } else if (appendPoints_ != 0 && polygon->count < kMaxPolygonPoints) {
        polygon->points[polygon->count++] = p;
        if (polygon->count < kMaxPolygonPoints) {
            polygon->points[kMaxPolygonPoints - 1] = polygon->points[0];
        } else {
            FinishClickDrawingLocked();
            return true;
        }
    } else if (appendPoints_ == 0) {
        polygon->points[kMaxPolygonPoints - 1] = polygon->points[0];
    }
    Redraw(clickKey_);
    return true;
}

void CShowAIConfig::OnMouseMove(uint32_t, QPoint point, const QRect&) {
    if (ToolDrawing()) {
        ToolStep(tool_->drawing.Move(ToGeo(point)));
        return;
    }
    std::lock_guard lock(clickMutex_);
    if (drawing_ == 0 || clickKey_.isEmpty()) {
        return;
    }
    GeoPoint p = ToGeo(point);
    if (const auto* polygon = Polygon(clickKey_)) {
        if (hit::OnHandle(polygon->points[0], p, kStartSnapSize)) {
            p = polygon->points[0];
        }
    }
    cursor_ = p;
    Redraw(clickKey_);
}

bool CShowAIConfig::ToggleArrow(LineRecord& line, QPoint point) {
    const GeoPoint p = ToGeo(point);
    const bool inA = hit::PointInPolygon(p, line.arrowA, 3);
    const bool inB = !inA && hit::PointInPolygon(p, line.arrowB, 3);
    if (!inA && !inB) {
        return false;
    }
    uint8_t& mine = inA ? line.arrowAVisible : line.arrowBVisible;
    uint8_t& other = inA ? line.arrowBVisible : line.arrowAVisible;
    mine = mine != 0 ? 0 : 1;
    if (mine == 0) {
        other = 1;
    } else if (line.lineKind == 4) {
        other = 0;  // a directed wire shows one arrow at a time
    }
    // Digits of the click rule: 1 = only arrow A, 2 = only arrow B (the
    // parser reads them the other way round; both conventions are kept).
    line.direction = line.arrowAVisible != 0 && line.arrowBVisible != 0 ? 0
                     : line.arrowAVisible != 0                          ? 1
                                                                        : 2;
    return true;
}

void CShowAIConfig::Select(QPoint point) {
    const GeoPoint p = ToGeo(point);
    QString hitKey;
    for (const auto& [key, line] : lines_) {
        if (line.editable != 0 &&
            (std::lround(hit::DistanceToSegment(p, line.start, line.end)) <= 3 ||
             hit::PointInPolygon(p, line.band, 4))) {
            hitKey = key;
            break;
        }
    }
    if (hitKey.isEmpty()) {
        for (const auto& [key, record] : points_) {
            const GeoPoint& q = record.point;
            if (record.editable != 0 && p.x >= int64_t{q.x} - 5 && p.x <= int64_t{q.x} + 5 &&
                p.y >= int64_t{q.y} - 25 && p.y <= int64_t{q.y} + 25) {
                hitKey = key;
                break;
            }
        }
    }
    if (hitKey.isEmpty()) {
        // Of several polygons under the click, the one whose centre is
        // nearest wins: nested regions stay reachable.
        double best = std::numeric_limits<double>::max();
        for (const auto& [key, polygon] : polygons_) {
            const int count = std::clamp(polygon.count, 0, kMaxPolygonPoints);
            if (!hit::PointInPolygon(p, polygon.points, count)) {
                continue;
            }
            double cx = 0;
            double cy = 0;
            for (int i = 0; i < count; ++i) {
                cx += polygon.points[i].x;
                cy += polygon.points[i].y;
            }
            const double d = std::hypot(cx / count - p.x, cy / count - p.y);
            if (d < best) {
                best = d;
                hitKey = key;
            }
        }
    }
    SelectShape(hitKey, Point(hitKey) != nullptr ? 0 : -1);
}

const PolygonRecord* CShowAIConfig::Polygon(const QString& key) const {
    return FindIn(polygons_, key);
}
const LineRecord* CShowAIConfig::Line(const QString& key) const {
    return FindIn(lines_, key);
}
const PointRecord* CShowAIConfig::Point(const QString& key) const {
    return FindIn(points_, key);
}
const ItemList* CShowAIConfig::Items(const QString& key) const {
    return FindIn(items_, key);
}
const std::vector<GeoPoint>* CShowAIConfig::Outline(const QString& key) const {
    const auto* outline = FindIn(outlines_, key);
    return outline == nullptr ? nullptr : &outline->first;
}

}  // namespace vexo
