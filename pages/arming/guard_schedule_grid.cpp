#include "guard_schedule_grid.h"

#include <QList>
#include <QPainter>
#include <algorithm>
#include <array>

#include "colorref.h"
#include "com_str.h"
#include "editor_ids.h"
#include "ok_cancel_config_dlg.h"
#include "popup_forms.h"
#include "smart_xml_parse.h"
#include "ui_helpers.h"

namespace vexo {
namespace {

namespace ids = editor_ids;

constexpr COLORREF kFrameColour = 0xBBBBBC;
constexpr COLORREF kBarColour = 0xAE6721;
constexpr COLORREF kPeriodColour = 0xD19521;
constexpr COLORREF kSelectedColour = 0x8C5A10;
constexpr COLORREF kHourLineColour = 0xEEE6DD;

// Layout (pixels).
constexpr int kScaleTop = 4;
constexpr int kScaleHeight = 16;
constexpr int kFirstRowTop = 26;
constexpr int kBarHeight = 22;
constexpr int kMinRowPitch = 34;
constexpr int kMaxRowPitch = 56;
constexpr int kBottomRowHeight = 30;
constexpr int kMargin = 8;
constexpr int kDayButtonWidth = 86;
constexpr int kButtonHeight = 26;
constexpr int kBarLeft = kMargin + kDayButtonWidth + 8;
constexpr int kCopyButtonWidth = 80;
constexpr int kBarRightGap = kCopyButtonWidth + 2 * kMargin;
constexpr int kLabelWidth = 44;
constexpr int kLabelHeight = 14;
constexpr int kWideButtonWidth = 120;

constexpr int kDayButtonImage = 260;
constexpr int kDayButtonSelectedImage = 261;
constexpr int kButtonImage = 246;

// The drawing surface of one day bar: it draws nothing and leaves the
// mouse to the grid, but carries the bar's identifier so that a host
// script can draw on a bar in the bar's own pixels.
class DayBarSurface : public QWidget {
public:
    DayBarSurface(QWidget* grid, int day) : QWidget(grid) {
        setProperty(kAutoIdProperty, ids::kScheduleDayBar + day);
        setMouseTracking(true);
    }
};

}  // namespace

struct GuardScheduleGrid::Controls {
    std::array<CAutoXpBtn, kScheduleDays> dayButtons;
    std::array<CAutoXpBtn, kScheduleDays> copyButtons;
    CAutoXpBtn ruleBatch;
    CAutoXpBtn allClear;
    CAutoXpBtn clear;
    CAutoBtnPush batchCheck;
    CAutoStatic startLabel;
    CAutoStatic endLabel;
};

GuardScheduleGrid::GuardScheduleGrid(QWidget* parent) : ArmingEditor(parent) {
    setProperty(kAutoIdProperty, ids::kScheduleArea);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    for (int day = 0; day < kScheduleDays; ++day) {
        new DayBarSurface(this, day);
    }
    Layout();
}

GuardScheduleGrid::~GuardScheduleGrid() = default;

QWidget* GuardScheduleGrid::RuleBatchButton() const {
    return m_controls ? m_controls->ruleBatch.Control() : nullptr;
}

CAutoBtnPush* GuardScheduleGrid::BatchCheckBox() const {
    return m_controls ? &m_controls->batchCheck : nullptr;
}

// --- operations ----------------------------------------------------------------

void GuardScheduleGrid::Init() {
    ClearControls();
    ResetEditing();
    Load();

    const CComStr& texts = TheComStr();
    m_controls = std::make_unique<Controls>();
    Controls& c = *m_controls;
    for (int day = 0; day < kScheduleDays; ++day) {
        const QString name =
            day < texts.WeekdayNames().size() ? texts.WeekdayNames()[day] : ScheduleDayKey(day);
        c.dayButtons[day].Create(ids::kScheduleDayButton + day, this, {}, kAutoStyleNone, name);
        c.dayButtons[day].SetImages(kDayButtonImage, kDayButtonSelectedImage);
        c.dayButtons[day].Control()->setFocusPolicy(Qt::NoFocus);  // nothing to act on
        c.copyButtons[day].Create(ids::kScheduleCopyTo + day, this, {}, kAutoStyleNone,
                                  texts->copyTo);
        c.copyButtons[day].SetImages(kButtonImage, kButtonImage);
    }
    c.allClear.Create(ids::kScheduleAllClear, this, {}, kAutoStyleNone, texts->allClear);
    c.allClear.SetImages(kButtonImage, kButtonImage);
    c.clear.Create(ids::kScheduleClear, this, {}, kAutoStyleNone, texts->clear);
    c.clear.SetImages(kButtonImage, kButtonImage);
    c.ruleBatch.Create(ids::kScheduleRuleBatch, this, {}, kAutoStyleNone, RuleBatchCaption());
    c.ruleBatch.SetImages(kButtonImage, kButtonImage);
    c.ruleBatch.Control()->setEnabled(m_ruleBatchAllowed);
    c.batchCheck.Create(ids::kScheduleBatchCheck, this, {}, kAutoStyleNone, texts->batchSettings);
    c.startLabel.Create(ids::kScheduleStartLabel, this, {}, kAutoStyleNone);
    c.endLabel.Create(ids::kScheduleEndLabel, this, {}, kAutoStyleNone);
    for (CAutoStatic* label : {&c.startLabel, &c.endLabel}) {
        label->Control()->setAlignment(Qt::AlignCenter);
        label->Show(0);
    }
    Layout();
    update();
}

int GuardScheduleGrid::Load() {
    ParamRecord record = OwnerRecord();
    const int result = m_context ? m_context->GetGuardSchedules(record) : 0;
    Take(record);
    return result;
}

void GuardScheduleGrid::Take(const ParamRecord& record) {
    m_record = record;
    ReadScheduleWeek(m_record, m_week);
    m_storedWeek = m_week;
}

int GuardScheduleGrid::Save() {
    if (m_drawing) {
        FinishDrawing();
    }
    if (m_mode == kMoving) {
        FinishMoving();
    }
    RebuildRecord();
    return SaveRecord(&CSmartXmlParse::SetGuardSchedules, &CSmartXmlParse::GetGuardSchedules,
                      &CompareSchedules, m_record);
}

void GuardScheduleGrid::TakeSaved(const std::optional<ParamRecord>& stored) {
    m_storedWeek = m_week;
    if (stored) {
        // The bars show the week as the device keeps it.
        ResetEditing();
        HideTimeLabels();
        Take(*stored);
        update();
    }
}

int GuardScheduleGrid::GetScheduleRecord(ParamRecord& record) {
    if (!BatchChecked()) {
        return 0;
    }
    RebuildRecord();
    record = m_record;
    return 1;
}

void GuardScheduleGrid::ClearControls() {
    m_controls.reset();
}

void GuardScheduleGrid::RebuildRecord() {
    m_record.token = m_token;
    m_record.funName = m_funName;
    m_record.secondText = m_secondText;
    WriteScheduleWeek(m_week, m_record);
}

// --- layout and drawing ----------------------------------------------------------

void GuardScheduleGrid::Layout() {
    const int pitch =
        std::clamp((height() - kFirstRowTop - kBottomRowHeight - kMargin) / kScheduleDays,
                   kMinRowPitch, kMaxRowPitch);
    const int barRight = std::max(kBarLeft + 50, width() - kBarRightGap);
    const auto bars = findChildren<DayBarSurface*>(Qt::FindDirectChildrenOnly);
    for (int day = 0; day < kScheduleDays; ++day) {
        const int top = kFirstRowTop + day * pitch;
        m_bars[day] = QRect(QPoint(kBarLeft, top), QPoint(barRight, top + kBarHeight - 1));
        if (day < bars.size()) {
            bars[day]->setGeometry(m_bars[day]);
        }
    }
    if (!m_controls) {
        return;
    }
    Controls& c = *m_controls;
    const int buttonOffset = (kBarHeight - kButtonHeight) / 2;
    for (int day = 0; day < kScheduleDays; ++day) {
        const int top = m_bars[day].top() + buttonOffset;
        c.dayButtons[day].Control()->setGeometry(kMargin, top, kDayButtonWidth, kButtonHeight);
        c.copyButtons[day].Control()->setGeometry(barRight + kMargin, top, kCopyButtonWidth,
                                                  kButtonHeight);
    }
    const int bottom = m_bars[kScheduleDays - 1].bottom() + kLabelHeight + 12;
    int x = kBarLeft;
    for (CAutoXpBtn* button : {&c.allClear, &c.clear}) {
        button->Control()->setGeometry(x, bottom, kDayButtonWidth, kButtonHeight);
        x += kDayButtonWidth + kMargin;
    }
    c.ruleBatch.Control()->setGeometry(x, bottom, kWideButtonWidth, kButtonHeight);
    x += kWideButtonWidth + 2 * kMargin;
    c.batchCheck.Control()->setGeometry(x, bottom, 160, kButtonHeight);
}

void GuardScheduleGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

QSize GuardScheduleGrid::sizeHint() const {
    return {900, 440};
}

void GuardScheduleGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void GuardScheduleGrid::Paint(QPainter& painter) {
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(ColorFromRef(kFrameColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // Hour scale above the bars.
    // A narrow grid (the analytics page's tab) writes every second or
    // fourth hour, so that the labels never run together.
    const DayScale scale = ScaleOf(0);
    painter.setPen(palette().color(QPalette::WindowText));
    const int labelWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("00"));
    const int step = HourLabelStep(scale.right - scale.left, labelWidth);
    for (int hour = 0; hour <= 24; hour += step) {
        const int x = scale.PixelOf(hour * 60);
        painter.drawText(QRect(x - 12, kScaleTop, 24, kScaleHeight), Qt::AlignCenter,
                         QString::asprintf("%02d", hour));
    }

    for (int day = 0; day < kScheduleDays; ++day) {
        const QRect& bar = m_bars[day];
        painter.fillRect(bar, Qt::white);
        painter.setPen(ColorFromRef(kHourLineColour));
        const DayScale dayScale = ScaleOf(day);
        for (int hour = 1; hour < 24; ++hour) {
            const int x = dayScale.PixelOf(hour * 60);
            painter.drawLine(x, bar.top() + 1, x, bar.bottom() - 1);
        }
        for (int index = 0; index < static_cast<int>(m_week[day].size()); ++index) {
            const bool selected = day == m_currentDay && index == m_selected && m_mode != kIdle;
            painter.fillRect(PeriodRect(day, index),
                             ColorFromRef(selected ? kSelectedColour : kPeriodColour));
        }
        painter.setPen(ColorFromRef(kBarColour));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
    }
    if (m_drawing && m_currentDay >= 0 && m_drawRect.width() > 1) {
        painter.fillRect(m_drawRect, ColorFromRef(kPeriodColour));
    }
}

QRect GuardScheduleGrid::DayBarRect(int day) const {
    return day >= 0 && day < kScheduleDays ? m_bars[day] : QRect();
}

DayScale GuardScheduleGrid::ScaleOf(int day) const {
    const QRect& bar = m_bars[std::clamp(day, 0, kScheduleDays - 1)];
    return DayScale{bar.left(), bar.right()};
}

QRect GuardScheduleGrid::PeriodRect(int day, int index) const {
    if (day < 0 || day >= kScheduleDays || index < 0 ||
        index >= static_cast<int>(m_week[day].size())) {
        return {};
    }
    if (m_mode == kMoving && day == m_currentDay && index == m_selected) {
        return m_moveRect;
    }
    const QRect& bar = m_bars[day];
    const DayScale scale = ScaleOf(day);
    const SchedulePeriod& period = m_week[day][index];
    const int left =
        std::clamp(scale.PixelOf(ScheduleMinutes(period.start)), bar.left(), bar.right());
    const int right =
        std::clamp(scale.PixelOf(ScheduleMinutes(period.end)), bar.left(), bar.right());
    return QRect(QPoint(left, bar.top() + 1), QPoint(std::max(left, right), bar.bottom() - 1));
}

std::vector<PixelSpan> GuardScheduleGrid::SpansOf(int day) const {
    std::vector<PixelSpan> spans;
    for (int index = 0; index < static_cast<int>(m_week[day].size()); ++index) {
        const QRect span = PeriodRect(day, index);
        spans.push_back({span.left(), span.right()});
    }
    return spans;
}

void GuardScheduleGrid::SelectDay(int day) {
    m_currentDay = day;
    if (!m_controls) {
        return;
    }
    for (int other = 0; other < kScheduleDays; ++other) {
        if (CXPButton* button = m_controls->dayButtons[other].Control()) {
            button->SetSelected(other == day ? 1 : 0);
        }
    }
}

void GuardScheduleGrid::SelectPeriod(int day, int index) {
    m_mode = kSelected;
    m_selected = index;
    const SchedulePeriod& period = m_week[day][index];
    ShowTimeLabels(day, PeriodRect(day, index), period.start, period.end);
    update();
}

void GuardScheduleGrid::ClearSelection() {
    m_mode = kIdle;
    m_selected = -1;
    HideTimeLabels();
    update();
}

void GuardScheduleGrid::ShowTimeLabels(int day, const QRect& span, const QString& start,
                                       const QString& end) {
    if (!m_controls) {
        return;
    }
    const int top = m_bars[day].bottom() + 1;
    m_controls->startLabel.Control()->setText(start);
    m_controls->startLabel.Control()->setGeometry(span.left() - kLabelWidth / 2, top, kLabelWidth,
                                                  kLabelHeight);
    m_controls->endLabel.Control()->setText(end);
    m_controls->endLabel.Control()->setGeometry(span.right() - kLabelWidth / 2, top, kLabelWidth,
                                                kLabelHeight);
    m_controls->startLabel.Show(1);
    m_controls->endLabel.Show(1);
}

void GuardScheduleGrid::HideTimeLabels() {
    if (m_controls) {
        m_controls->startLabel.Show(0);
        m_controls->endLabel.Show(0);
    }
}

// --- buttons -----------------------------------------------------------------------

bool GuardScheduleGrid::OnAutoNotify(const AutoNotification& notification) {
    const bool taken = notification.code == AutoNotify::Clicked && OnCommand(notification.id);
    if (taken) {
        emit Edited();
    }
    return taken;
}

bool GuardScheduleGrid::OnCommand(int id) {
    const bool dayButton =
        id >= ids::kScheduleDayButton && id < ids::kScheduleDayButton + kScheduleDays;
    const bool copyButton = id >= ids::kScheduleCopyTo && id < ids::kScheduleCopyTo + kScheduleDays;
    if (!dayButton && !copyButton && id != ids::kScheduleRuleBatch &&
        id != ids::kScheduleAllClear && id != ids::kScheduleClear &&
        id != ids::kScheduleBatchCheck) {
        return false;
    }
    // A pending drawing or move ends before any button acts.
    if (m_drawing) {
        FinishDrawing();
    }
    if (m_mode == kMoving) {
        FinishMoving();
    }
    if (copyButton) {
        CopyDay(id - ids::kScheduleCopyTo);
    } else if (id == ids::kScheduleRuleBatch) {
        RunRuleBatch();
    } else if (id == ids::kScheduleAllClear) {
        ClearAll();
    } else if (id == ids::kScheduleClear) {
        ClearSelected();
    }
    return true;
}

void GuardScheduleGrid::CopyDay(int day) {
    QPoint position = mapToGlobal(QPoint(width() - kBarRightGap, m_bars[day].bottom()));
    if (m_controls && m_controls->copyButtons[day].Control()) {
        const QWidget* button = m_controls->copyButtons[day].Control();
        position = button->mapToGlobal(QPoint(button->width() + 4, 0));
    }
    QList<int> states;
    if (COkCancelConfigDlg::ShowDayChooser(position, day, kScheduleDays, kPopupDayChooser, states,
                                           this) != 1) {
        return;
    }
    bool changed = false;
    for (int other = 0; other < kScheduleDays && other < states.size(); ++other) {
        if (other != day && states[other]) {
            m_week[other] = m_week[day];
            changed = true;
        }
    }
    if (changed && m_currentDay != day) {
        ClearSelection();  // the selected period may have been replaced
    }
    update();
}

void GuardScheduleGrid::RunRuleBatch() {
    if (!m_ruleBatchAllowed || !m_context) {
        return;
    }
    RebuildRecord();
    OfferRuleBatch(&CSmartXmlParse::SetGuardSchedules, &CSmartXmlParse::GetGuardSchedules,
                   &CompareSchedules, m_record);
}

void GuardScheduleGrid::ClearAll() {
    for (ScheduleDay& day : m_week) {
        day.clear();
    }
    ClearSelection();
}

void GuardScheduleGrid::ClearSelected() {
    if (m_mode != kIdle && m_currentDay >= 0 && m_selected >= 0 &&
        m_selected < static_cast<int>(m_week[m_currentDay].size())) {
        m_week[m_currentDay].erase(m_week[m_currentDay].begin() + m_selected);
    }
    ClearSelection();
}

}  // namespace vexo
