#pragma once
// Which shape the mouse edits: one radio button per shape.

#include <QWidget>
#include <map>

#include "overlay_shapes.h"

class QRadioButton;

namespace liveview {

struct LiveViewTexts;

class EditTargetBar : public QWidget {
    Q_OBJECT
public:
    explicit EditTargetBar(const LiveViewTexts& texts, QWidget* parent = nullptr);
    QRadioButton* ButtonFor(EditTarget target) const { return buttons_.at(target); }

signals:
    void TargetChosen(EditTarget target);

private:
    std::map<EditTarget, QRadioButton*> buttons_;
};

}  // namespace liveview
