// Reading a built panel back: the value of one parameter, and every value of
// one device record.

#include <QSet>
#include <algorithm>

#include "engine_overlay.h"
#include "panel_metrics.h"
#include "param_record.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"
#include "smart_xml_parse.h"

namespace vexo {

QString CSmartUiEngine::ComboValue(const CAutoComboBox& combo) {
    const QComboBox* box = combo.Control();
    if (box && box->isEditable()) {
        const QString text = box->currentText();
        const int index = box->findText(text);
        return index >= 0 ? combo.RawValue(index) : text;
    }
    return combo.RawValue(combo.GetCurSel());
}

bool CSmartUiEngine::IsNumericEdit(const CAutoEdit* edit) const {
    return std::any_of(spinGroups_.begin(), spinGroups_.end(),
                       [edit](const SpinGroup& group) { return group.edit == edit; });
}

QString CSmartUiEngine::ReadValue(const QString& name) const {
    // A time of day is two edits, hours and minutes; the device keeps minutes.
    if (const auto it = timeEdits_.find(name); it != timeEdits_.end()) {
        const int hours = LeadingDigits(it->second.first->GetWindowText());
        const int minutes = LeadingDigits(it->second.second->GetWindowText());
        return QString::number(static_cast<long long>(hours) * 60 + minutes);
    }
    for (const auto& box : checkBoxes_) {
        if (box->Name() == name && !box->labelBox) {
            return box->GetCheck() ? QStringLiteral("true") : QStringLiteral("false");
        }
    }
    for (const auto& edit : edits_) {
        if (edit->Name() == name) {
            // A number (an edit with a spin) is its leading digits, without
            // the unit it shows; a text edit is its whole text.
            return IsNumericEdit(edit.get()) ? LeadingDigitText(edit->GetWindowText())
                                             : edit->GetWindowText();
        }
    }
    for (const auto& combo : combos_) {
        if (combo->Name() == name) {
            return ComboValue(*combo);
        }
    }
    for (const auto& label : statics_) {
        // A row's label shows the parameter's name, never its value.
        if (label->Name() == name && !rowLabels_.contains(label.get())) {
            const QString text = label->Control() ? label->Control()->text() : QString();
            QString value = text;
            if (parse_) {
                parse_->GetIdentifierOfText(text, value);
            }
            return value;
        }
    }
    return {};
}

QString CSmartUiEngine::ObjectGeometry(const QString& name) const {
    const auto it = shapes_.find(name);
    if (it == shapes_.end()) {
        return {};
    }
    const Shape& shape = it->second;
    if (overlay_ && shape.overlayType != kShapeNone) {
        // What the video shows is what is saved, whether the shape was drawn
        // when the panel was built or only by the operator.
        if (overlay_->IsEmptied(name)) {
            return shape.deviceText.isEmpty() ? QString() : QStringLiteral("0|");
        }
        // The overlay's pixels are those of its rectangle, which follows the
        // picture's resizes.
        const QString now = overlay_->GetGeometryText(name);
        const QRect drawnIn = overlay_->VideoRect().isEmpty() ? videoRect_ : overlay_->VideoRect();
        if (!now.isEmpty() && !overlay_->IsAsDrawn(name)) {
            const QString edited = PixelDeviceText(now, shape.overlayType, drawnIn);
            if (!edited.isEmpty()) {
                return edited;
            }
        }
    }
    // Untouched on the video: the device's own text, so nothing drifts.
    return shape.deviceText;
}

// Object values are merged, not rebuilt: the geometry the panel shows
// replaces the first shape of its kind, each attribute a control carries
// takes the value that control shows ("Margin" from the margin edit,
// "zelk:Length" from the calibration edit, "clicked" from the button), and
// whatever else the device record holds (further shapes, PTZ positions,
// attributes no control shows, the value's own text) stays as it was.
void CSmartUiEngine::CollectValues(ParamRecord& record,
                                   std::map<QString, ObjectValueText>& objects) const {
    const auto ownedHere = [&record](const AutoValueRecord& value) {
        return record.funName.isEmpty() || value.owner == record.funName;
    };
    const auto shownAttribute = [this](const QString& name, const QString& attribute,
                                       const QString& stored) {
        const bool margin = attribute == u"Margin";
        const bool length = attribute == u"zelk:Length";
        if (!margin && !length) {
            return stored;
        }
        for (const auto& edit : edits_) {
            if (edit->Name() != name) {
                continue;
            }
            const QString& objectText = edit->Value().objectText;
            if ((margin && objectText == u"Margin") || (length && objectText == u"CaliberLine")) {
                return LeadingDigitText(edit->GetWindowText());
            }
        }
        return stored;
    };
    // A shape still being drawn is closed when it can be, else given up:
    // what is saved is a finished shape.
    if (overlay_ && toolOut_ && currentDrawing_ && overlay_->ToolKey() == currentDrawing_->Name()) {
        overlay_->CompleteDrawing();
    }
    QSet<QString> plainDone;
    ForEachControl([&](const auto& control) {
        const AutoValueRecord& value = control.Value();
        const QString& name = control.Name();
        if (name.isEmpty() || !ownedHere(value)) {
            return;
        }
        if (value.valueClass == 1) {
            if (!plainDone.contains(name)) {
                record.plainParams[name] = ReadValue(name);
                plainDone.insert(name);
            }
        } else if (value.valueClass == 2) {
            ObjectValueText& object = objects[name];
            object.geometry = ObjectGeometry(name);
            for (auto it = value.attributes.cbegin(); it != value.attributes.cend(); ++it) {
                const QString shown = shownAttribute(name, it.key(), it.value());
                auto existing =
                    std::find_if(object.attributes.begin(), object.attributes.end(),
                                 [&](const auto& pair) { return pair.first == it.key(); });
                if (existing == object.attributes.end()) {
                    object.attributes.emplace_back(it.key(), shown);
                }
            }
        }
    });
}

}  // namespace vexo
