#include "scene_tour_rules.h"

#include <QRegularExpression>

namespace vexo::tour {

namespace {

constexpr int kMaxRowNumber = 1000000;

bool ReadDecimal(const QString& text, int& value) {
    bool ok = false;
    const int read = text.trimmed().toInt(&ok, 10);
    if (ok) {
        value = read;
    }
    return ok;
}

bool StrictlyInsideOther(const std::vector<TimeWindow>& windows, int row, int minutes) {
    for (int i = 0; i < static_cast<int>(windows.size()); ++i) {
        if (i != row && minutes > windows[i].start && minutes < windows[i].end) {
            return true;
        }
    }
    return false;
}

}  // namespace

SceneChoices BuildSceneChoices(const std::vector<SceneRecord>& scenes, const QString& noneText) {
    SceneChoices choices;
    choices.texts.append(noneText);
    choices.tokens.append(QString());
    for (const SceneRecord& scene : scenes) {
        if (scene.kind != kDefaultScene) {
            choices.texts.append(scene.name);
            choices.tokens.append(scene.token);
        }
    }
    return choices;
}

int ChoiceOfToken(const SceneChoices& choices, const QString& token) {
    if (token.isEmpty()) {
        return 0;
    }
    const int index = static_cast<int>(choices.tokens.indexOf(token));
    return index < 0 ? 0 : index;
}

bool IsTrueText(const QString& text) {
    return text == QLatin1String("TRUE") || text == QLatin1String("true") ||
           text == QLatin1String("True");
}

std::optional<StayRange> StayRangeOf(const ParamRange& range) {
    const auto minimum = range.rangeMap.find(QStringLiteral("minInclusive"));
    const auto maximum = range.rangeMap.find(QStringLiteral("maxInclusive"));
    StayRange stay;
    if (minimum == range.rangeMap.end() || maximum == range.rangeMap.end() ||
        !ReadDecimal(minimum->second, stay.minimum) ||
        !ReadDecimal(maximum->second, stay.maximum)) {
        return std::nullopt;
    }
    return stay;
}

bool IsStayTimeAllowed(const QString& text, const std::optional<StayRange>& range, int& value) {
    int read = 0;
    if (!ReadDecimal(text, read)) {
        return false;
    }
    if (range && (read < range->minimum || read > range->maximum)) {
        return false;
    }
    value = read;
    return true;
}

QString OutOfRangeText(const QString& outOfRange, const StayRange& range) {
    return QStringLiteral("%1:%2-%3").arg(outOfRange).arg(range.minimum).arg(range.maximum);
}

int MinutesOfTime(const QString& text) {
    // Exactly the device's "HH:MM"; "24:00" is the end of the day and the
    // only time with hour 24. Anything else is a broken value, never read
    // as a nearby time.
    static const QRegularExpression form(QStringLiteral("^([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return -1;
    }
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    if (hours > 24 || minutes > 59 || (hours == 24 && minutes != 0)) {
        return -1;
    }
    return hours * 60 + minutes;
}

QString HourText(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

WindowCheck CheckStartChange(const std::vector<TimeWindow>& windows, int row, int minutes) {
    if (StrictlyInsideOther(windows, row, minutes)) {
        return WindowCheck::Overlap;
    }
    if (row < 0 || row >= static_cast<int>(windows.size()) || minutes >= windows[row].end) {
        return WindowCheck::EndNotAfterStart;
    }
    return WindowCheck::Accepted;
}

WindowCheck CheckEndChange(const std::vector<TimeWindow>& windows, int row, int minutes) {
    if (StrictlyInsideOther(windows, row, minutes)) {
        return WindowCheck::Overlap;
    }
    if (row < 0 || row >= static_cast<int>(windows.size()) || minutes <= windows[row].start) {
        return WindowCheck::EndNotAfterStart;
    }
    return WindowCheck::Accepted;
}

QString RowName(int number) {
    return QStringLiteral("Tour%1").arg(number);
}

int FirstRowNumber(const TourRecord& tour) {
    for (const auto& [name, entry] : tour.entries) {
        if (name.startsWith(QLatin1String("Tour"))) {
            int number = 0;
            // Numbers past any real tour are not taken: rows are counted on
            // from this one.
            return ReadDecimal(name.mid(4), number) && number >= 0 && number <= kMaxRowNumber
                       ? number
                       : 0;
        }
    }
    return 0;
}

int TimerRowNumber(int firstNumber, int row) {
    return (firstNumber / 13) * 13 + row;
}

}  // namespace vexo::tour
