#pragma once
// The difference between two batch configurations in the device's own
// layout (see simulator/config_document.h): what writing `after` over a
// device holding `before` would change.
//
// The configuration is compared part by part: device-wide settings, each
// scene (by token) with its own members, its modules and its rules (by
// function and rule token), then the non-scene functions, the normal alarms
// and the tours. A part present on one side only is one change ("+" only
// in `after`, "-" only in `before`); a part on both sides is compared leaf
// by leaf, member paths written with "." between object keys and "[i]" for
// list elements (a list of plain values is one leaf). The order of rules
// in a function's list is not a difference.

#include <json/value.h>

#include <string>
#include <vector>

namespace vexo::review {

enum class ChangeKind { Added, Removed, Changed };

// Where a part belongs, in the order the difference lists them.
enum class PartKind { Settings, Module, Rule, NonScene, NormalAlarm, Tour };

struct ConfigChange {
    ChangeKind kind = ChangeKind::Changed;
    std::string scene;      // scene token; empty for device-wide parts
    std::string sceneName;  // its name on the device (or in the file when it is new)
    PartKind part = PartKind::Settings;
    std::string name;    // function, module, non-scene, alarm type or tour type
    std::string item;    // rule or alarm token; empty when the part has none
    std::string member;  // path inside the part; empty: the part as a whole
    Json::Value before;  // null when absent
    Json::Value after;   // null when absent
};

// Both values are expected to pass IsDeviceConfig; anything else in them
// is compared as it stands.
std::vector<ConfigChange> DiffConfigs(const Json::Value& before, const Json::Value& after);

}  // namespace vexo::review
