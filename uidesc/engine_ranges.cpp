// CSmartUiEngine: which shown value lies outside its known range.

#include <QLineEdit>

#include "panel_metrics.h"
#include "range_validator.h"
#include "smart_ui_engine.h"

namespace vexo {

QString CSmartUiEngine::OutOfRangeValue() const {
    for (const SpinGroup& group : spinGroups_) {
        const QLineEdit* line = group.edit ? group.edit->Control() : nullptr;
        const auto* range = line ? qobject_cast<const RangeValidator*>(line->validator()) : nullptr;
        if (range == nullptr || LeadingDigitText(line->text()).isEmpty()) {
            continue;
        }
        const int value = LeadingDigits(line->text());
        if (value >= range->Minimum() && value <= range->Maximum()) {
            continue;
        }
        // The row's label is the name the operator knows it by.
        QString shown = group.name;
        for (const auto& label : statics_) {
            if (rowLabels_.contains(label.get()) && label->Name() == group.name &&
                label->Control() != nullptr) {
                shown = label->Control()->text();
                break;
            }
        }
        return QStringLiteral("%1 (%2)").arg(shown, range->RangeText());
    }
    return QString();
}

}  // namespace vexo
