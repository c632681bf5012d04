#include "timer_scene_tour_body.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>

#include "com_str.h"

namespace tour = vexo::tour;

namespace {

constexpr const char* kDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr char kEnabledValue[] = "Enabled";

// The mode and week days take one band above the rows.
constexpr int kModeBand = 44;
constexpr int kIndexColumn = 20;
constexpr int kSceneColumn = 120;
constexpr int kSceneWidth = 260;
constexpr int kStartColumn = 440;
constexpr int kEndColumn = 640;
constexpr int kTimeWidth = 120;

QString TrueFalse(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

CTimerSceneTourBody::CTimerSceneTourBody(CSmartXmlParse* context,
                                         const std::vector<SceneRecord>* scenes)
    : CSceneTourBodyBase(tour::kTimerTourType, context, scenes) {}

CTimerSceneTourBody::~CTimerSceneTourBody() {
    DestroyControls();
}

void CTimerSceneTourBody::DestroyControls() {
    startChoices_.clear();
    endChoices_.clear();
    modeChoice_.reset();
    dayChecks_.clear();
    CSceneTourBodyBase::DestroyControls();
}

std::vector<QString> CTimerSceneTourBody::RowEntryNames() const {
    const int first = tour::FirstRowNumber(record_);
    std::vector<QString> names;
    for (int i = 0; i < static_cast<int>(record_.entries.size()) && i < kMaxRows; ++i) {
        names.push_back(tour::RowName(tour::TimerRowNumber(first, i)));
    }
    return names;
}

void CTimerSceneTourBody::BuildModeAndDays() {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const int left = Area().left() + kIndexColumn;
    const int top = Area().top() + 8;
    AddLabel(texts.mode, left, top + 4);
    modeChoice_ = std::make_unique<vexo::CAutoComboBox>();
    modeChoice_->Create(kModeChoiceId, Parent(), QRect(left + 84, top, 90, 28));
    modeChoice_->AddString(texts.on, QStringLiteral("true"));
    modeChoice_->AddString(texts.off, QStringLiteral("false"));
    const auto enabled = record_.plainValues.find(QString::fromLatin1(kEnabledValue));
    modeChoice_->SetCurSel(
        enabled != record_.plainValues.end() && tour::IsTrueText(enabled->second) ? 0 : 1);

    AddLabel(texts.schedule, left + 196, top + 4);
    const QStringList& days = vexo::TheComStr().WeekdayNames();
    int x = left + 290;
    bool everyDay = true;
    for (int day = 0; day < 7; ++day) {
        const auto value = record_.plainValues.find(QString::fromLatin1(kDayNames[day]));
        const bool on = value != record_.plainValues.end() && tour::IsTrueText(value->second);
        everyDay = everyDay && on;
        auto check = std::make_unique<vexo::CAutoBtnPush>();
        check->Create(kDayCheckId + day, Parent(), QRect(x, top, 96, 28), vexo::kAutoStyleNone,
                      day < days.size() ? days[day] : QString::fromLatin1(kDayNames[day]));
        check->SetCheck(on ? 1 : 0);
        // Each day takes the room its name needs: "Wednesday" is wider than
        // the Chinese names and must not run into the next box.
        const int width = std::max(88, check->Control()->sizeHint().width() + 4);
        check->Control()->resize(width, 28);
        dayChecks_.push_back(std::move(check));
        x += width + 12;
    }
    auto every = std::make_unique<vexo::CAutoBtnPush>();
    every->Create(kEveryDayCheckId, Parent(), QRect(x, top, 120, 28), vexo::kAutoStyleNone,
                  texts.everyDay);
    every->SetCheck(everyDay ? 1 : 0);
    dayChecks_.push_back(std::move(every));
}

void CTimerSceneTourBody::BuildRows() {
    BuildModeAndDays();
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const int left = Area().left();
    const int top = Area().top() + kModeBand + 8;
    AddLabel(texts.index, left + kIndexColumn, top);
    AddLabel(texts.scene, left + kSceneColumn, top);
    AddLabel(texts.startTime, left + kStartColumn, top);
    AddLabel(texts.endTime, left + kEndColumn, top);

    for (int row = 0; row < RowCount(); ++row) {
        QRect line = RowRect(row);
        line.translate(0, kModeBand);
        const int height = std::min(line.height() - 4, 28);
        const int y = line.top() + (line.height() - height) / 2;
        AddLabel(QString::number(row + 1), left + kIndexColumn + 4, y + 4);
        CreateSceneChoice(row, QRect(left + kSceneColumn, y, kSceneWidth, height));
        const bool editable = RowEntry(row) != nullptr;
        for (const bool start : {true, false}) {
            auto choice = std::make_unique<vexo::CAutoComboBox>();
            choice->Create(
                (start ? kStartChoiceId : kEndChoiceId) + row, Parent(),
                QRect(left + (start ? kStartColumn : kEndColumn), y, kTimeWidth, height));
            for (int hour = 0; hour < kHourChoices; ++hour) {
                choice->AddString(tour::HourText(hour));
            }
            ShowRowTime(*choice, RowAttribute(row, start ? tour::kStartTimeAttribute
                                                         : tour::kEndTimeAttribute));
            choice->Control()->setEnabled(editable);
            (start ? startChoices_ : endChoices_).push_back(std::move(choice));
        }
    }
}

void CTimerSceneTourBody::ShowRowTime(vexo::CAutoComboBox& choice, const QString& time) {
    const int minutes = tour::MinutesOfTime(time);
    const bool wholeHour = minutes >= 0 && minutes % 60 == 0;
    // A time between whole hours, or a broken one, shows no choice until one
    // is made, and shows the device's text as it is: the row keeps that text
    // unless the operator picks an hour.
    choice.SetCurSel(wholeHour ? minutes / 60 : -1);
    if (QComboBox* box = choice.Control()) {
        box->setPlaceholderText(wholeHour ? QString() : time);
    }
}

std::vector<tour::TimeWindow> CTimerSceneTourBody::Windows() const {
    std::vector<tour::TimeWindow> windows;
    for (int row = 0; row < RowCount(); ++row) {
        windows.push_back({tour::MinutesOfTime(RowAttribute(row, tour::kStartTimeAttribute)),
                           tour::MinutesOfTime(RowAttribute(row, tour::kEndTimeAttribute))});
    }
    return windows;
}

void CTimerSceneTourBody::OnTimeChoice(int id) {
    const bool start = id < kEndChoiceId;
    const int row = id - (start ? kStartChoiceId : kEndChoiceId);
    auto& choices = start ? startChoices_ : endChoices_;
    if (row < 0 || row >= static_cast<int>(choices.size())) {
        return;
    }
    vexo::CAutoComboBox& choice = *choices[row];
    const char* attribute = start ? tour::kStartTimeAttribute : tour::kEndTimeAttribute;
    const int hour = choice.GetCurSel();
    if (hour < 0) {
        return;
    }
    const int minutes = hour * 60;
    const tour::WindowCheck check = start ? tour::CheckStartChange(Windows(), row, minutes)
                                          : tour::CheckEndChange(Windows(), row, minutes);
    if (check == tour::WindowCheck::Accepted) {
        SetRowAttribute(row, attribute, tour::HourText(hour));
        return;
    }
    ShowRowTime(choice, RowAttribute(row, attribute));
    ShowTip(check == tour::WindowCheck::Overlap ? vexo::TheComStr()->periodsOverlap
                                                : vexo::TheComStr()->endBeforeStart);
}

void CTimerSceneTourBody::OnModeChoice() {
    if (modeChoice_ && modeChoice_->GetCurSel() >= 0) {
        record_.plainValues[QString::fromLatin1(kEnabledValue)] =
            modeChoice_->RawValue(modeChoice_->GetCurSel());
    }
}

void CTimerSceneTourBody::OnDayCheck(int day) {
    if (day < 0 || day >= static_cast<int>(dayChecks_.size())) {
        return;
    }
    if (day == 7) {
        // "Every day" ticks all seven; unticking it leaves the days alone.
        if (dayChecks_[7]->GetCheck()) {
            for (int i = 0; i < 7; ++i) {
                dayChecks_[i]->SetCheck(1);
            }
        }
    } else {
        bool all = true;
        for (int i = 0; i < 7; ++i) {
            all = all && dayChecks_[i]->GetCheck();
        }
        dayChecks_[7]->SetCheck(all ? 1 : 0);
    }
    StoreRows();
}

void CTimerSceneTourBody::StoreRows() {
    // Row attributes are written as they change; the mode and the week days
    // go back here. Values the device never sent are not invented.
    OnModeChoice();
    for (int day = 0; day < 7 && day < static_cast<int>(dayChecks_.size()); ++day) {
        const QString name = QString::fromLatin1(kDayNames[day]);
        const bool wasSent = record_.plainValues.count(name) != 0;
        const bool on = dayChecks_[day]->GetCheck() != 0;
        if (wasSent || on) {
            record_.plainValues[name] = TrueFalse(on);
        }
    }
}

bool CTimerSceneTourBody::OnNotify(const vexo::AutoNotification& notification) {
    const int id = notification.id;
    const int rows = static_cast<int>(sceneChoices_.size());
    if (notification.code == vexo::AutoNotify::SelChange) {
        if (id >= kSceneChoiceId && id < kSceneChoiceId + rows) {
            OnSceneChoice(id - kSceneChoiceId);
            return true;
        }
        if ((id >= kStartChoiceId && id < kStartChoiceId + rows) ||
            (id >= kEndChoiceId && id < kEndChoiceId + rows)) {
            OnTimeChoice(id);
            return true;
        }
        if (id == kModeChoiceId) {
            OnModeChoice();
            return true;
        }
    }
    if (notification.code == vexo::AutoNotify::Clicked && id >= kDayCheckId &&
        id <= kEveryDayCheckId) {
        OnDayCheck(id - kDayCheckId);
        return true;
    }
    return false;
}
