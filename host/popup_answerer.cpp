#include "popup_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "message_display.h"

namespace host {

PopupAnswerer::PopupAnswerer(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

QList<PopupRecord> PopupAnswerer::TakeMessages() {
    QList<PopupRecord> messages;
    messages.swap(m_messages);
    return messages;
}

bool PopupAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) {
        return false;
    }
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog) {
        return false;
    }
    auto* box = qobject_cast<QMessageBox*>(dialog);
    const QVariant text = dialog->property(vexo::kPopupTextProperty);
    if (!box && !text.isValid()) {
        return false;
    }
    m_messages.append({dialog->windowTitle(), box ? box->text() : text.toString()});
    // Answered from the popup's own modal loop, once it runs.
    QTimer::singleShot(0, dialog, [this, dialog, answer = m_answer] { Respond(dialog, answer); });
    return false;
}

void PopupAnswerer::Respond(QDialog* dialog, Answer answer) {
    if (!dialog->isVisible()) {
        return;
    }
    const char* name = answer == Answer::Ok ? vexo::kPopupOkName : vexo::kPopupCancelName;
    if (auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name))) {
        button->click();
    } else if (answer == Answer::Ok) {
        dialog->accept();
    } else {
        dialog->reject();
    }
}

}  // namespace host
