#include "scene_name_clock.h"

#include <QTimeZone>
#include <QtGlobal>

namespace vexo {

QString SceneNameAt(const QDateTime& utc) {
    const QDateTime time = utc.toUTC();
    const QDate date = time.date();
    const QTime clock = time.time();
    return QString::asprintf("%02d%02d%02d%02d%02d%02d%d", date.year(), date.month(), date.day(),
                             clock.hour(), clock.minute(), clock.second(), clock.msec());
}

QDateTime SceneClockNow() {
    const QString pinned = qEnvironmentVariable(kSceneClockVariable);
    if (!pinned.isEmpty()) {
        const QDateTime time = QDateTime::fromString(pinned, Qt::ISODateWithMs);
        if (time.isValid()) {
            return time.toUTC();
        }
    }
    return QDateTime::currentDateTimeUtc();
}

}  // namespace vexo
