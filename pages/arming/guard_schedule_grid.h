#pragma once
// GuardScheduleGrid: the guard schedule (arming time) editor. The week is
// shown as seven day bars from 00:00 to 24:00 on which the operator draws,
// selects, moves and deletes periods with the mouse, copies a day to other
// days ("Copy To"), copies the week to other rules of the function (rule
// batch), and saves it with "CMD_SetGuardSchedules".
//
// The grid is a child widget of the page that hosts it (the smart
// configuration page's "Arming Interval" tab, the normal arming page). It
// does not know its host: the host places it (setGeometry), gives it the
// device context, the owner's identity and, on the analytics page, the
// rules for the rule batch, then calls Init. Which owner the commands
// address (a rule on the reference scene or a normal alarm) follows the
// device context's reference scene token, which the host sets.
//
// It takes its own paint and mouse events and its controls' notifications
// (the widget tree brings them to it); the operations below are public so
// that a host may also forward events, and tests may drive it.
//
// Drawing: a press in a free part of a bar starts a period, mouse moves
// stretch it (never across a neighbour: it stops 5 pixels before the next
// period), and the next press ends it. A drag (press, move, release at
// another point) also ends it at the release, as operators expect today.
// Drawn and moved periods start and end on whole 5-minute steps. A double
// click on a period lets the operator type its start and end ("HH:MM");
// times past 24:00, an end not after the start or an overlap with another
// period are refused with a message, and the period keeps its times.
// Keys (once the grid has focus from a click): Delete removes the selected
// period as "Clear" does, Escape drops a period being drawn or puts a moved
// period back.
// Control identifiers: editor_ids.h.

#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "arming_editor.h"
#include "auto_controls.h"
#include "schedule_week.h"

class CSmartXmlParse;

namespace vexo {

class GuardScheduleGrid : public ArmingEditor {
    Q_OBJECT
public:
    // Editing modes.
    static constexpr int kIdle = 0;
    static constexpr int kSelected = 1;
    static constexpr int kMoving = 2;

    explicit GuardScheduleGrid(QWidget* parent = nullptr);
    ~GuardScheduleGrid() override;

    // --- set by the host before Init (and ArmingEditor's set-up) --------------
    // A press on the selected period picks it up to be moved (the analytics
    // page's grid); the next press, or the release of a drag, puts it down.
    void SetMovablePeriods(bool movable) { m_movable = movable; }

    // --- operations -------------------------------------------------------------
    // Reads the schedule from the device (Load), creates the controls and
    // lays them out for the widget's current size. Resets editing state.
    // Visibility stays the host's (its tab shows and hides the grid).
    void Init();
    // Reads the owner's schedule into the record and the week; a failed read
    // leaves the week empty. Returns the command's result (1 or 0).
    int Load();
    // Rebuilds the record from the week, sends it and reads it back; shows
    // "Save Success" (with what the device stored differently, and then the
    // device's week) or the device's error text (the week stays as edited).
    // Returns 1 or 0.
    // The host shows no message of its own for it.
    int Save();
    // For the batch export: when the "Batch Settings" box exists and is
    // ticked, rebuilds the record, copies it to `record` and returns 1;
    // otherwise returns 0 and leaves `record` alone.
    int GetScheduleRecord(ParamRecord& record);
    // Destroys the controls (before the host shows another owner).
    void ClearControls();

    // --- events -----------------------------------------------------------------
    void Paint(QPainter& painter);
    void OnMouseMove(const QPoint& point);
    void OnLButtonDown(const QPoint& point);
    void OnLButtonUp(const QPoint& point);
    void OnLButtonDblClk(const QPoint& point);
    // The grid's buttons; false for an identifier that is not the grid's.
    bool OnCommand(int id);
    bool OnAutoNotify(const AutoNotification& notification) override;
    bool IsModified() const override { return m_week != m_storedWeek; }

    // --- state ------------------------------------------------------------------
    const ScheduleWeek& Week() const { return m_week; }
    const ParamRecord& Record() const { return m_record; }
    int CurrentDay() const { return m_currentDay; }
    int SelectedPeriod() const { return m_selected; }
    int Mode() const { return m_mode; }
    bool Drawing() const { return m_drawing; }
    // The drawing area of `day` (0 = Monday) in the grid's pixels.
    QRect DayBarRect(int day) const;
    // The pixels period `index` of `day` covers.
    QRect PeriodRect(int day, int index) const;

    // The size at which bars, labels and buttons have room (900 x 440).
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QWidget* RuleBatchButton() const override;
    CAutoBtnPush* BatchCheckBox() const override;
    void TakeSaved(const std::optional<ParamRecord>& stored) override;

private:
    struct Controls;

    void Layout();
    void ResetEditing();
    int DayAt(const QPoint& point) const;
    DayScale ScaleOf(int day) const;
    std::vector<PixelSpan> SpansOf(int day) const;
    int PeriodAt(int day, int x) const;
    void SelectDay(int day);
    void SelectPeriod(int day, int index);
    void ClearSelection();
    void FinishDrawing();
    void StartMoving(int day, int hit, const QPoint& point);
    void FinishMoving();
    // Asks for the period's times and takes them when they can be a period.
    void TypePeriodTimes(int day, int index);
    void ShowTimeLabels(int day, const QRect& span, const QString& start, const QString& end);
    void HideTimeLabels();
    // Shows `record` (read from the device) as the week it holds.
    void Take(const ParamRecord& record);
    void CopyDay(int day);
    void RunRuleBatch();
    void ClearAll();
    void ClearSelected();
    void RebuildRecord();

    bool m_movable = false;

    ScheduleWeek m_week;
    ScheduleWeek m_storedWeek;  // as read or last saved
    ParamRecord m_record;
    QRect m_bars[kScheduleDays];
    int m_currentDay = -1;
    int m_selected = -1;
    int m_mode = kIdle;
    bool m_drawing = false;
    QPoint m_pressPoint;
    QRect m_drawRect;
    FreeGap m_gap;
    QPoint m_moveOrigin;
    QRect m_moveRect;
    QRect m_moveStart;
    std::unique_ptr<Controls> m_controls;
};

}  // namespace vexo
