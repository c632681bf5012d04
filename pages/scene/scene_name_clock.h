#pragma once
// The name a new scene gets: the UTC time it was created, written
// "%02d%02d%02d%02d%02d%02d%d" from year, month, day, hour, minute, second
// and millisecond (2020-01-02 09:05:07.003 UTC gives "202001020905073").
//
// The clock can be pinned for tests: when the environment variable
// VEXO_TEST_SCENE_CLOCK holds an ISO 8601 UTC time with milliseconds
// ("2020-01-02T09:05:07.003Z"), every new scene is named from that instant
// instead of the system clock. Nothing else reads the variable, and an
// unreadable value is ignored.

#include <QDateTime>
#include <QString>

namespace vexo {

inline constexpr char kSceneClockVariable[] = "VEXO_TEST_SCENE_CLOCK";

QString SceneNameAt(const QDateTime& utc);
// Now in UTC, or the pinned instant.
QDateTime SceneClockNow();

}  // namespace vexo
