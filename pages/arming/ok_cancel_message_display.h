#pragma once
// The popup as the control's message display: installed once by the module,
// it carries every message and confirmation of the pages and the device's
// error texts.

#include <QPointer>
#include <QWidget>

#include "message_display.h"

namespace vexo {

class COkCancelMessageDisplay : public MessageDisplay {
public:
    // Popups open over `owner`'s window when given.
    explicit COkCancelMessageDisplay(QWidget* owner = nullptr) : m_owner(owner) {}

    int ShowText(const QString& title, const QString& text) override;
    int Ask(const QPoint& topLeft, int form, int* chosenValue) override;

private:
    QPointer<QWidget> m_owner;
};

}  // namespace vexo
