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

// A part's value: the document's own (a rule, without its "token" member,
// which is the part's key) or, for a scene's or the device's settings, an
// object gathered from several members.
struct PartValue {
    std::string sceneName;
    const Json::Value* value = nullptr;
    Json::Value owned;
    const char* skip = "";

    const Json::Value& Value() const { return value != nullptr ? *value : owned; }
    // The value as a change reports it.
    Json::Value Reported() const {
        Json::Value out = Value();
        if (*skip != '\0' && out.isObject()) {
            out.removeMember(skip);
        }
        return out;
    }
};

PartValue Borrowed(const std::string& sceneName, const Json::Value& value, const char* skip = "") {
    return {sceneName, &value, Json::Value(), skip};
}

PartValue Owned(const std::string& sceneName, Json::Value value) {
    return {sceneName, nullptr, std::move(value), ""};
}

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
    parts[{Band::Scenes, token, PartKind::Settings, "", ""}] = Owned(name, std::move(own));
    const Json::Value& modules = ObjectOrNull(scene["modules"]);
    for (const std::string& module : modules.getMemberNames()) {
        parts[{Band::Scenes, token, PartKind::Module, module, ""}] =
            Borrowed(name, modules[module]);
    }
    const Json::Value& rules = ObjectOrNull(scene["rules"]);
    for (const std::string& function : rules.getMemberNames()) {
        const Json::Value& list = rules[function];
        if (!list.isArray()) {
            parts[{Band::Scenes, token, PartKind::Rule, function, ""}] = Borrowed(name, list);
            continue;
        }
        for (const Json::Value& rule : list) {
            const std::string ruleToken =
                rule.isObject() && rule["token"].isString() ? rule["token"].asString() : "";
            parts[{Band::Scenes, token, PartKind::Rule, function, ruleToken}] =
                Borrowed(name, rule, "token");
        }
    }
}

Parts PartsOf(const Json::Value& doc) {
    Parts parts;
    if (!doc.isObject()) {
        parts[{}] = Borrowed("", doc);
        return parts;
    }
    Json::Value settings(Json::objectValue);
    for (const std::string& member : doc.getMemberNames()) {
        if (!HoldsParts(member)) {
            settings[member] = doc[member];
        }
    }
    parts[{}] = Owned("", std::move(settings));
    for (const Json::Value& scene : doc["scenes"]) {
        if (scene.isObject()) {
            AddScene(scene, parts);
        }
    }
    const Json::Value& nonScenes = ObjectOrNull(doc["nonScenes"]);
    for (const std::string& name : nonScenes.getMemberNames()) {
        parts[{Band::DeviceWide, "", PartKind::NonScene, name, ""}] = Borrowed("", nonScenes[name]);
    }
    const Json::Value& alarms = ObjectOrNull(doc["normalAlarms"]);
    for (const std::string& type : alarms.getMemberNames()) {
        const Json::Value& byToken = ObjectOrNull(alarms[type]);
        for (const std::string& token : byToken.getMemberNames()) {
            parts[{Band::DeviceWide, "", PartKind::NormalAlarm, type, token}] =
                Borrowed("", byToken[token]);
        }
    }
    const Json::Value& tours = ObjectOrNull(doc["tours"]);
    for (const std::string& type : tours.getMemberNames()) {
        parts[{Band::DeviceWide, "", PartKind::Tour, type, ""}] = Borrowed("", tours[type]);
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

// Compares two values below `path`, reporting changed leaves in path
// order. Only the subtrees that differ are flattened, so that a large
// configuration with few changes costs little more than one comparison.
class LeafComparer {
public:
    LeafComparer(const PartKey& key, const std::string& sceneName,
                 std::vector<ConfigChange>& changes)
        : key_(key), sceneName_(sceneName), changes_(changes) {}

    void Compare(const Json::Value& old, const Json::Value& now, const std::string& path,
                 const char* skip = "") {
        if (old == now && *skip == '\0') {
            return;
        }
        if (Descends(old) && Descends(now) && old.isObject() && now.isObject()) {
            CompareObjects(old, now, path, skip);
        } else if (Descends(old) && Descends(now) && old.isArray() && now.isArray()) {
            CompareArrays(old, now, path);
        } else if (!Descends(old) && !Descends(now)) {
            if (old != now) {
                Emit(ChangeKind::Changed, path, old, now);
            }
        } else {
            // One side is a leaf where the other has members: merge their
            // leaves by path.
            Leaves before;
            Leaves after;
            Flatten(old, path, before);
            Flatten(now, path, after);
            Merge(before, after);
        }
    }

private:
    static bool Descends(const Json::Value& value) {
        return (value.isObject() && !value.empty()) || (value.isArray() && HoldsContainers(value));
    }

    static std::string Join(const std::string& path, const std::string& key) {
        return path.empty() ? key : path + "." + key;
    }

    void CompareObjects(const Json::Value& old, const Json::Value& now, const std::string& path,
                        const char* skip) {
        auto o = old.begin();
        auto n = now.begin();
        while (o != old.end() || n != now.end()) {
            if (o != old.end() && *skip != '\0' && o.name() == skip) {
                ++o;
            } else if (n != now.end() && *skip != '\0' && n.name() == skip) {
                ++n;
            } else if (n == now.end() || (o != old.end() && o.name() < n.name())) {
                EmitAll(ChangeKind::Removed, *o, Join(path, o.name()));
                ++o;
            } else if (o == old.end() || n.name() < o.name()) {
                EmitAll(ChangeKind::Added, *n, Join(path, n.name()));
                ++n;
            } else {
                Compare(*o, *n, Join(path, o.name()));
                ++o;
                ++n;
            }
        }
    }

    void CompareArrays(const Json::Value& old, const Json::Value& now, const std::string& path) {
        // Leaves sort by their text, so "[10]" comes before "[2]": merge by
        // path rather than by index to keep one order everywhere.
        Leaves before;
        Leaves after;
        Flatten(old, path, before);
        Flatten(now, path, after);
        Merge(before, after);
    }

    void EmitAll(ChangeKind kind, const Json::Value& value, const std::string& path) {
        Leaves leaves;
        Flatten(value, path, leaves);
        for (const auto& [leafPath, leaf] : leaves) {
            if (kind == ChangeKind::Added) {
                Emit(kind, leafPath, Json::Value(), *leaf);
            } else {
                Emit(kind, leafPath, *leaf, Json::Value());
            }
        }
    }

    void Merge(const Leaves& before, const Leaves& after) {
        auto o = before.begin();
        auto n = after.begin();
        while (o != before.end() || n != after.end()) {
            if (n == after.end() || (o != before.end() && o->first < n->first)) {
                Emit(ChangeKind::Removed, o->first, *o->second, Json::Value());
                ++o;
            } else if (o == before.end() || n->first < o->first) {
                Emit(ChangeKind::Added, n->first, Json::Value(), *n->second);
                ++n;
            } else {
                if (*o->second != *n->second) {
                    Emit(ChangeKind::Changed, o->first, *o->second, *n->second);
                }
                ++o;
                ++n;
            }
        }
    }

    void Emit(ChangeKind kind, const std::string& path, const Json::Value& old,
              const Json::Value& now) {
        ConfigChange change = ChangeOf(kind, key_, sceneName_);
        change.member = path;
        change.before = old;
        change.after = now;
        changes_.push_back(std::move(change));
    }

    const PartKey& key_;
    const std::string& sceneName_;
    std::vector<ConfigChange>& changes_;
};

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
                change.before = o->second.Reported();
                changes.push_back(std::move(change));
            }
            ++o;
        } else if (o == old.end() || n->first < o->first) {
            if (!wholeSceneOnly(n->first, oldScenes) || n->first.part == PartKind::Settings) {
                ConfigChange change = ChangeOf(ChangeKind::Added, n->first, n->second.sceneName);
                change.after = n->second.Reported();
                changes.push_back(std::move(change));
            }
            ++n;
        } else {
            LeafComparer(o->first, o->second.sceneName, changes)
                .Compare(o->second.Value(), n->second.Value(), "", o->second.skip);
            ++o;
            ++n;
        }
    }
    return changes;
}

}  // namespace vexo::review
