#include "edit_target_bar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "liveview_texts.h"

namespace liveview {

EditTargetBar::EditTargetBar(const LiveViewTexts& texts, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(texts.editLabel, this));
    auto* group = new QButtonGroup(this);
    const std::pair<EditTarget, const QString*> entries[] = {{EditTarget::Region, &texts.region},
                                                             {EditTarget::Wire, &texts.wire},
                                                             {EditTarget::Point, &texts.point}};
    for (const auto& [target, label] : entries) {
        auto* button = new QRadioButton(*label, this);
        button->setFocusPolicy(Qt::NoFocus);
        group->addButton(button);
        layout->addWidget(button);
        buttons_[target] = button;
        connect(button, &QRadioButton::toggled, this, [this, target = target](bool on) {
            if (on) {
                emit TargetChosen(target);
            }
        });
    }
    buttons_[EditTarget::Region]->setChecked(true);
}

}  // namespace liveview
