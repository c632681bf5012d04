// Undo and redo of a parameter panel.

#include "engine_history.h"

#include <QSignalBlocker>
#include <QUndoStack>
#include <type_traits>

#include "engine_overlay.h"
#include "smart_ui_engine.h"

namespace vexo {

namespace {

constexpr int kTypingStep = 1;

template <class Control>
ControlValue ValueOf(const Control& control) {
    ControlValue value;
    if constexpr (std::is_same_v<Control, CAutoBtnPush>) {
        value.number = control.GetCheck();
    } else if constexpr (std::is_same_v<Control, CAutoXpBtn>) {
        value.text = control.Value().attributes.value(QStringLiteral("clicked"));
    } else if constexpr (std::is_same_v<Control, CAutoComboBox>) {
        value.number = control.GetCurSel();
        if (const QComboBox* box = control.Control(); box && box->isEditable()) {
            value.text = box->currentText();
        }
    } else if constexpr (std::is_same_v<Control, CAutoEdit>) {
        value.text = control.GetWindowText();
    } else if constexpr (std::is_same_v<Control, CAutoSpinBtnCtrl> ||
                         std::is_same_v<Control, CAutoSliderCtrl>) {
        value.number = control.GetPos();
    }
    return value;
}

template <class Control>
void SetValue(Control& control, const ControlValue& value) {
    // Quietly: putting a value back is not the operator changing it.
    const QSignalBlocker blocker(control.Control());
    if constexpr (std::is_same_v<Control, CAutoBtnPush>) {
        control.SetCheck(value.number);
    } else if constexpr (std::is_same_v<Control, CAutoXpBtn>) {
        AutoValueRecord record = control.Value();
        if (value.text.isEmpty()) {
            record.attributes.remove(QStringLiteral("clicked"));
        } else {
            record.attributes[QStringLiteral("clicked")] = value.text;
        }
        control.StoreSpec(control.Name(), record);
    } else if constexpr (std::is_same_v<Control, CAutoComboBox>) {
        control.SetCurSel(value.number);
        if (QComboBox* box = control.Control(); box && box->isEditable()) {
            box->setEditText(value.text);
        }
    } else if constexpr (std::is_same_v<Control, CAutoEdit>) {
        control.SetWindowText(value.text);
    } else if constexpr (std::is_same_v<Control, CAutoSpinBtnCtrl> ||
                         std::is_same_v<Control, CAutoSliderCtrl>) {
        control.SetPos(value.number);
    }
}

}  // namespace

bool DiffPanelStates(const PanelState& before, const PanelState& after, PanelChange& undo,
                     PanelChange& redo) {
    const size_t controls = std::min(before.controls.size(), after.controls.size());
    for (size_t i = 0; i < controls; ++i) {
        if (!(before.controls[i] == after.controls[i])) {
            undo.controls.emplace_back(i, before.controls[i]);
            redo.controls.emplace_back(i, after.controls[i]);
        }
    }
    for (const auto& [key, shape] : after.shapes) {
        const auto it = before.shapes.find(key);
        const ShapeSnapshot old = it == before.shapes.end() ? ShapeSnapshot{} : it->second;
        if (!SameShape(old, shape)) {
            undo.shapes.emplace_back(key, old);
            redo.shapes.emplace_back(key, shape);
        }
    }
    return !undo.controls.empty() || !undo.shapes.empty();
}

PanelStep::PanelStep(CSmartUiEngine& engine, PanelChange undo, PanelChange redo)
    : engine_(engine), undo_(std::move(undo)), redo_(std::move(redo)) {}

void PanelStep::undo() {
    engine_.ApplyChange(undo_);
    done_ = false;
}

void PanelStep::redo() {
    if (done_) {
        return;  // the operator has just made it
    }
    engine_.ApplyChange(redo_);
    done_ = true;
}

int PanelStep::id() const {
    const bool typing = undo_.shapes.empty() && undo_.controls.size() == 1 &&
                        engine_.IsTextEditAt(undo_.controls.front().first);
    return typing ? kTypingStep : -1;
}

bool PanelStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PanelStep*>(other);
    if (next->undo_.controls.front().first != undo_.controls.front().first) {
        return false;
    }
    redo_ = next->redo_;  // the first step's "before", the last one's "after"
    return true;
}

// ---- The engine's side

template <class Fn>
void CSmartUiEngine::ForEachControlIndexed(Fn fn) {
    size_t index = 0;
    ForEachControl([&](auto& control) { fn(index++, control); });
}

PanelState CSmartUiEngine::CaptureState() const {
    PanelState state;
    ForEachControl([&](const auto& control) { state.controls.push_back(ValueOf(control)); });
    if (overlay_) {
        for (const auto& [name, shape] : shapes_) {
            if (shape.overlayType != kShapeNone) {
                state.shapes[name] = overlay_->Snapshot(name);
            }
        }
    }
    return state;
}

bool CSmartUiEngine::IsTextEditAt(size_t index) const {
    size_t i = 0;
    bool edit = false;
    ForEachControl([&](const auto& control) {
        if (i++ == index) {
            edit = std::is_same_v<std::decay_t<decltype(control)>, CAutoEdit>;
        }
    });
    return edit;
}

void CSmartUiEngine::CommitStep() {
    if (restoring_ || dispatchDepth_ > 0 || !history_) {
        return;
    }
    PanelState now = CaptureState();
    PanelChange undo;
    PanelChange redo;
    const bool changed = DiffPanelStates(committed_, now, undo, redo);
    committed_ = std::move(now);
    if (changed) {
        history_->push(new PanelStep(*this, std::move(undo), std::move(redo)));
    }
    if (changeListener_) {
        changeListener_();
    }
}

void CSmartUiEngine::ApplyChange(const PanelChange& change) {
    restoring_ = true;
    ForEachControlIndexed([&](size_t index, auto& control) {
        for (const auto& [at, value] : change.controls) {
            if (at == index) {
                SetValue(control, value);
            }
        }
    });
    if (overlay_) {
        for (const auto& [key, shape] : change.shapes) {
            overlay_->Restore(key, shape);
        }
    }
    // Linked rows follow the values put back.
    if (panelShown_) {
        EvaluateAllLinks();
    }
    committed_ = CaptureState();
    restoring_ = false;
    if (changeListener_) {
        changeListener_();
    }
}

bool CSmartUiEngine::Undo() {
    // A shape being drawn is given up first, as Escape does.
    if (overlay_ && DrawingToolOut() && overlay_->ToolDrawing()) {
        return overlay_->CancelDrawing();
    }
    if (!history_->canUndo()) {
        return false;
    }
    history_->undo();
    return true;
}

bool CSmartUiEngine::Redo() {
    if (overlay_ && DrawingToolOut() && overlay_->ToolDrawing()) {
        overlay_->CancelDrawing();
    }
    if (!history_->canRedo()) {
        return false;
    }
    history_->redo();
    return true;
}

void CSmartUiEngine::ResetHistory() {
    history_->clear();
    committed_ = CaptureState();
}

bool CSmartUiEngine::IsChanged() const {
    PanelChange undo;
    PanelChange redo;
    return DiffPanelStates(unchanged_, CaptureState(), undo, redo);
}

void CSmartUiEngine::MarkUnchanged() {
    if (overlay_) {
        for (auto& [name, shape] : shapes_) {
            shape.deviceText = ObjectGeometry(name);
            overlay_->KeepAsDrawn(name);
        }
    }
    unchanged_ = CaptureState();
    if (changeListener_) {
        changeListener_();
    }
}

}  // namespace vexo
