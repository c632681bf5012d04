#pragma once
// The rules both scene tours follow, apart from their widgets: which scenes
// a row may name, how a stay time is checked against the device's range,
// when a timer row's window may move, and how rows are named.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "command_records.h"

namespace vexo::tour {

// The tour types as the device names them.
inline constexpr char kNormalTourType[] = "NormalSceneTour";
inline constexpr char kTimerTourType[] = "TimeSceneTour";
// Row attributes.
inline constexpr char kSceneTokenAttribute[] = "AnalyticsConfigurationToken";
inline constexpr char kStayTimeAttribute[] = "StayTime";
inline constexpr char kClearFlagAttribute[] = "ClearFlag";
inline constexpr char kStartTimeAttribute[] = "StartTime";
inline constexpr char kEndTimeAttribute[] = "EndTime";

// What a row's scene choice offers: "None" (no scene, the empty token)
// first, then every scene but the device's default scene, in list order.
struct SceneChoices {
    QStringList texts;
    QStringList tokens;  // tokens[i] belongs to texts[i]; tokens[0] is empty
};
SceneChoices BuildSceneChoices(const std::vector<SceneRecord>& scenes, const QString& noneText);
// The entry that shows `token`; 0 ("None") when no offered scene has it.
int ChoiceOfToken(const SceneChoices& choices, const QString& token);

// "TRUE", "true" and "True" read as true; anything else as false.
bool IsTrueText(const QString& text);

// The allowed stay times, from the device's range answer ("minInclusive",
// "maxInclusive"); empty when the answer lacks either or they are not
// decimal integers.
struct StayRange {
    int minimum = 0;
    int maximum = 0;
};
std::optional<StayRange> StayRangeOf(const ParamRange& range);
// A stay time typed by the operator: a decimal integer inside `range`.
// Without a known range every integer is taken (the device has the last
// word when the tour is saved).
bool IsStayTimeAllowed(const QString& text, const std::optional<StayRange>& range, int& value);
// The refusal text: "out of range" followed by ":", min, "-" and max.
QString OutOfRangeText(const QString& outOfRange, const StayRange& range);

// A time written "HH:MM" (two digits each, hours 0 to 24, minutes 0 to 59,
// "24:00" the only time with hour 24) as minutes of the day; -1 for
// anything else, which is the device's broken value.
int MinutesOfTime(const QString& text);
// The choices offered for start and end: whole hours "%02d:00".
QString HourText(int hour);

// One timer row's window in minutes; a malformed time counts as -1.
struct TimeWindow {
    int start = 0;
    int end = 0;
};
enum class WindowCheck { Accepted, Overlap, EndNotAfterStart };
// Moving row `row`'s start (or end) to `minutes`: refused when the time
// lies strictly inside another row's window, or when the row's start would
// not come before its end.
WindowCheck CheckStartChange(const std::vector<TimeWindow>& windows, int row, int minutes);
WindowCheck CheckEndChange(const std::vector<TimeWindow>& windows, int row, int minutes);

// Row names: "Tour" and a number.
QString RowName(int number);
// The number in the name of the tour data's first "Tour" entry (in key
// order); 0 when there is none or it carries no number.
int FirstRowNumber(const TourRecord& tour);
// The timer tour names row i "Tour" + ((first div 13) * 13 + i).
int TimerRowNumber(int firstNumber, int row);

}  // namespace vexo::tour
