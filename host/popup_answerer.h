#pragma once
// Answers the control's modal popups so that a script never blocks on one.
// It watches every window being shown (an application event filter); a
// popup, recognised by its message property (or a message box), has its
// heading and message recorded and is closed right after it opened, with
// OK or Cancel as the script asked. Other modal dialogs (the loading
// dialog) are left alone. A save-file dialog is answered with the file name
// the script gave for it (SetSavePath), or cancelled.

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QObject>
#include <QString>

namespace host {

struct PopupRecord {
    QString title;
    QString text;
};

class PopupAnswerer : public QObject {
    Q_OBJECT
public:
    // Discard answers the unsaved-edits question with its Discard button;
    // popups without one take it as Cancel.
    enum class Answer { Ok, Cancel, Discard };

    explicit PopupAnswerer(QObject* parent = nullptr);

    void SetAnswer(Answer answer) { m_answer = answer; }
    // The next chooser (a popup with tick items) gets exactly these items
    // ticked, counted from 0 in the order of their identifiers; the chooser's
    // "All" item is the last (ticking it ticks all). It is then answered OK,
    // whatever the current answer. Popups without items leave the choice
    // pending.
    void SetNextChoice(const QList<int>& items) {
        m_choice = items;
        m_hasChoice = true;
    }
    Answer CurrentAnswer() const { return m_answer; }
    // The popups shown since the last call.
    QList<PopupRecord> TakeMessages();
    // The file name the next save-file dialog returns (once). Without one,
    // or with the answer Cancel, the dialog is cancelled.
    void SetSavePath(const QString& path) { m_savePath = path; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Respond(QDialog* dialog, Answer answer);
    void RespondToFileDialog(QFileDialog* dialog, Answer answer, const QString& path);
    // Ticks the pending choice in `dialog`; false when it has no items.
    bool Choose(QDialog* dialog);

    Answer m_answer = Answer::Ok;
    QList<PopupRecord> m_messages;
    QString m_savePath;
    QList<int> m_choice;
    bool m_hasChoice = false;
};

}  // namespace host
