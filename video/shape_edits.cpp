// The renderer's side of undo and exact input: a key's whole shape taken
// and put back, the shape the operator works on, and moving its points by
// number rather than by mouse.

#include <algorithm>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "shape_trackers.h"
#include "show_ai_config.h"

namespace vexo {

namespace {

bool SamePolygon(const PolygonRecord& a, const PolygonRecord& b) {
    if (a.count != b.count || a.shapeKind != b.shapeKind || a.valid != b.valid ||
        a.label != b.label) {
        return false;
    }
    return std::equal(a.points, a.points + kMaxPolygonPoints, b.points);
}

bool SameLine(const LineRecord& a, const LineRecord& b) {
    return a.start == b.start && a.end == b.end && a.direction == b.direction &&
           a.arrowAVisible == b.arrowAVisible && a.arrowBVisible == b.arrowBVisible &&
           a.margin == b.margin && a.lineKind == b.lineKind && a.valid == b.valid;
}

template <typename T, typename Same>
bool SameOptional(const std::optional<T>& a, const std::optional<T>& b, Same same) {
    return a.has_value() == b.has_value() && (!a || same(*a, *b));
}

}  // namespace

void CShowAIConfig::KeepAsDrawn(const QString& key) {
    asDrawn_[key] = ShapePoints(key);
}

bool CShowAIConfig::IsAsDrawn(const QString& key) const {
    const auto it = asDrawn_.find(key);
    return it != asDrawn_.end() && it->second == ShapePoints(key);
}

bool SameShape(const ShapeSnapshot& a, const ShapeSnapshot& b) {
    return a.emptied == b.emptied && SameOptional(a.polygon, b.polygon, SamePolygon) &&
           SameOptional(a.line, b.line, SameLine) &&
           SameOptional(a.point, b.point,
                        [](const PointRecord& x, const PointRecord& y) {
                            return x.point == y.point && x.valid == y.valid;
                        }) &&
           a.outline == b.outline;
}

ShapeSnapshot CShowAIConfig::Snapshot(const QString& key) const {
    ShapeSnapshot shape;
    if (const auto* polygon = Polygon(key)) {
        shape.polygon = *polygon;
    }
    if (const auto* line = Line(key)) {
        shape.line = *line;
    }
    if (const auto* point = Point(key)) {
        shape.point = *point;
    }
    if (const auto it = outlines_.find(key); it != outlines_.end()) {
        shape.outline = it->second;
    }
    shape.emptied = IsEmptied(key);
    return shape;
}

void CShowAIConfig::Restore(const QString& key, const ShapeSnapshot& shape) {
    // Whether the operator may edit the key, and whether it is selected,
    // belong to the moment, not to the step being undone.
    ShapeSnapshot restored = shape;
    const ShapeSnapshot now = Snapshot(key);
    auto keepFlags = [](auto& target, const auto& current) {
        if (target && current) {
            target->editable = current->editable;
            target->selected = current->selected;
        }
    };
    keepFlags(restored.polygon, now.polygon);
    keepFlags(restored.line, now.line);
    keepFlags(restored.point, now.point);
    TakeShape(key);
    PutShape(key, restored);
    if (selectedKey_ == key && selectedPoint_ >= static_cast<int>(ShapePoints(key).size())) {
        selectedPoint_ = -1;
    }
    NotifyView();
}

void CShowAIConfig::SelectShape(const QString& key, int point) {
    selectedKey_ = key;
    selectedPoint_ = key.isEmpty() ? -1 : point;
    auto apply = [&](auto& map) {
        for (auto& [other, record] : map) {
            const uint8_t selected = other == key ? 1 : 0;
            if (record.selected != selected) {
                record.selected = selected;
                Redraw(other);
            }
        }
    };
    apply(polygons_);
    apply(lines_);
    apply(points_);
    NotifyView();
}

std::vector<GeoPoint> CShowAIConfig::ShapePoints(const QString& key) const {
    if (const auto* polygon = Polygon(key)) {
        const int count = std::clamp(polygon->count, 0, kMaxPolygonPoints);
        return {polygon->points, polygon->points + count};
    }
    if (const auto* line = Line(key)) {
        return {line->start, line->end};
    }
    if (const auto* point = Point(key)) {
        return {point->point};
    }
    return {};
}

int CShowAIConfig::HandleOfPoint(const QString& key, int index) const {
    if (const auto* polygon = Polygon(key)) {
        const int corners = polygon->shapeKind == kShapeRectangle
                                ? 4
                                : std::clamp(polygon->count, 0, kMaxPolygonPoints);
        return index >= 0 && index < corners ? index : corners;
    }
    if (Line(key) != nullptr) {
        return index == 0 ? 1 : (index == 1 ? 2 : 3);
    }
    return 1;  // a point has one handle
}

bool CShowAIConfig::MoveShapePoint(const QString& key, int index, GeoPoint to) {
    const std::vector<GeoPoint> points = ShapePoints(key);
    if (points.empty() || index >= static_cast<int>(points.size())) {
        return false;
    }
    const ShapeSnapshot before = Snapshot(key);
    auto tracker = MakeTracker(key, QRect(QPoint(0, 0), videoRect_.size()));
    if (!tracker) {
        return false;
    }
    // Typed input edits a shape whether or not its drawing button is out.
    PolygonRecord* polygon = polygons_.count(key) ? &polygons_[key] : nullptr;
    const uint8_t editable = polygon ? polygon->editable : 0;
    if (polygon) {
        polygon->editable = 1;
    }
    tracker->MoveHandleTo(HandleOfPoint(key, index), to.x, to.y);
    if (polygon) {
        polygon->editable = editable;
    }
    if (SameShape(before, Snapshot(key))) {
        return false;
    }
    NotifyShape(key);
    NotifyView();
    return true;
}

bool CShowAIConfig::NudgeSelection(int dx, int dy) {
    const std::vector<GeoPoint> points = ShapePoints(selectedKey_);
    if (points.empty()) {
        return false;
    }
    const int index = selectedPoint_ < static_cast<int>(points.size()) ? selectedPoint_ : -1;
    const GeoPoint from = points[static_cast<size_t>(std::max(index, 0))];
    return MoveShapePoint(selectedKey_, index, {AddClamped(from.x, dx), AddClamped(from.y, dy)});
}

void CShowAIConfig::AddViewListener(const void* owner, std::function<void()> listener) {
    RemoveViewListener(owner);
    viewListeners_.emplace_back(owner, std::move(listener));
}

void CShowAIConfig::RemoveViewListener(const void* owner) {
    std::erase_if(viewListeners_, [owner](const auto& entry) { return entry.first == owner; });
}

void CShowAIConfig::NotifyView() {
    // A copy: a listener may add or remove listeners.
    const auto listeners = viewListeners_;
    for (const auto& [owner, listener] : listeners) {
        listener();
    }
}

}  // namespace vexo
