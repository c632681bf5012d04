// The grid's editing with the mouse and keys: drawing a new period within
// its free gap, selecting, moving a selected period, typing a period's
// times after a double click, and the minutes a finished period takes
// without meeting its neighbours. Drawn and moved periods take whole
// 5-minute steps: a pixel of the bar is more than a minute, so times read
// off the mouse alone land on odd minutes.

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

#include "com_str.h"
#include "guard_schedule_grid.h"  // the class whose editing this file holds
#include "period_time_dialog.h"
#include "ui_helpers.h"

namespace vexo {
namespace {

// The last pixels at a period's right edge are its end, not the period.
constexpr int kEndGrip = 2;
// A release this far from the press ends a drawing begun by the press.
constexpr int kDragDistance = 3;

}  // namespace

void GuardScheduleGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && m_mode == kSelected) {
        ClearSelected();
    } else if (event->key() == Qt::Key_Escape && m_drawing) {
        m_drawing = false;
        update();
    } else if (event->key() == Qt::Key_Escape && m_mode == kMoving) {
        ClearSelection();  // the period keeps its times
    } else {
        QWidget::keyPressEvent(event);
    }
}

int GuardScheduleGrid::DayAt(const QPoint& point) const {
    for (int day = 0; day < kScheduleDays; ++day) {
        if (m_bars[day].contains(point)) {
            return day;
        }
    }
    return -1;
}

int GuardScheduleGrid::PeriodAt(int day, int x) const {
    const std::vector<PixelSpan> spans = SpansOf(day);
    for (size_t index = 0; index < spans.size(); ++index) {
        if (x >= spans[index].start && x <= spans[index].end - kEndGrip) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void GuardScheduleGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(event->position().toPoint());
    }
}

void GuardScheduleGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonUp(event->position().toPoint());
    }
}

void GuardScheduleGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDblClk(event->position().toPoint());
    }
}

void GuardScheduleGrid::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(event->position().toPoint());
}

void GuardScheduleGrid::OnLButtonDown(const QPoint& point) {
    if (m_drawing) {
        OnMouseMove(point);
        FinishDrawing();
        return;
    }
    if (m_mode == kMoving) {
        FinishMoving();
        return;
    }
    const int day = DayAt(point);
    if (day < 0) {
        return;
    }
    int x = point.x();
    const int hit = PeriodAt(day, x);
    const bool selectedBefore = m_mode == kSelected && day == m_currentDay && hit == m_selected;
    SelectDay(day);
    if (hit >= 0) {
        if (m_movable && selectedBefore) {
            StartMoving(day, hit, point);  // a press on the selected period picks it up
        } else {
            SelectPeriod(day, hit);
        }
        return;
    }
    ClearSelection();
    const std::vector<PixelSpan> spans = SpansOf(day);
    for (const PixelSpan& span : spans) {
        if (x > span.end - kEndGrip && x <= span.end) {
            x = span.end;  // a press on a period's end grip starts at its end
        }
    }
    const QRect& bar = m_bars[day];
    m_gap = FreeGapAround(spans, x, bar.left(), bar.right());
    if (x < m_gap.left || x > m_gap.right) {
        return;  // too close to the next period to start one
    }
    m_drawing = true;
    m_pressPoint = QPoint(x, point.y());
    m_drawRect = QRect(QPoint(x, bar.top() + 1), QPoint(x, bar.bottom() - 1));
    update();
}

void GuardScheduleGrid::OnLButtonUp(const QPoint& point) {
    if (m_drawing && std::abs(point.x() - m_pressPoint.x()) > kDragDistance) {
        OnMouseMove(point);
        FinishDrawing();
    } else if (m_mode == kMoving && std::abs(point.x() - m_moveOrigin.x()) > kDragDistance) {
        OnMouseMove(point);
        FinishMoving();
    }
}

void GuardScheduleGrid::OnLButtonDblClk(const QPoint& point) {
    const int day = DayAt(point);
    const int hit = day < 0 ? -1 : PeriodAt(day, point.x());
    if (m_drawing || hit < 0) {
        OnLButtonDown(point);
        return;
    }
    if (m_mode == kMoving) {
        ClearSelection();  // the press before picked the period up: it stays put
    }
    SelectDay(day);
    SelectPeriod(day, hit);
    TypePeriodTimes(day, hit);
}

void GuardScheduleGrid::TypePeriodTimes(int day, int index) {
    QString start = m_week[day][index].start;
    QString end = m_week[day][index].end;
    if (!AskPeriodTimes(this, start, end)) {
        return;
    }
    const int from = TypedScheduleMinutes(start);
    const int to = TypedScheduleMinutes(end);
    const CComStr& texts = TheComStr();
    switch (CheckTypedPeriod(m_week[day], index, from, to)) {
        case TypedPeriodError::None:
            m_week[day][index] = {ScheduleTimeText(from), ScheduleTimeText(to)};
            SelectPeriod(day, index);  // its labels show the new times
            update();
            return;
        case TypedPeriodError::Format:
            ShowMessage(texts->periodTimeFormat, texts->tips);
            return;
        case TypedPeriodError::EndNotAfterStart:
            ShowMessage(texts->endBeforeStart, texts->tips);
            return;
        case TypedPeriodError::Overlap:
            ShowMessage(texts->periodsOverlap, texts->tips);
            return;
    }
}

void GuardScheduleGrid::StartMoving(int day, int hit, const QPoint& point) {
    const QRect span = PeriodRect(day, hit);
    const QRect& bar = m_bars[day];
    m_gap = FreeGapForMove(SpansOf(day), static_cast<size_t>(hit), bar.left(), bar.right());
    m_mode = kMoving;
    m_moveOrigin = point;
    m_moveStart = span;
    m_moveRect = span;
}

void GuardScheduleGrid::OnMouseMove(const QPoint& point) {
    if (m_drawing && m_currentDay >= 0) {
        const QRect& bar = m_bars[m_currentDay];
        const int x = std::clamp(point.x(), std::max(m_gap.left, bar.left()),
                                 std::min(m_gap.right, bar.right()));
        m_drawRect = QRect(QPoint(std::min(x, m_pressPoint.x()), bar.top() + 1),
                           QPoint(std::max(x, m_pressPoint.x()), bar.bottom() - 1));
        update();
    } else if (m_mode == kMoving && m_currentDay >= 0) {
        const int width = m_moveStart.width();
        const int lowest = std::max(m_gap.left, m_bars[m_currentDay].left());
        const int highest = std::min(m_gap.right, m_bars[m_currentDay].right()) - width + 1;
        const int left = std::clamp(m_moveStart.left() + point.x() - m_moveOrigin.x(), lowest,
                                    std::max(lowest, highest));
        m_moveRect.moveLeft(left);
        const DayScale scale = ScaleOf(m_currentDay);
        ShowTimeLabels(m_currentDay, m_moveRect,
                       ScheduleTimeText(SnapScheduleMinutes(scale.MinutesAt(m_moveRect.left()))),
                       ScheduleTimeText(SnapScheduleMinutes(scale.MinutesAt(m_moveRect.right()))));
        update();
    }
}

// The minutes a period may take on `day` without meeting its neighbours
// (rounding between pixels and minutes must not make two periods overlap).
static void KeepApart(const ScheduleDay& periods, int skip, int& start, int& end) {
    for (int index = 0; index < static_cast<int>(periods.size()); ++index) {
        if (index == skip) {
            continue;
        }
        const int otherStart = ScheduleMinutes(periods[index].start);
        const int otherEnd = ScheduleMinutes(periods[index].end);
        if (otherEnd <= start || otherStart >= end) {
            continue;
        }
        if (otherStart < start) {
            start = otherEnd;  // a neighbour on the left reaches in
        } else {
            end = otherStart;
        }
    }
}

void GuardScheduleGrid::FinishDrawing() {
    m_drawing = false;
    if (m_currentDay < 0 || m_drawRect.width() <= 1) {
        update();
        return;
    }
    const DayScale scale = ScaleOf(m_currentDay);
    int start = SnapScheduleMinutes(scale.MinutesAt(m_drawRect.left()));
    int end = SnapScheduleMinutes(scale.MinutesAt(m_drawRect.right()));
    KeepApart(m_week[m_currentDay], -1, start, end);
    if (start < end) {
        m_week[m_currentDay].push_back({ScheduleTimeText(start), ScheduleTimeText(end)});
    }
    update();
}

void GuardScheduleGrid::FinishMoving() {
    const int day = m_currentDay;
    const int index = m_selected;
    const QRect moved = m_moveRect;
    m_mode = kIdle;
    if (day >= 0 && index >= 0 && index < static_cast<int>(m_week[day].size())) {
        const DayScale scale = ScaleOf(day);
        int start = SnapScheduleMinutes(scale.MinutesAt(moved.left()));
        int end = SnapScheduleMinutes(scale.MinutesAt(moved.right()));
        KeepApart(m_week[day], index, start, end);
        if (start < end) {
            m_week[day][index] = {ScheduleTimeText(start), ScheduleTimeText(end)};
        }
    }
    ClearSelection();
    update();
}

void GuardScheduleGrid::ResetEditing() {
    m_currentDay = -1;
    m_selected = -1;
    m_mode = kIdle;
    m_drawing = false;
    m_drawRect = {};
    m_gap = {};
}

}  // namespace vexo
