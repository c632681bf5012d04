#include "popup_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "auto_base.h"
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

bool PopupAnswerer::Choose(QDialog* dialog) {
    QList<QCheckBox*> items;
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
        if (box->property(vexo::kAutoIdProperty).isValid()) {
            items.append(box);
        }
    }
    if (items.isEmpty()) {
        return false;
    }
    std::sort(items.begin(), items.end(), [](const QCheckBox* a, const QCheckBox* b) {
        return a->property(vexo::kAutoIdProperty).toInt() <
               b->property(vexo::kAutoIdProperty).toInt();
    });
    const qsizetype all = items.size() - 1;
    if (m_choice.contains(static_cast<int>(all))) {
        if (!items[all]->isChecked()) {
            items[all]->click();
        }
    } else {
        for (qsizetype i = 0; i < all; ++i) {
            if (items[i]->isChecked() != m_choice.contains(static_cast<int>(i))) {
                items[i]->click();
            }
        }
    }
    m_choice.clear();
    m_hasChoice = false;
    return true;
}

void PopupAnswerer::Respond(QDialog* dialog, Answer answer) {
    if (!dialog->isVisible()) {
        return;
    }
    if (m_hasChoice && Choose(dialog)) {
        answer = Answer::Ok;
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
