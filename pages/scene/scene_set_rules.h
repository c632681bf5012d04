#pragma once
// The decisions of the scene settings page that need no window: which way
// a press on the direction pad moves the dome, whether a scene may be saved
// under a name, and whether functions may join a scene's function list.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct SceneRecord;

namespace sceneset {

// PTZ command numbers of the pad's eight directions.
enum PtzDirection : int {
    kUp = 6,
    kDown = 7,
    kLeft = 8,
    kRight = 9,
    kLeftUp = 10,
    kRightUp = 11,
    kLeftDown = 12,
    kRightDown = 13,
};

// The angle, in degrees, of a press at (x, y) seen from the pad's centre
// (cx, cy) in the pad's own pixels: 0 to the right, 90 up.
double PadAngle(double cx, double cy, double x, double y);

// The direction of `angle` (degrees). Every range excludes its bounds, and
// whatever no range takes (the bounds themselves, and about 180 degrees)
// moves left.
PtzDirection DirectionOfAngle(double angle);

// Why a scene cannot be saved; kAccepted when it can.
enum class SaveRefusal { kAccepted, kAutoTrackingScene, kEmptyName, kRepeatedName, kIllegalName };

// Checks the edited scene (its kind and token) under `name` against the
// device's scene list. The scene's own record is not compared with itself;
// every other scene is, including the last one of the list. The name is
// taken as SceneName gives it, so a name of blanks only is empty.
SaveRefusal CheckSceneSave(int kind, const QString& token, const QString& name,
                           const std::vector<SceneRecord>& scenes);

// Pairs of analytics functions that one scene cannot run together.
using FunctionConflicts = std::vector<std::pair<QString, QString>>;

// The name a scene is saved under: what was typed, without leading and
// trailing blanks (they cannot be seen in the scene list).
QString SceneName(const QString& typed);

// True when none of `adding` conflicts with a function of `present`.
bool MayAddFunctions(const QStringList& adding, const QStringList& present,
                     const FunctionConflicts& conflicts);

// The first conflict that refuses `adding`: the added function and the
// function of `present` it cannot run with; an empty pair when there is none.
std::pair<QString, QString> FirstConflict(const QStringList& adding, const QStringList& present,
                                          const FunctionConflicts& conflicts);

}  // namespace sceneset
