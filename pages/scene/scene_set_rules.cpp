#include "scene_set_rules.h"

#include <cmath>
#include <numbers>

#include "command_records.h"

namespace sceneset {

double PadAngle(double cx, double cy, double x, double y) {
    // Radians times one constant factor: unlike "* 180 / pi" this reaches
    // every bound of the direction table exactly (69 degrees included), so
    // a press that lies on a bound is taken as the bound.
    constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
    return std::atan2(cy - y, x - cx) * kDegreesPerRadian;
}

PtzDirection DirectionOfAngle(double a) {
    // Checked in this order; the bounds belong to no range.
    if (a > 114 && a < 158) {
        return kLeftUp;
    }
    if (a > 69 && a < 114) {
        return kUp;
    }
    if (a > 23 && a < 69) {
        return kRightUp;
    }
    if (a > -23 && a < 23) {
        return kRight;
    }
    if (a > -69 && a < -23) {
        return kRightDown;
    }
    if (a > -114 && a < -69) {
        return kDown;
    }
    if (a > -158 && a < -114) {
        return kLeftDown;
    }
    return kLeft;
}

SaveRefusal CheckSceneSave(int kind, const QString& token, const QString& name,
                           const std::vector<SceneRecord>& scenes) {
    if (kind == 0) {
        return SaveRefusal::kAutoTrackingScene;
    }
    const QString saved = SceneName(name);
    if (saved.isEmpty()) {
        return SaveRefusal::kEmptyName;
    }
    for (const SceneRecord& scene : scenes) {
        if (scene.token != token && scene.name == saved) {
            return SaveRefusal::kRepeatedName;
        }
    }
    if (saved.contains(u'&')) {
        return SaveRefusal::kIllegalName;
    }
    return SaveRefusal::kAccepted;
}

QString SceneName(const QString& typed) {
    return typed.trimmed();
}

bool MayAddFunctions(const QStringList& adding, const QStringList& present,
                     const FunctionConflicts& conflicts) {
    return FirstConflict(adding, present, conflicts).first.isEmpty();
}

std::pair<QString, QString> FirstConflict(const QStringList& adding, const QStringList& present,
                                          const FunctionConflicts& conflicts) {
    for (const auto& [first, second] : conflicts) {
        for (const QString& added : adding) {
            if (added == first && present.contains(second)) {
                return {first, second};
            }
            if (added == second && present.contains(first)) {
                return {second, first};
            }
        }
    }
    return {};
}

}  // namespace sceneset
