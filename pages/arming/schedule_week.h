#pragma once
// The guard schedule as the editor keeps it: seven days (Monday first), each
// an ordered list of periods whose start and end are "HH:MM" texts from
// "00:00" to "24:00". This file holds the editor's rules that need no
// window: the time scale of a day bar, the free gap a new or moved period
// may occupy, and the wire form of the week in a parameter record.

#include <QString>
#include <array>
#include <vector>

#include "param_record.h"

namespace vexo {

struct SchedulePeriod {
    QString start;  // "%02d:%02d"
    QString end;
    bool operator==(const SchedulePeriod&) const = default;
};
using ScheduleDay = std::vector<SchedulePeriod>;
inline constexpr int kScheduleDays = 7;
using ScheduleWeek = std::array<ScheduleDay, kScheduleDays>;
inline constexpr size_t kMaxPeriodsPerDay = 256;

// The record keys of the days, Monday first: "Mon" ... "Sun".
QString ScheduleDayKey(int day);

// Minutes since midnight as "%02d:%02d" (minutes div 60, minutes mod 60).
QString ScheduleTimeText(int minutes);
// Hours * 60 + minutes of a "HH:MM" text (the hours alone when there is no
// ":"); parts that are not numbers count 0. A device's odd values are kept
// as read, but the result is limited to 0 .. 1,000,000 so that no sum
// overflows.
int ScheduleMinutes(const QString& timeText);

// Periods drawn with the mouse take whole steps of this many minutes.
inline constexpr int kScheduleStepMinutes = 5;
// `minutes` rounded to the nearest whole step, within 0 .. 1440.
int SnapScheduleMinutes(int minutes);

// A typed time: "H:MM" or "HH:MM" with minutes below 60, at most "24:00".
// Returns the minutes since midnight, or -1 for any other text.
int TypedScheduleMinutes(const QString& text);

// Why typed times cannot become period `index` of `day` (-1: a new one).
enum class TypedPeriodError { None, Format, EndNotAfterStart, Overlap };
TypedPeriodError CheckTypedPeriod(const ScheduleDay& day, int index, int start, int end);

// The time scale of one day bar: 1440 minutes from `left` + 1 to `right`.
struct DayScale {
    int left = 0;   // the bar's left edge
    int right = 0;  // the bar's right edge
    // Minutes at pixel `x`, rounded; a start left of the scale is 0, an end
    // right of it 1440.
    int MinutesAt(int x) const;
    // The pixel that shows `minutes`.
    int PixelOf(int minutes) const;
};

// Every how many hours the scale above a day bar `barWidth` pixels wide
// writes its hour: 1, 2, 4, 6 or 12, the first whose labels (`labelWidth`
// pixels each, at least 4 pixels apart) do not run together. The labels
// always include 00 and 24.
int HourLabelStep(int barWidth, int labelWidth);

// The space a new period may occupy around pixel `x` of a day bar whose
// periods span the pixel ranges `spans` (each [start, end]): from the
// nearest period end left of `x` (or the bar's left end) to the nearest
// period start right of `x` less 5 pixels (or the bar's right end plus 5).
struct FreeGap {
    int left = 0;
    int right = 0;
};
struct PixelSpan {
    int start = 0;
    int end = 0;
};
FreeGap FreeGapAround(const std::vector<PixelSpan>& spans, int x, int barLeft, int barRight);
// The space a period moved along its bar may occupy: between its
// neighbours' spans (all `spans` but the one at `moving`) and the bar ends.
FreeGap FreeGapForMove(const std::vector<PixelSpan>& spans, size_t moving, int barLeft,
                       int barRight);

// Reads the days of a schedule record ("Mon" ... "Sun" object parameters):
// each attribute, in ascending name order, is one period "start|end" in
// minutes. A value without "|" starts at "00:00" and ends at the whole
// value; halves that are not numbers read as 0. Other parameters are
// ignored. The week is emptied first. A day keeps at most
// kMaxPeriodsPerDay periods: a device sends far fewer, and a broken one must
// not make every repaint draw a million periods.
void ReadScheduleWeek(const ParamRecord& record, ScheduleWeek& week);

// Writes the week into `record`: each day's object parameter (created when
// missing) gets exactly one attribute per period, "GuardTime 1" onwards,
// valued "%d|%d" in minutes. Everything else in the record stays.
void WriteScheduleWeek(const ScheduleWeek& week, ParamRecord& record);

}  // namespace vexo
