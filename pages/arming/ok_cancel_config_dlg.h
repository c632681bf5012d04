#pragma once
// COkCancelConfigDlg: the control's one modal popup. By its mode it shows a
// message (3), asks for a confirmation (2 and any other value), lets the
// operator tick days (4) or rules (5) or picks an hour (6). Each launch
// operation creates a fresh popup, runs it modally and returns the outcome.
//
// Look and placement: a frameless white card with a heading band, dragged by
// any point of its background. Choosers and confirmations open with their
// top-left corner at the given screen position; messages open centred over
// the parent (or the screen). Headings: the caller's title for messages and
// confirmations ("tips" when none is given), "Copy To" for the day chooser,
// "Batch Settings" for the rule chooser and "Schedule" (or the caller's
// title) for the hour chooser, all in the current language.

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "auto_notification.h"

namespace vexo {

class CXPButton;

class COkCancelConfigDlg : public QDialog, public AutoCommandTarget {
    Q_OBJECT
public:
    explicit COkCancelConfigDlg(QWidget* parent = nullptr);
    ~COkCancelConfigDlg() override;

    // --- launch operations -------------------------------------------------
    // Message under `title`. An empty text shows nothing and returns 1.
    static int ShowMessage(const QString& title, const QString& text, QWidget* parent = nullptr);
    // Confirmation in `mode`; the fixed-question forms (set current scene,
    // delete scene, delete rule) supply their own question, other modes show
    // `question`. 1 for OK, 0 for Cancel.
    static int ShowConfirm(const QPoint& position, int mode, const QString& question = {},
                           QWidget* parent = nullptr);
    // "Save changes?" about unsaved edits: kSaveChangesSave,
    // kSaveChangesDiscard or kSaveChangesCancel (Escape cancels).
    static int AskSaveChanges(const QPoint& position, QWidget* parent = nullptr);
    // Day chooser opened for `currentDay` (0 = Monday). On OK `states` gets
    // one tick per day and the "All" tick last, and 1 is returned; otherwise
    // 0 and `states` is left untouched.
    static int ShowDayChooser(const QPoint& position, int currentDay, int itemCount, int mode,
                              QList<int>& states, QWidget* parent = nullptr);
    // As ShowDayChooser with the given rule names.
    static int ShowRuleChooser(const QPoint& position, int currentRule, const QStringList& names,
                               int mode, QList<int>& states, QWidget* parent = nullptr);
    // Hour chooser: on a pick `hour` gets 0 to 23 and 1 is returned.
    static int ShowHourChooser(const QPoint& position, int mode, int& hour,
                               QWidget* parent = nullptr);

    // --- set-up before InitDialog -------------------------------------------
    void SetTitle(const QString& title) { m_title = title; }
    void SetText(const QString& text) { m_text = text; }
    void SetMode(int mode) { m_mode = mode; }
    void SetPosition(const QPoint& position);
    void SetItems(const QStringList& names, int currentIndex);

    // Builds the controls of the mode in the current language.
    void InitDialog();
    // InitDialog, then runs modally; returns QDialog::Accepted or Rejected.
    int DoModal();

    // --- state ----------------------------------------------------------------
    int Mode() const { return m_mode; }
    QString Heading() const { return m_heading; }
    QString Message() const { return m_message; }
    // One tick per item and the "All" tick last.
    const QList<int>& ItemStates() const { return m_itemStates; }
    int SelectedIndex() const { return m_selectedIndex; }
    // Controls, for the pages' tests and tools: item i (the "All" item is at
    // the item count), hour h, and the two buttons (null when absent).
    QCheckBox* ItemControl(int index) const;
    CXPButton* HourControl(int hour) const;
    CXPButton* OkButton() const { return m_ok; }
    CXPButton* CancelButton() const { return m_cancel; }
    CXPButton* DiscardButton() const { return m_discard; }
    // The dialog's result when Discard ends it.
    static constexpr int kDiscarded = 2;

    bool OnAutoNotify(const AutoNotification& notification) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool IsChooser() const;
    void BuildButtons(int top, int dialogWidth, bool withCancel);
    void BuildChooser(int top);
    void BuildHours(int top);
    void ClickItem(int index);
    void SyncItemControls();

    QString m_title;
    QString m_text;
    int m_mode = 2;
    QPoint m_position;
    bool m_hasPosition = false;
    int m_itemCount = 0;
    QStringList m_itemNames;
    int m_currentIndex = -1;
    QList<int> m_itemStates;
    std::vector<std::unique_ptr<CAutoBtnPush>> m_itemControls;
    std::vector<std::unique_ptr<CAutoXpBtn>> m_hourControls;
    int m_selectedIndex = -1;

    QString m_heading;
    QString m_message;
    CXPButton* m_ok = nullptr;
    CXPButton* m_cancel = nullptr;
    CXPButton* m_discard = nullptr;
    bool m_initialised = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace vexo
