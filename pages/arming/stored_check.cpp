#include "stored_check.h"

#include "com_str.h"
#include "schedule_week.h"
#include "tour_forms.h"
#include "ui_helpers.h"

namespace vexo {
namespace {

constexpr size_t kMaxLines = 10;

bool Chinese() {
    return TheComStr().Language() == QStringLiteral("chinese");
}

// The counts CompareStored writes in English ("12 points"), in Chinese.
QString Localised(const std::string& text, bool chinese) {
    QString out = QString::fromStdString(text);
    if (!chinese) {
        return out;
    }
    const std::pair<const char*, const char*> units[] = {
        {" points", " 个点"}, {" rectangles", " 个矩形"}, {" positions", " 个位置"}};
    for (const auto& [english, local] : units) {
        if (out.endsWith(QLatin1String(english))) {
            out.chop(static_cast<int>(qstrlen(english)));
            return out + QString::fromUtf8(local);
        }
    }
    return out;
}

// A day's periods as the operator sees them on its bar ("08:00-12:00,
// 13:00-18:00").
std::string DayText(const ScheduleDay& day) {
    QStringList periods;
    for (const SchedulePeriod& period : day) {
        periods << period.start + u'-' + period.end;
    }
    const QString text = periods.isEmpty()
                             ? (Chinese() ? QStringLiteral("无") : QStringLiteral("none"))
                             : periods.join(QStringLiteral(", "));
    return text.toStdString();
}

}  // namespace

StoredDifferences CompareRecords(const ParamRecord& sent, const ParamRecord& stored) {
    return review::CompareStored(ParamRecordJson(sent), ParamRecordJson(stored));
}

StoredDifferences CompareSchedules(const ParamRecord& sent, const ParamRecord& stored) {
    ScheduleWeek sentWeek;
    ScheduleWeek storedWeek;
    ReadScheduleWeek(sent, sentWeek);
    ReadScheduleWeek(stored, storedWeek);
    const QStringList& names = TheComStr().WeekdayNames();
    StoredDifferences out;
    for (int day = 0; day < kScheduleDays; ++day) {
        const QString key = ScheduleDayKey(day);
        if (sent.objectParams.count(key) == 0 || stored.objectParams.count(key) == 0) {
            continue;  // a day the device does not return is no difference
        }
        const std::string a = DayText(sentWeek[day]);
        const std::string b = DayText(storedWeek[day]);
        if (a != b) {
            out.push_back({(day < names.size() ? names[day] : key).toStdString(), a, b});
        }
    }
    return out;
}

StoredDifferences CompareTours(const TourRecord& sent, const TourRecord& stored) {
    return review::CompareStored(SceneTourJson(sent), SceneTourJson(stored));
}

QString SaveReport(const QString& saveSuccess, const StoredDifferences& differences, bool chinese) {
    if (differences.empty()) {
        return saveSuccess;
    }
    QString text = (saveSuccess.isEmpty() ? QString() : saveSuccess + u'\n') +
                   (chinese ? QStringLiteral("设备保存的值与发送的不同：")
                            : QStringLiteral("The device stored some values differently:"));
    for (size_t i = 0; i < differences.size() && i < kMaxLines; ++i) {
        const auto& difference = differences[i];
        const QString name = QString::fromStdString(difference.name);
        const QString sent = Localised(difference.sent, chinese);
        const QString stored = Localised(difference.stored, chinese);
        text += u'\n' + (chinese ? QStringLiteral("%1：发送 %2，保存为 %3")
                                 : QStringLiteral("%1: sent %2, stored %3"))
                            .arg(name, sent, stored);
    }
    if (differences.size() > kMaxLines) {
        const int more = static_cast<int>(differences.size() - kMaxLines);
        text += u'\n' +
                (chinese ? QStringLiteral("另有 %1 项") : QStringLiteral("and %1 more")).arg(more);
    }
    return text;
}

QString SaveSuccessText(const StoredDifferences& differences) {
    return SaveReport(TheComStr()->saveSuccess, differences, Chinese());
}

void ShowSaveSuccess(const StoredDifferences& differences) {
    ShowMessage(SaveSuccessText(differences), TheComStr()->tips);
}

}  // namespace vexo
