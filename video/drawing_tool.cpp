// The renderer's drawing tools: a rule's drawing button puts a tool out for
// its key, the next press on the video starts a new shape (ClickDrawing
// decides its points), the shape shows while it grows and replaces the old
// one when it is finished; Escape puts the old one back.

#include <algorithm>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "show_ai_config.h"

namespace vexo {

namespace {

GeoPoint ToGeo(QPoint p) {
    return {p.x(), p.y()};
}

int RegionKindOf(const PolygonRecord& polygon) {
    return polygon.shapeKind == kShapePolygon ? 1 : (polygon.shapeKind == kShapeRectangle ? 10 : 0);
}

int32_t LineKindOf(ShapeForm form) {
    return form == ShapeForm::DirectedWire ? kLineDirectedWire
           : form == ShapeForm::Segment    ? kLineSegment
                                           : kLineWire;
}

// Arrows of a line whose ends may still coincide (the first click of a
// line): they sit on the start until the line has a length.
void PlaceArrows(LineRecord& line) {
    if (line.start == line.end) {
        std::fill(std::begin(line.arrowA), std::end(line.arrowA), line.start);
        std::fill(std::begin(line.arrowB), std::end(line.arrowB), line.start);
        return;
    }
    geometry::ComputeArrows(line);
}

}  // namespace

void CShowAIConfig::SetEditable(const QString& key, uint8_t editable) {
    if (const auto it = polygons_.find(key); it != polygons_.end()) {
        it->second.editable = editable;
    }
    if (const auto it = lines_.find(key); it != lines_.end()) {
        it->second.editable = editable;
    }
    if (const auto it = points_.find(key); it != points_.end()) {
        it->second.editable = editable;
    }
}

CShowAIConfig::KeyShape CShowAIConfig::TakeShape(const QString& key) {
    std::lock_guard lock(clickMutex_);
    KeyShape shape;
    if (const auto it = polygons_.find(key); it != polygons_.end()) {
        shape.polygon = it->second;
        polygons_.erase(it);
    }
    if (const auto it = lines_.find(key); it != lines_.end()) {
        shape.line = it->second;
        lines_.erase(it);
    }
    if (const auto it = points_.find(key); it != points_.end()) {
        shape.point = it->second;
        points_.erase(it);
    }
    if (const auto it = outlines_.find(key); it != outlines_.end()) {
        shape.outline = it->second;
        outlines_.erase(it);
    }
    shape.emptied = emptied_.erase(key) != 0;
    if (const auto it = items_.find(key); it != items_.end()) {
        overlay::DeleteItems(port_, it->second);
        items_.erase(it);
    }
    if (clickKey_ == key) {
        clickKey_.clear();
        drawing_ = 0;
        firstClickRestarts_ = 1;
    }
    return shape;
}

void CShowAIConfig::PutShape(const QString& key, const KeyShape& shape) {
    if (shape.polygon) {
        polygons_[key] = *shape.polygon;
        overlay::AddPolygonItems(port_, RegionKindOf(*shape.polygon), *shape.polygon, items_[key]);
    }
    if (shape.line) {
        lines_[key] = *shape.line;
        overlay::AddLineItems(port_, *shape.line, items_[key]);
    }
    if (shape.point) {
        points_[key] = *shape.point;
        overlay::AddPointItems(port_, *shape.point, items_[key]);
    }
    if (shape.outline) {
        DrawOutline(port_, key, shape.outline->first, shape.outline->second);
    }
    if (shape.emptied) {
        emptied_.insert(key);
    }
    Redraw(key);
}

void CShowAIConfig::StartTool(int32_t port, const QString& key, ShapeForm form,
                              DrawGesture gesture) {
    StopTool();
    port_ = port;
    Tool tool;
    tool.key = key;
    tool.form = form;
    tool.gesture = gesture;
    tool.drawing = ClickDrawing(gesture);
    for (const auto& [other, record] : polygons_) {
        tool.editable[other] = record.editable;
    }
    for (const auto& [other, record] : lines_) {
        tool.editable[other] = record.editable;
    }
    for (const auto& [other, record] : points_) {
        tool.editable[other] = record.editable;
    }
    tool_ = std::move(tool);
    for (const auto& [other, editable] : tool_->editable) {
        SetEditable(other, other == key ? 1 : 0);
    }
}

void CShowAIConfig::StopTool() {
    if (!tool_) {
        return;
    }
    CompleteDrawing();
    const std::map<QString, uint8_t> editable = std::move(tool_->editable);
    tool_.reset();
    for (const auto& [key, flag] : editable) {
        SetEditable(key, flag);
    }
}

void CShowAIConfig::CompleteDrawing() {
    if (!ToolDrawing()) {
        return;
    }
    if (tool_->drawing.Close()) {
        ShowDrawing();
        FinishTool();
    } else {
        CancelDrawing();
    }
}

bool CShowAIConfig::CancelDrawing() {
    if (!ToolDrawing()) {
        return false;
    }
    const QString key = tool_->key;
    const KeyShape before = std::move(tool_->before);
    TakeShape(key);
    PutShape(key, before);
    SetEditable(key, 1);
    tool_->before = {};
    tool_->drawing = ClickDrawing(tool_->gesture);
    return true;
}

void CShowAIConfig::EmptyShape(int32_t port, const QString& key) {
    port_ = port;
    if (tool_ && tool_->key == key) {
        // A drawing in progress goes with the shape it was to replace.
        tool_->before = {};
        tool_->drawing = ClickDrawing(tool_->gesture);
        tool_->armed = true;
    }
    TakeShape(key);
    emptied_.insert(key);
    NotifyShape(key);
}

bool CShowAIConfig::SetArrows(const QString& key, bool arrowA, bool arrowB) {
    const auto it = lines_.find(key);
    if (it == lines_.end() || it->second.lineKind == kLineSegment) {
        return false;
    }
    LineRecord& line = it->second;
    line.arrowAVisible = arrowA ? 1 : 0;
    line.arrowBVisible = arrowB ? 1 : 0;
    // The click rule's digits: 1 only arrow A, 2 only arrow B.
    line.direction = arrowA && arrowB ? 0 : (arrowA ? 1 : 2);
    PlaceArrows(line);
    Redraw(key);
    return true;
}

void CShowAIConfig::SetShapeListener(const void* owner,
                                     std::function<void(const QString&)> listener) {
    listenerOwner_ = owner;
    listener_ = std::move(listener);
}

void CShowAIConfig::RemoveShapeListener(const void* owner) {
    if (listenerOwner_ == owner) {
        listenerOwner_ = nullptr;
        listener_ = nullptr;
    }
}

void CShowAIConfig::NotifyShape(const QString& key) {
    if (listener_) {
        // A copy: the listener may replace itself.
        const auto listener = listener_;
        listener(key);
    }
}

bool CShowAIConfig::ToolPress(QPoint point, const QRect& view) {
    Tool& tool = *tool_;
    if (!tool.armed) {
        return false;  // the finished shape is edited like any other
    }
    if (tool.drawing.Started()) {
        ToolStep(tool.drawing.Press(ToGeo(point)));
        return true;
    }
    // Before the first point, the key's own handles and a wire's arrows
    // still adjust the shape there is.
    PressTarget target = FindPressTarget(point, view);
    if (target.key == tool.key && (target.rank == kRankHandle || target.arrowOf != nullptr)) {
        TrackOrTurn(target, point);
        return true;
    }
    ClickDrawing started = tool.drawing;
    const ClickDrawing::Step step = started.Press(ToGeo(point));
    if (step == ClickDrawing::Step::Ignored) {
        return true;
    }
    tool.before = TakeShape(tool.key);
    tool.drawing = started;
    ToolStep(step);
    return true;
}

void CShowAIConfig::OnButtonUp(uint32_t, QPoint point, const QRect&) {
    if (ToolDrawing()) {
        ToolStep(tool_->drawing.Release(ToGeo(point)));
    }
}

void CShowAIConfig::OnDoubleClick(uint32_t, QPoint point, const QRect& view) {
    if (!tool_ || !tool_->armed) {
        return;  // the first press of the double click did all there is
    }
    if (tool_->drawing.Started()) {
        ToolStep(tool_->drawing.DoubleClick(ToGeo(point)));
    } else {
        ToolPress(point, view);
    }
}

void CShowAIConfig::ToolStep(ClickDrawing::Step step) {
    if (step == ClickDrawing::Step::Ignored) {
        return;
    }
    ShowDrawing();
    if (step == ClickDrawing::Step::Finished) {
        FinishTool();
    }
}

void CShowAIConfig::ShowDrawing() {
    Tool& tool = *tool_;
    const QString& key = tool.key;
    const std::vector<GeoPoint>& points = tool.drawing.Points();
    if (points.empty()) {
        // A rectangle's press released without a drag: the old shape is
        // back until a real drag starts.
        const KeyShape before = std::move(tool_->before);
        tool_->before = {};
        TakeShape(key);
        PutShape(key, before);
        SetEditable(key, 1);
        return;
    }
    ItemList& items = items_[key];
    switch (tool.form) {
        case ShapeForm::Region:
        case ShapeForm::Rectangle: {
            const bool fresh = polygons_.count(key) == 0;
            PolygonRecord& polygon = polygons_[key];
            polygon.count =
                static_cast<int32_t>(std::min<size_t>(points.size(), kMaxPolygonPoints));
            std::copy(points.begin(), points.begin() + polygon.count, polygon.points);
            if (polygon.count < kMaxPolygonPoints) {
                polygon.points[kMaxPolygonPoints - 1] = polygon.points[0];
            }
            polygon.valid = 1;
            polygon.shapeKind = tool.form == ShapeForm::Rectangle ? kShapeRectangle : kShapePolygon;
            if (fresh) {
                overlay::AddPolygonItems(port_, RegionKindOf(polygon), polygon, items);
            }
            overlay::PolygonState state;
            state.drawing = tool.gesture == DrawGesture::Polygon && !tool.drawing.Finished();
            state.cursor = tool.drawing.Cursor();
            state.showStartMarker = state.drawing && polygon.count >= 3;
            overlay::RedrawPolygon(port_, items, polygon, state);
            return;
        }
        case ShapeForm::Wire:
        case ShapeForm::DirectedWire:
        case ShapeForm::Segment: {
            const bool fresh = lines_.count(key) == 0;
            LineRecord& line = lines_[key];
            if (fresh) {
                line.valid = 1;
                line.flag = 1;
                line.lineKind = LineKindOf(tool.form);
                line.box = videoRect_;
                // A new wire keeps the old one's band and arrows: they stand
                // for the rule's margin and direction.
                const bool wire = line.lineKind != kLineSegment;
                const bool directed = line.lineKind == kLineDirectedWire;
                line.arrowAVisible = wire ? 1 : 0;
                line.arrowBVisible = wire && !directed ? 1 : 0;
                line.direction = directed ? 1 : 0;
                if (tool.before.line && wire) {
                    line.margin = tool.before.line->margin;
                    line.arrowAVisible = tool.before.line->arrowAVisible;
                    line.arrowBVisible = tool.before.line->arrowBVisible;
                    line.direction = tool.before.line->direction;
                }
            }
            line.start = points[0];
            line.end = points.size() > 1 ? points[1] : points[0];
            PlaceArrows(line);
            geometry::ComputeBand(line, line.box.height());
            if (fresh) {
                overlay::AddLineItems(port_, line, items);
            } else {
                overlay::RedrawLine(port_, items, line);
            }
            return;
        }
        case ShapeForm::Point: {
            const bool fresh = points_.count(key) == 0;
            PointRecord& record = points_[key];
            record.point = points[0];
            record.valid = 1;
            record.editable = 1;
            record.kind = kPointKind;
            if (fresh) {
                overlay::AddPointItems(port_, record, items);
            } else {
                overlay::RedrawPoint(port_, items, record);
            }
            return;
        }
    }
}

void CShowAIConfig::FinishTool() {
    Tool& tool = *tool_;
    const QString key = tool.key;
    SetEditable(key, 1);
    Redraw(key);  // closed, without the cursor
    tool.armed = false;
    tool.before = {};
    tool.drawing = ClickDrawing(tool.gesture);
    lastDrawingKey_ = key;
    NotifyShape(key);
}

}  // namespace vexo
