#include "popup_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
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
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
        // Recorded with the name it proposes; answered once its loop runs.
        const QStringList proposed = files->selectedFiles();
        m_messages.append({files->windowTitle(), proposed.isEmpty()
                                                     ? QString()
                                                     : QFileInfo(proposed.first()).fileName()});
        QString path;
        path.swap(m_savePath);
        QTimer::singleShot(0, files, [this, files, answer = m_answer, path] {
            RespondToFileDialog(files, answer, path);
        });
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
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        // A question box (the save dialog's overwrite prompt): the button
        // of the answer's role.
        for (QAbstractButton* button : box->buttons()) {
            const QMessageBox::ButtonRole role = box->buttonRole(button);
            const bool yes = role == QMessageBox::YesRole || role == QMessageBox::AcceptRole;
            const bool no = role == QMessageBox::NoRole || role == QMessageBox::RejectRole;
            if ((answer == Answer::Ok && yes) || (answer != Answer::Ok && no)) {
                button->click();
                return;
            }
        }
    }
    if (answer == Answer::Discard) {
        if (auto* button =
                dialog->findChild<QAbstractButton*>(QLatin1String(vexo::kPopupDiscardName))) {
            button->click();
            return;
        }
        answer = Answer::Cancel;
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

void PopupAnswerer::RespondToFileDialog(QFileDialog* dialog, Answer answer, const QString& path) {
    if (!dialog->isVisible()) {
        return;
    }
    if (answer == Answer::Ok && !path.isEmpty()) {
        dialog->selectFile(path);
        // Runs the dialog's own checks, the overwrite prompt among them
        // (public through QDialog, which the file dialog overrides).
        static_cast<QDialog*>(dialog)->accept();
    }
    // A name the dialog would not take (a folder, a refused overwrite)
    // leaves it open: cancel it rather than leave the script waiting.
    if (dialog->isVisible()) {
        dialog->reject();
    }
}

}  // namespace host
