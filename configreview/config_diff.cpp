#include "config_diff.h"

#include <map>
#include <set>
#include <tuple>

namespace vexo::review {
namespace {

// Device settings first, then the scenes, then the device-wide functions.
enum class Band { Device, Scenes, DeviceWide };

struct PartKey {
    Band band = Band::Device;
    std::string scene;
    PartKind part = PartKind::Settings;
    std::string name;
    std::string item;
    auto operator<=>(const PartKey&) const = default;
};

struct PartValue {
    std::string sceneName;
    Json::Value value;
};

using Parts = std::map<PartKey, PartValue>;

// Members of the document that hold parts of their own rather than settings.
bool HoldsParts(const std::string& member) {
    return member == "scenes" || member == "nonScenes" || member == "normalAlarms" ||
           member == "tours";
}

const Json::Value& ObjectOrNull(const Json::Value& value) {
    static const Json::Value null;
    return value.isObject() ? value : null;
}

void AddScene(const Json::Value& scene, Parts& parts) {
    const std::string token = scene["token"].isString() ? scene["token"].asString() : "";
    const std::string name = scene["name"].isString() ? scene["name"].asString() : "";
    Json::Value own(Json::objectValue);
    for (const std::string& member : scene.getMemberNames()) {
        if (member != "token" && member != "modules" && member != "rules") {
            own[member] = scene[member];
        }
    }
    parts[{Band::Scenes, token, PartKind::Settings, "", ""}] = {name, own};
    const Json::Value& modules = ObjectOrNull(scene["modules"]);
    for (const std::string& module : modules.getMemberNames()) {
        parts[{Band::Scenes, token, PartKind::Module, module, ""}] = {name, modules[module]};
    }
    const Json::Value& rules = ObjectOrNull(scene["rules"]);
    for (const std::string& function : rules.getMemberNames()) {
        const Json::Value& list = rules[function];
        if (!list.isArray()) {
            parts[{Band::Scenes, token, PartKind::Rule, function, ""}] = {name, list};
            continue;
        }
        for (const Json::Value& rule : list) {
            const std::string ruleToken =
                rule.isObject() && rule["token"].isString() ? rule["token"].asString() : "";
            Json::Value body = rule;
            if (body.isObject()) {
                body.removeMember("token");
            }
            parts[{Band::Scenes, token, PartKind::Rule, function, ruleToken}] = {name,
                                                                                 std::move(body)};
        }
    }
}

Parts PartsOf(const Json::Value& doc) {
    Parts parts;
    if (!doc.isObject()) {
        parts[{}] = {"", doc};
        return parts;
    }
    Json::Value settings(Json::objectValue);
    for (const std::string& member : doc.getMemberNames()) {
        if (!HoldsParts(member)) {
            settings[member] = doc[member];
        }
    }
    parts[{}] = {"", settings};
    for (const Json::Value& scene : doc["scenes"]) {
        if (scene.isObject()) {
            AddScene(scene, parts);
        }
    }
    const Json::Value& nonScenes = ObjectOrNull(doc["nonScenes"]);
    for (const std::string& name : nonScenes.getMemberNames()) {
        parts[{Band::DeviceWide, "", PartKind::NonScene, name, ""}] = {"", nonScenes[name]};
    }
    const Json::Value& alarms = ObjectOrNull(doc["normalAlarms"]);
    for (const std::string& type : alarms.getMemberNames()) {
        const Json::Value& byToken = ObjectOrNull(alarms[type]);
        for (const std::string& token : byToken.getMemberNames()) {
            parts[{Band::DeviceWide, "", PartKind::NormalAlarm, type, token}] = {"",
                                                                                 byToken[token]};
        }
    }
    const Json::Value& tours = ObjectOrNull(doc["tours"]);
    for (const std::string& type : tours.getMemberNames()) {
        parts[{Band::DeviceWide, "", PartKind::Tour, type, ""}] = {"", tours[type]};
    }
    return parts;
}

bool HoldsContainers(const Json::Value& list) {
    for (const Json::Value& element : list) {
        if (element.isObject() || element.isArray()) {
            return true;
        }
    }
    return false;
}

using Leaves = std::map<std::string, const Json::Value*>;

void Flatten(const Json::Value& value, const std::string& path, Leaves& leaves) {
    if (value.isObject() && !value.empty()) {
        for (auto it = value.begin(); it != value.end(); ++it) {
            const std::string key = it.name();
            Flatten(*it, path.empty() ? key : path + "." + key, leaves);
        }
        return;
    }
    if (value.isArray() && HoldsContainers(value)) {
        for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
            Flatten(value[i], path + "[" + std::to_string(i) + "]", leaves);
        }
        return;
    }
    leaves[path] = &value;
}

ConfigChange ChangeOf(ChangeKind kind, const PartKey& key, const std::string& sceneName) {
    ConfigChange change;
    change.kind = kind;
    change.scene = key.scene;
    change.sceneName = sceneName;
    change.part = key.part;
    change.name = key.name;
    change.item = key.item;
    return change;
}

void CompareLeaves(const PartKey& key, const PartValue& before, const PartValue& after,
                   std::vector<ConfigChange>& changes) {
    if (before.value == after.value) {
        return;
    }
    Leaves old;
    Leaves now;
    Flatten(before.value, "", old);
    Flatten(after.value, "", now);
    auto o = old.begin();
    auto n = now.begin();
    while (o != old.end() || n != now.end()) {
        ConfigChange change = ChangeOf(ChangeKind::Changed, key, before.sceneName);
        if (n == now.end() || (o != old.end() && o->first < n->first)) {
            change.kind = ChangeKind::Removed;
            change.member = o->first;
            change.before = *o->second;
            ++o;
        } else if (o == old.end() || n->first < o->first) {
            change.kind = ChangeKind::Added;
            change.member = n->first;
            change.after = *n->second;
            ++n;
        } else {
            const bool same = *o->second == *n->second;
            change.member = o->first;
            change.before = *o->second;
            change.after = *n->second;
            ++o;
            ++n;
            if (same) {
                continue;
            }
        }
        changes.push_back(std::move(change));
    }
}

std::set<std::string> SceneTokens(const Parts& parts) {
    std::set<std::string> tokens;
    for (const auto& [key, value] : parts) {
        if (key.band == Band::Scenes) {
            tokens.insert(key.scene);
        }
    }
    return tokens;
}

}  // namespace

std::vector<ConfigChange> DiffConfigs(const Json::Value& before, const Json::Value& after) {
    const Parts old = PartsOf(before);
    const Parts now = PartsOf(after);
    const std::set<std::string> oldScenes = SceneTokens(old);
    const std::set<std::string> newScenes = SceneTokens(now);
    // A scene on one side only is one change: its modules and rules go with it.
    auto wholeSceneOnly = [&](const PartKey& key, const std::set<std::string>& other) {
        return key.band == Band::Scenes && other.count(key.scene) == 0;
    };
    std::vector<ConfigChange> changes;
    auto o = old.begin();
    auto n = now.begin();
    while (o != old.end() || n != now.end()) {
        if (n == now.end() || (o != old.end() && o->first < n->first)) {
            if (!wholeSceneOnly(o->first, newScenes) || o->first.part == PartKind::Settings) {
                ConfigChange change = ChangeOf(ChangeKind::Removed, o->first, o->second.sceneName);
                change.before = o->second.value;
                changes.push_back(std::move(change));
            }
            ++o;
        } else if (o == old.end() || n->first < o->first) {
            if (!wholeSceneOnly(n->first, oldScenes) || n->first.part == PartKind::Settings) {
                ConfigChange change = ChangeOf(ChangeKind::Added, n->first, n->second.sceneName);
                change.after = n->second.value;
                changes.push_back(std::move(change));
            }
            ++n;
        } else {
            CompareLeaves(o->first, o->second, n->second, changes);
            ++o;
            ++n;
        }
    }
    return changes;
}

}  // namespace vexo::review
