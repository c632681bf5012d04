#include "schedule_week.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace vexo {
namespace {

constexpr int kDayMinutes = 1440;
constexpr int kMinutesLimit = 1000000;
// A new period stops this far before the next one; at the bar's end it may
// reach this far past it (and is then clamped to the bar).
constexpr int kGapMargin = 5;

// Decimal number at the start of `text` (after blanks, with an optional
// sign), as C's atoi reads it, limited to 0 .. kMinutesLimit.
int LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+')) {
        negative = trimmed[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < trimmed.size() && trimmed[i].isDigit() && trimmed[i].unicode() < 128; ++i) {
        value = std::min<long long>(value * 10 + (trimmed[i].unicode() - u'0'), kMinutesLimit);
    }
    return negative ? 0 : static_cast<int>(value);
}

}  // namespace

QString ScheduleDayKey(int day) {
    static const char* const kKeys[kScheduleDays] = {"Mon", "Tue", "Wed", "Thu",
                                                     "Fri", "Sat", "Sun"};
    return day >= 0 && day < kScheduleDays ? QString::fromLatin1(kKeys[day]) : QString();
}

QString ScheduleTimeText(int minutes) {
    minutes = std::clamp(minutes, 0, kMinutesLimit);
    return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
}

int ScheduleMinutes(const QString& timeText) {
    const qsizetype colon = timeText.indexOf(u':');
    const int hours = LeadingNumber(colon < 0 ? timeText : timeText.left(colon));
    const int minutes = colon < 0 ? 0 : LeadingNumber(timeText.mid(colon + 1));
    return std::min(hours * 60 + minutes, kMinutesLimit);  // both <= 1e6: no overflow
}

int HourLabelStep(int barWidth, int labelWidth) {
    // Steps that divide 24, so that 24 keeps its label.
    constexpr int kSteps[] = {1, 2, 4, 6, 12};
    constexpr int kLabelGap = 4;
    for (const int step : kSteps) {
        if (static_cast<double>(barWidth) * step / 24.0 >= labelWidth + kLabelGap) {
            return step;
        }
    }
    return 12;
}

int SnapScheduleMinutes(int minutes) {
    const int step = kScheduleStepMinutes;
    const int snapped = (std::clamp(minutes, 0, kDayMinutes) + step / 2) / step * step;
    return std::min(snapped, kDayMinutes);
}

int TypedScheduleMinutes(const QString& text) {
    static const QRegularExpression kTime(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = kTime.match(text.trimmed());
    if (!match.hasMatch()) {
        return -1;
    }
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int total = hours * 60 + minutes;
    return minutes < 60 && total <= kDayMinutes ? total : -1;
}

TypedPeriodError CheckTypedPeriod(const ScheduleDay& day, int index, int start, int end) {
    if (start < 0 || end < 0) {
        return TypedPeriodError::Format;
    }
    if (end <= start) {
        return TypedPeriodError::EndNotAfterStart;
    }
    for (int other = 0; other < static_cast<int>(day.size()); ++other) {
        if (other != index && ScheduleMinutes(day[other].start) < end &&
            start < ScheduleMinutes(day[other].end)) {
            return TypedPeriodError::Overlap;
        }
    }
    return TypedPeriodError::None;
}

int DayScale::MinutesAt(int x) const {
    const int l = left + 1;
    const int r = right;
    if (x < l || r <= l) {
        return 0;
    }
    if (x > r) {
        return kDayMinutes;
    }
    const double minutes = static_cast<double>(x - l) / (r - l) * kDayMinutes + 0.5;
    return std::clamp(static_cast<int>(minutes), 0, kDayMinutes);
}

int DayScale::PixelOf(int minutes) const {
    const int l = left + 1;
    const int r = right;
    return static_cast<int>(static_cast<double>(minutes) / kDayMinutes * (r - l) + 0.5 + l);
}

FreeGap FreeGapAround(const std::vector<PixelSpan>& spans, int x, int barLeft, int barRight) {
    FreeGap gap{barLeft, barRight + kGapMargin};
    bool periodOnRight = false;
    int right = barRight;
    for (const PixelSpan& span : spans) {
        if (span.start >= x && (!periodOnRight || span.start < right)) {
            right = span.start;
            periodOnRight = true;
        }
        if (span.end <= x && span.end > gap.left) {
            gap.left = span.end;
        }
    }
    if (periodOnRight) {
        gap.right = right - kGapMargin;
    }
    return gap;
}

FreeGap FreeGapForMove(const std::vector<PixelSpan>& spans, size_t moving, int barLeft,
                       int barRight) {
    FreeGap gap{barLeft, barRight};
    if (moving >= spans.size()) {
        return gap;
    }
    const PixelSpan& self = spans[moving];
    for (size_t i = 0; i < spans.size(); ++i) {
        if (i == moving) {
            continue;
        }
        if (spans[i].end <= self.start && spans[i].end > gap.left) {
            gap.left = spans[i].end;
        }
        if (spans[i].start >= self.end && spans[i].start < gap.right) {
            gap.right = spans[i].start;
        }
    }
    return gap;
}

void ReadScheduleWeek(const ParamRecord& record, ScheduleWeek& week) {
    for (ScheduleDay& day : week) {
        day.clear();
    }
    for (int day = 0; day < kScheduleDays; ++day) {
        const auto found = record.objectParams.find(ScheduleDayKey(day));
        if (found == record.objectParams.end()) {
            continue;
        }
        // The attributes come in their names' text order ("GuardTime 10"
        // before "GuardTime 2"), as the device's own editors read them.
        for (const auto& [name, value] : found->second.attributes) {
            if (week[day].size() == kMaxPeriodsPerDay) {
                break;
            }
            const qsizetype bar = value.indexOf(u'|');
            const int start = bar < 0 ? 0 : LeadingNumber(value.left(bar));
            const int end = LeadingNumber(bar < 0 ? value : value.mid(bar + 1));
            week[day].push_back({ScheduleTimeText(start), ScheduleTimeText(end)});
        }
    }
}

void WriteScheduleWeek(const ScheduleWeek& week, ParamRecord& record) {
    for (int day = 0; day < kScheduleDays; ++day) {
        ParamValue& value = record.objectParams[ScheduleDayKey(day)];
        value.attributes.clear();
        int position = 1;
        for (const SchedulePeriod& period : week[day]) {
            value.attributes[QString::asprintf("GuardTime %d", position++)] = QString::asprintf(
                "%d|%d", ScheduleMinutes(period.start), ScheduleMinutes(period.end));
        }
    }
}

}  // namespace vexo
