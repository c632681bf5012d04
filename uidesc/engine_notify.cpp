// The engine's notification entry points: one per kind of control event,
// each naming its control by the offset inside the class's window.

#include <QComboBox>
#include <QLineEdit>

#include "engine_overlay.h"
#include "panel_metrics.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"

namespace vexo {

namespace {

// The last control of `list` at `offset` (identifiers may repeat once a
// window is full; the last one wins).
template <class List>
auto* FindByOffset(const List& list, int offset) {
    decltype(list.front().get()) found = nullptr;
    for (const auto& control : list) {
        if (control->Id() >= 0 && control->Offset() == offset) {
            found = control.get();
        }
    }
    return found;
}

bool InWindow(int offset, int first) {
    return offset >= first && offset <= first + 50;
}

QString TruthText(int checked) {
    return checked ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

void CSmartUiEngine::OnComboSelChange(int offset) {
    if (!InWindow(offset, 100)) {
        return;
    }
    if (CAutoComboBox* combo = FindByOffset(combos_, offset)) {
        ApplyLinks(combo->Name(), ComboValue(*combo));
        ShowDirectionOnWire(*combo);
    }
}

void CSmartUiEngine::OnEditChange(int offset) {
    if (!InWindow(offset, 100)) {
        return;
    }
    CAutoEdit* edit = FindByOffset(edits_, offset);
    if (!edit || !edit->Control() || edit->Control()->isReadOnly() || !IsNumericEdit(edit)) {
        return;
    }
    const QString text = edit->GetWindowText();
    // A spin shows its value with a unit; only what the operator types is
    // cut to its digits.
    for (const SpinGroup& group : spinGroups_) {
        if (group.edit == edit && !group.spin->Values().isEmpty()) {
            const int value = group.spin->Values().value(group.spin->GetPos());
            if (text == SpinValueText(value, group.name, group.unit)) {
                return;
            }
        }
    }
    const QString digits = LeadingDigitText(text);
    if (digits != text) {
        edit->SetWindowText(digits);
    }
}

void CSmartUiEngine::OnXpButtonClicked(int offset) {
    if (!InWindow(offset, 400)) {
        return;
    }
    if (CAutoXpBtn* button = FindByOffset(xpButtons_, offset)) {
        AutoValueRecord value = button->Value();
        const QString clicked = QStringLiteral("clicked");
        value.attributes[clicked] = value.attributes.value(clicked) == u"true"
                                        ? QStringLiteral("false")
                                        : QStringLiteral("true");
        button->StoreSpec(button->Name(), value);
    }
}

void CSmartUiEngine::OnCheckBoxClicked(int offset) {
    if (!InWindow(offset, 0)) {
        return;
    }
    CAutoBtnPush* box = FindByOffset(checkBoxes_, offset);
    if (!box || box->labelBox) {
        return;
    }
    if (box->Name() == u"DomePosition") {
        // One dome position at a time, and none past the limit number.
        if (box->GetCheck() && ptzGroupBase_ >= 0 && offset - ptzGroupBase_ > ptzNumber_) {
            box->SetCheck(0);
        }
        if (box->GetCheck()) {
            for (const auto& other : checkBoxes_) {
                if (other.get() != box && other->Name() == u"DomePosition") {
                    other->SetCheck(0);
                }
            }
        }
    }
    ApplyLinks(box->Name(), TruthText(box->GetCheck()));
}

void CSmartUiEngine::OnDrawingButtonClicked(int offset) {
    if (!InWindow(offset, 0)) {
        return;
    }
    CAutoBitmapBtn* button = FindByOffset(bitmapButtons_, offset);
    if (!button) {
        return;
    }
    if (button->Tool() == kDeleteTool) {
        // Deleting is done at once; no tool stays out for it.
        if (overlay_) {
            ClaimOverlay();
            overlay_->EmptyShape(port_, button->Name());
        }
        return;
    }
    if (button == currentDrawing_ && DrawingToolOut()) {
        PutToolAway();  // a second click puts the tool away
        return;
    }
    PutToolAway();  // another button's tool, or one the overlay already put away
    currentDrawing_ = button;
    if (ptzGroupCount_ == 0) {
        SwapLook(*button);  // outside a limit panel: the button in use shows it
    }
    StartDrawingTool(*button);
}

void CSmartUiEngine::OnSpinDelta(int offset, int delta) {
    if (!InWindow(offset, 0)) {
        return;
    }
    CAutoSpinBtnCtrl* spin = FindByOffset(spins_, offset);
    if (!spin || spin->Values().isEmpty()) {
        return;
    }
    const int value = spin->Values().value(spin->StepBy(delta));
    for (const SpinGroup& group : spinGroups_) {
        if (group.spin == spin) {
            group.edit->SetWindowText(SpinValueText(value, group.name, group.unit));
            if (group.slider) {
                group.slider->SetPos(value);
            }
        }
    }
}

void CSmartUiEngine::OnSliderReleased(int offset) {
    if (!InWindow(offset, 0)) {
        return;
    }
    CAutoSliderCtrl* slider = FindByOffset(sliders_, offset);
    if (!slider) {
        return;
    }
    const int position = slider->GetPos();
    for (const SpinGroup& group : spinGroups_) {
        if (group.slider != slider) {
            continue;
        }
        const QList<int>& values = group.spin->Values();
        // The spin goes to the last value not above the slider.
        int index = 0;
        for (int i = 0; i < values.size() && values.at(i) <= position; ++i) {
            index = i;
        }
        group.spin->SetPos(index);
        group.edit->SetWindowText(SpinValueText(position, group.name, group.unit));
    }
    if (slider->Name() == u"Wire" && overlay_ && videoRect_.height() > 0) {
        // The margin is in pixels; the overlay takes it as a share of the
        // picture height.
        overlay_->SetLineMargin(
            slider->Name(), static_cast<float>(position) / static_cast<float>(videoRect_.height()));
    }
}

bool CSmartUiEngine::Dispatch(const AutoNotification& n) {
    const int offset = AutoOffsetOfId(n.id);
    switch (AutoClassOfId(n.id)) {
        case kAutoComboBoxClass:
            if (n.code == AutoNotify::SelChange) {
                OnComboSelChange(offset);
            }
            return true;
        case kAutoEditClass:
            OnEditChange(offset);
            return true;
        case kAutoXpButtonClass:
            OnXpButtonClicked(offset);
            return true;
        case kAutoCheckBoxClass:
            OnCheckBoxClicked(offset);
            return true;
        case kAutoBitmapButtonClass:
            OnDrawingButtonClicked(offset);
            return true;
        case kAutoSpinClass:
            OnSpinDelta(offset, n.delta);
            return true;
        case kAutoSliderClass:
            OnSliderReleased(offset);
            return true;
        default:
            return false;
    }
}

}  // namespace vexo
