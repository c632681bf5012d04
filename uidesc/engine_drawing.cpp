// The engine's drawing rows on the live video: each row's geometry drawn on
// the overlay, the drawing buttons' tools, and a wire's arrows kept in step
// with its rule's direction.

#include "com_str.h"
#include "engine_overlay.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"
#include "ui_helpers.h"

namespace vexo {

namespace {

// The most points a device shape is read with, to be shown whole.
constexpr int kMaxDevicePoints = 4096;

QString ReducedShapeText(int points) {
    const bool chinese = TheComStr().Language() == u"chinese";
    const QString text =
        chinese
            ? QStringLiteral("该图形有%1个点，视频上最多可编辑%2个点：重新绘制后它最多只有%2个点。")
            : QStringLiteral(
                  "This shape has %1 points and the video edits at most %2: drawing "
                  "it anew leaves it at most %2 points.");
    return text.arg(points).arg(kMaxOverlayPoints);
}

int MostPointsOf(int shapeType) {
    switch (shapeType) {
        case kShapeLine:
        case kShapeSegment:
            return 2;
        case kShapePoint:
            return 1;
        default:
            return kMaxOverlayPoints;
    }
}

}  // namespace

void CSmartUiEngine::RegisterShape(const QString& name, const QString& deviceText, int shapeType) {
    Shape& shape = shapes_[name];
    shape = Shape{};
    shape.deviceText = deviceText;
    shape.overlayType = shapeType;
    if (!overlay_ || shapeType == kShapeNone) {
        return;
    }
    ClaimOverlay();
    // The shape is drawn in this panel's video pixels: a later resize of the
    // picture scales it from there.
    if (!videoRect_.isEmpty()) {
        overlay_->SetVideoRect(videoRect_);
    }
    // The overlay is the session's, shared by the pages: whatever another
    // panel left under this name is not this row's shape.
    overlay_->DeleteOverlay(name, false);
    const QString pixels = DevicePixelText(deviceText, shapeType, videoRect_);
    if (!pixels.isEmpty()) {
        if (DrawEngineShape(*overlay_, port_, shapeType, name, pixels, videoRect_)) {
            // Untouched on the video (resized or not), saving it keeps the
            // device's own text.
            overlay_->KeepAsDrawn(name);
        }
        return;
    }
    std::vector<GeoPoint> points;
    const int count = DevicePixelPoints(deviceText, videoRect_, kMaxDevicePoints, points);
    if (count > MostPointsOf(shapeType)) {
        shape.devicePoints = count;
        const bool closed = shapeType != kShapeLine && shapeType != kShapeSegment;
        shape.outlineOnly = overlay_->DrawOutline(port_, name, points, closed);
    }
}

void CSmartUiEngine::ClaimOverlay() {
    if (!overlay_) {
        return;
    }
    // The overlay outlives a page's panel only by accident of order; the
    // token tells the listener whether this engine is still there.
    std::weak_ptr<int> alive = alive_;
    overlay_->SetShapeListener(this, [this, alive](const QString& key) {
        if (!alive.expired()) {
            OnShapeChanged(key);
        }
    });
}

bool CSmartUiEngine::DrawingToolOut() const {
    // The overlay puts a tool away by itself when its video stops.
    return toolOut_ && currentDrawing_ != nullptr && overlay_ &&
           overlay_->ToolKey() == currentDrawing_->Name();
}

void CSmartUiEngine::SwapLook(CAutoBitmapBtn& button) {
    // The button shows whether it is the one in use: normal and disabled
    // images change places.
    ImageSet& set = drawingImages_[&button];
    std::swap(set.normal, set.disabled);
    set.swapped = !set.swapped;
    button.LoadBitmaps(set.normal, set.pressed, set.focused, set.disabled);
}

void CSmartUiEngine::PutToolAway() {
    if (!toolOut_ || currentDrawing_ == nullptr) {
        toolOut_ = false;
        return;
    }
    toolOut_ = false;
    if (ptzGroupCount_ == 0) {
        SwapLook(*currentDrawing_);
    }
    if (overlay_ && overlay_->ToolKey() == currentDrawing_->Name()) {
        overlay_->StopTool();
    }
}

void CSmartUiEngine::StartDrawingTool(CAutoBitmapBtn& button) {
    const auto it = shapes_.find(button.Name());
    if (!overlay_ || it == shapes_.end()) {
        return;
    }
    const auto choice = DrawingToolOf(button.Tool(), it->second.overlayType);
    if (!choice) {
        return;
    }
    Shape& shape = it->second;
    if (shape.outlineOnly && !shape.warned) {
        shape.warned = true;
        ShowMessage(ReducedShapeText(shape.devicePoints), TheComStr()->tips);
    }
    ClaimOverlay();
    overlay_->StartTool(port_, button.Name(), choice->form, choice->gesture);
    toolOut_ = true;
}

void CSmartUiEngine::OnShapeChanged(const QString& key) {
    FollowShape(key);
    CommitStep();  // the shape's change, and the direction that followed it
}

void CSmartUiEngine::FollowShape(const QString& key) {
    const auto it = shapes_.find(key);
    if (!overlay_ || it == shapes_.end() || it->second.overlayType != kShapeLine) {
        return;
    }
    const LineRecord* line = overlay_->Line(key);
    CAutoComboBox* combo = DirectionComboOf(key);
    if (line == nullptr || combo == nullptr) {
        return;
    }
    const QString value =
        DirectionOfArrows({line->arrowAVisible != 0, line->arrowBVisible != 0}, combo->RawValues());
    const int index = static_cast<int>(combo->RawValues().indexOf(value));
    if (index >= 0 && index != combo->GetCurSel()) {
        combo->SetCurSel(index);
        ApplyLinks(combo->Name(), value);
    }
}

CAutoComboBox* CSmartUiEngine::DirectionComboOf(const QString& wire) const {
    QString owner;
    for (const auto& button : bitmapButtons_) {
        if (button->Name() == wire) {
            owner = button->Value().owner;
        }
    }
    int wires = 0;
    for (const auto& [name, shape] : shapes_) {
        if (shape.overlayType != kShapeLine) {
            continue;
        }
        for (const auto& button : bitmapButtons_) {
            if (button->Name() == name && button->Value().owner == owner) {
                ++wires;
                break;
            }
        }
    }
    if (wires != 1) {
        return nullptr;  // which wire the direction is of would be a guess
    }
    for (const auto& combo : combos_) {
        if (combo->Name() == u"Direction" && combo->Value().owner == owner) {
            return combo.get();
        }
    }
    return nullptr;
}

QString CSmartUiEngine::WireOfDirection(const CAutoComboBox& combo) const {
    if (combo.Name() != u"Direction") {
        return {};
    }
    for (const auto& [name, shape] : shapes_) {
        if (shape.overlayType == kShapeLine && DirectionComboOf(name) == &combo) {
            return name;
        }
    }
    return {};
}

void CSmartUiEngine::ShowDirectionOnWire(const CAutoComboBox& combo) {
    const QString wire = WireOfDirection(combo);
    if (!overlay_ || wire.isEmpty()) {
        return;
    }
    if (const auto arrows = ArrowsOfDirection(ComboValue(combo))) {
        overlay_->SetArrows(wire, arrows->a, arrows->b);
    }
}

int CSmartUiEngine::ShapeTypeOf(const QString& name) const {
    const auto it = shapes_.find(name);
    return it == shapes_.end() || it->second.outlineOnly ? kShapeNone : it->second.overlayType;
}

QString CSmartUiEngine::LabelOf(const QString& name) const {
    for (const auto& label : statics_) {
        if (label->Name() == name && rowLabels_.contains(label.get()) && label->Control()) {
            return label->Control()->text();
        }
    }
    return name;
}

}  // namespace vexo
