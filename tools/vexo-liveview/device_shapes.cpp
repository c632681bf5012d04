#include "device_shapes.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

#include "command_records.h"
#include "device_command_channel.h"
#include "vexonet.h"

namespace liveview {

namespace {

constexpr size_t kMinRegionPoints = 3;
constexpr size_t kMaxRegionPoints = 8;

PointF OntoPicture(PointF p) {
    auto clamp = [](float v) { return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f; };
    return {clamp(p.X), clamp(p.Y)};
}

QString SourceOf(const ParamRecord& record, const QString& parameter) {
    return record.funName + QStringLiteral(" / ") + record.token + QStringLiteral(" / ") +
           parameter;
}

// Takes the first shapes of each kind that a rule carries. Modules give
// only points: their lines and regions (horizon, shielded areas) are not
// rule shapes.
void CollectShapes(const ParamRecord& record, LiveShapes& shapes, bool pointsOnly) {
    for (const auto& [name, value] : record.objectParams) {
        for (const std::vector<PointF>& polygon : value.polygons) {
            if (pointsOnly) {
                break;
            }
            if (!shapes.region && polygon.size() >= kMinRegionPoints &&
                polygon.size() <= kMaxRegionPoints) {
                ShapeRegion region;
                std::transform(polygon.begin(), polygon.end(), std::back_inserter(region.points),
                               OntoPicture);
                region.source = SourceOf(record, name);
                shapes.region = region;
            } else if (!shapes.wire && polygon.size() == 2) {
                const auto direction = record.plainParams.find(QStringLiteral("Direction"));
                ShapeWire wire;
                wire.start = OntoPicture(polygon[0]);
                wire.end = OntoPicture(polygon[1]);
                wire.direction = WireDirectionDigit(
                    direction == record.plainParams.end() ? QString() : direction->second);
                wire.source = SourceOf(record, name);
                shapes.wire = wire;
            }
        }
        if (!shapes.point && !value.points.empty()) {
            shapes.point = ShapePoint{OntoPicture(value.points.front()), SourceOf(record, name)};
        }
    }
}

// After a failed command: whether the device itself is out of reach, as
// opposed to refusing one command. The reads run on the window's thread,
// so they stop at the first sign of that instead of waiting out one
// time-out per command.
bool DeviceOutOfReach() {
    switch (VEXONET_GetLastError()) {
        case VEXONET_ERR_CONNECT:
        case VEXONET_ERR_TIMEOUT:
        case VEXONET_ERR_NETWORK:
            return true;
        default:
            return false;
    }
}

bool Complete(const LiveShapes& shapes) {
    return shapes.region && shapes.wire && shapes.point;
}

QString SelectedScene(DeviceCommandChannel& channel) {
    std::vector<SceneRecord> scenes;
    if (!channel.GetSceneList(scenes) || scenes.empty()) {
        return {};
    }
    const auto selected = std::find_if(scenes.begin(), scenes.end(),
                                       [](const SceneRecord& s) { return s.selected == 1; });
    return selected != scenes.end() ? selected->token : scenes.front().token;
}

}  // namespace

int WireDirectionDigit(const QString& direction) {
    if (direction.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
        return 0;
    }
    if (direction.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0) {
        return 2;
    }
    return 1;
}

LiveShapes ReadDeviceShapes(DeviceCommandChannel& channel) {
    LiveShapes shapes;
    const QString scene = SelectedScene(channel);
    if (scene.isEmpty()) {
        return shapes;
    }
    QStringList allFunctions;
    QStringList enabled;
    if (channel.GetAllSupportSmartFunName(scene, allFunctions)) {
        channel.GetSceneSmartFuns(scene, enabled);
    } else if (DeviceOutOfReach()) {
        return shapes;
    }
    for (const QString& function : enabled) {
        QStringList rules;
        if (!channel.QueryRule(scene, function, rules)) {
            if (DeviceOutOfReach()) {
                return shapes;
            }
            continue;
        }
        for (const QString& rule : rules) {
            ParamRecord record;
            record.funName = function;
            record.token = rule;
            if (channel.GetRuleParam(scene, record)) {
                CollectShapes(record, shapes, false);
            } else if (DeviceOutOfReach()) {
                return shapes;
            }
            if (Complete(shapes)) {
                return shapes;
            }
        }
    }
    if (shapes.point) {
        return shapes;
    }
    std::map<QString, QString> modules;
    if (channel.GetSceneModuleList(scene, modules)) {
        for (const auto& [name, unused] : modules) {
            ParamRecord record;
            record.funName = name;
            if (channel.GetModuleParam(scene, record)) {
                // A module's record names no rule: its source is the module.
                record.token = scene;
                CollectShapes(record, shapes, true);
            } else if (DeviceOutOfReach()) {
                break;
            }
            if (shapes.point) {
                break;
            }
        }
    }
    return shapes;
}

LiveShapes WithDemoShapes(LiveShapes shapes) {
    if (!shapes.region) {
        shapes.region =
            ShapeRegion{{{-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}, {-0.5f, -0.5f}}, {}};
    }
    if (!shapes.wire) {
        shapes.wire = ShapeWire{{-0.4f, -0.2f}, {0.4f, -0.2f}, 1, {}};
    }
    if (!shapes.point) {
        shapes.point = ShapePoint{{0.0f, -0.7f}, {}};
    }
    return shapes;
}

bool AllFromDevice(const LiveShapes& shapes) {
    return shapes.region && !shapes.region->source.isEmpty() && shapes.wire &&
           !shapes.wire->source.isEmpty() && shapes.point && !shapes.point->source.isEmpty();
}

}  // namespace liveview
