#include "auto_platform.h"

#include <memory>

#include "auto_notification.h"

namespace vexo {

namespace {
void Notify(const QWidget* widget, int id, AutoNotify code, int delta = 0) {
    RouteAutoNotification(widget, AutoNotification{id, code, delta});
}
}  // namespace

void ConfigureAutoWidget(QCheckBox* widget, unsigned, const QString& text) {
    widget->setText(text);
    widget->setFocusPolicy(Qt::StrongFocus);
}

void ConfigureAutoWidget(CXPButton* widget, unsigned, const QString& text) {
    widget->setText(text);
    widget->setFocusPolicy(Qt::StrongFocus);
}

void ConfigureAutoWidget(CGdipButton* widget, unsigned, const QString& text) {
    widget->setText(text);
    widget->setFocusPolicy(Qt::NoFocus);
}

void ConfigureAutoWidget(CBitmapButton* widget, unsigned, const QString& text) {
    // The picture is the whole button; the text names it for tool tips and
    // accessibility.
    widget->setAccessibleName(text);
}

void ConfigureAutoWidget(QComboBox* widget, unsigned style, const QString& text) {
    const bool editable = (style & kAutoStyleDropDown) && !(style & kAutoStyleDropDownList);
    widget->setEditable(editable);
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    if (editable) {
        widget->setEditText(text);
    }
}

void ConfigureAutoWidget(QLineEdit* widget, unsigned, const QString& text) {
    widget->setText(text);
}

void ConfigureAutoWidget(SpinArrows*, unsigned, const QString&) {}

void ConfigureAutoWidget(CBreakDownStatic* widget, unsigned style, const QString& text) {
    widget->setText(text);
    widget->SetNotify(style & kAutoStyleBitmapNotify);
}

void ConfigureAutoWidget(QSlider* widget, unsigned, const QString&) {
    widget->setOrientation(Qt::Horizontal);
}

void ConfigureAutoWidget(QListWidget* widget, unsigned, const QString&) {
    widget->setFocusPolicy(Qt::StrongFocus);
}

void ConnectAutoNotifications(QAbstractButton* widget, int id) {
    QObject::connect(widget, &QAbstractButton::clicked, widget,
                     [widget, id] { Notify(widget, id, AutoNotify::Clicked); });
}

void ConnectAutoNotifications(QComboBox* widget, int id) {
    // Only the operator's choices notify, as a selection set by code does not.
    QObject::connect(widget, &QComboBox::activated, widget,
                     [widget, id] { Notify(widget, id, AutoNotify::SelChange); });
    if (QLineEdit* edit = widget->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, widget,
                         [widget, id] { Notify(widget, id, AutoNotify::EditChange); });
    }
}

void ConnectAutoNotifications(QLineEdit* widget, int id) {
    QObject::connect(widget, &QLineEdit::textChanged, widget,
                     [widget, id] { Notify(widget, id, AutoNotify::Change); });
}

void ConnectAutoNotifications(SpinArrows* widget, int id) {
    QObject::connect(widget, &SpinArrows::deltaPos, widget,
                     [widget, id](int delta) { Notify(widget, id, AutoNotify::DeltaPos, delta); });
}

void ConnectAutoNotifications(CBreakDownStatic* widget, int id) {
    QObject::connect(widget, &CBreakDownStatic::clicked, widget,
                     [widget, id] { Notify(widget, id, AutoNotify::Clicked); });
}

void ConnectAutoNotifications(QSlider* widget, int id) {
    // A thumb drag reports once, when the thumb is let go. Every other
    // operator action (a click on the groove, a key, the wheel) reports the
    // value it set: the slider announces the action before it takes the new
    // value, so the report waits for the value to change. Values set by code
    // trigger no action and report nothing.
    QObject::connect(widget, &QSlider::sliderReleased, widget,
                     [widget, id] { Notify(widget, id, AutoNotify::ReleasedCapture); });
    auto pending = std::make_shared<bool>(false);
    QObject::connect(widget, &QSlider::actionTriggered, widget, [widget, pending](int) {
        *pending = !widget->isSliderDown() && widget->sliderPosition() != widget->value();
    });
    QObject::connect(widget, &QSlider::valueChanged, widget, [widget, id, pending] {
        if (*pending) {
            *pending = false;
            Notify(widget, id, AutoNotify::ReleasedCapture);
        }
    });
}

void ConnectAutoNotifications(QListWidget*, int) {}

}  // namespace vexo
