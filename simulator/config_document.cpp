#include "config_document.h"

#include <algorithm>
#include <cstdio>

#include "device_error.h"
#include "linkage_rules.h"
#include "param_rules.h"

namespace devsim {
namespace {

const Json::Value& ObjectOrEmpty(const Json::Value& value, const char* what) {
    static const Json::Value empty(Json::objectValue);
    if (value.isNull()) {
        return empty;
    }
    if (!value.isObject()) {
        throw DeviceError(err::kBatch, std::string(what) + " must be an object");
    }
    return value;
}

std::string StringOf(const Json::Value& value, const char* what) {
    if (!value.isString()) {
        throw DeviceError(err::kBatch, std::string(what) + " must be a string");
    }
    return value.asString();
}

Json::Value RestoredRule(const Catalog& catalog, const std::string& function,
                         const Json::Value& incoming) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kBatch, "a rule must be an object");
    }
    const std::string token = StringOf(incoming["token"], "rule token");
    CheckRuleToken(catalog, token);
    Json::Value rule = NewRule(catalog, function, token);
    ApplyRecord(FunctionOf(catalog, function).params, ObjectOrEmpty(incoming["params"], "params"),
                rule["params"], catalog.limits);
    ApplyTrigger(catalog, ObjectOrEmpty(incoming["trigger"], "trigger"), rule["trigger"]);
    ApplySchedule(catalog.limits, ObjectOrEmpty(incoming["schedule"], "schedule"),
                  rule["schedule"]);
    return rule;
}

Json::Value RestoredScene(const Catalog& catalog, const Json::Value& doc,
                          const Json::Value& incoming) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kBatch, "a scene must be an object");
    }
    const std::string token = StringOf(incoming["token"], "scene token");
    CheckRuleToken(catalog, token);
    if (SceneTokens(doc).count(token) != 0) {
        throw DeviceError(err::kBatch, "scene token " + token + " twice");
    }
    const std::string name = StringOf(incoming["name"], "scene name");
    CheckSceneName(catalog, doc, name, token);
    Json::Value scene = NewScene(catalog, token, name);

    const Json::Value& functions = incoming["functions"];
    if (!functions.isArray()) {
        throw DeviceError(err::kBatch, "functions must be a list");
    }
    for (const Json::Value& function : functions) {
        const std::string fun = StringOf(function, "function");
        FunctionOf(catalog, fun);
        for (const Json::Value& other : scene["functions"]) {
            if (other.asString() == fun || catalog.Conflicting(other.asString(), fun)) {
                throw DeviceError(err::kBatch, "functions " + other.asString() + " and " + fun);
            }
        }
        scene["functions"].append(fun);
    }
    const Json::Value& modules = ObjectOrEmpty(incoming["modules"], "modules");
    for (const std::string& module : modules.getMemberNames()) {
        ApplyRecord(ModuleOf(catalog, module).params, modules[module], scene["modules"][module],
                    catalog.limits);
    }
    const Json::Value& rules = ObjectOrEmpty(incoming["rules"], "rules");
    for (const std::string& function : rules.getMemberNames()) {
        FunctionOf(catalog, function);
        const Json::Value& list = rules[function];
        if (!list.isArray() ||
            list.size() > static_cast<unsigned>(catalog.limits.maxRulesPerFunction)) {
            throw DeviceError(err::kBatch, "rules of " + function);
        }
        Json::Value& stored = scene["rules"][function] = Json::Value(Json::arrayValue);
        for (const Json::Value& rule : list) {
            Json::Value restored = RestoredRule(catalog, function, rule);
            for (const Json::Value& other : stored) {
                if (other["token"] == restored["token"]) {
                    throw DeviceError(err::kRuleExists, restored["token"].asString());
                }
            }
            stored.append(std::move(restored));
        }
    }
    return scene;
}

int SceneNumberOf(const std::string& token) {
    int number = 0;
    char tail = 0;
    return std::sscanf(token.c_str(), "Scene_%d%c", &number, &tail) == 1 ? number : 0;
}

}  // namespace

std::string SceneTokenOf(int number) {
    char token[32];
    std::snprintf(token, sizeof token, "Scene_%03d", number);
    return token;
}

Json::Value NewScene(const Catalog& catalog, const std::string& token, const std::string& name) {
    Json::Value scene;
    scene["token"] = token;
    scene["name"] = name;
    scene["functions"] = Json::Value(Json::arrayValue);
    scene["rules"] = Json::Value(Json::objectValue);
    for (const auto& [module, def] : catalog.modules) {
        scene["modules"][module] = def.params.Factory();
    }
    return scene;
}

Json::Value NewRule(const Catalog& catalog, const std::string& function, const std::string& token) {
    Json::Value rule;
    rule["token"] = token;
    rule["params"] = FunctionOf(catalog, function).params.Factory();
    rule["trigger"] = FactoryTrigger(catalog);
    rule["schedule"] = FactorySchedule();
    return rule;
}

Json::Value& SceneOf(Json::Value& doc, const std::string& token) {
    for (Json::Value& scene : doc["scenes"]) {
        if (scene["token"].asString() == token) {
            return scene;
        }
    }
    throw DeviceError(err::kNoScene, token);
}

const Json::Value& SceneOf(const Json::Value& doc, const std::string& token) {
    for (const Json::Value& scene : doc["scenes"]) {
        if (scene["token"].asString() == token) {
            return scene;
        }
    }
    throw DeviceError(err::kNoScene, token);
}

const FunctionDef& FunctionOf(const Catalog& catalog, const std::string& name) {
    const auto it = catalog.functions.find(name);
    if (it == catalog.functions.end()) {
        throw DeviceError(err::kUnknownFunction, name);
    }
    return it->second;
}

const ModuleDef& ModuleOf(const Catalog& catalog, const std::string& name) {
    const auto it = catalog.modules.find(name);
    if (it == catalog.modules.end()) {
        throw DeviceError(err::kUnknownModule, name);
    }
    return it->second;
}

const AlarmDef& AlarmOf(const Catalog& catalog, const std::string& type, const std::string& token) {
    const auto it = catalog.alarms.find(type);
    if (it == catalog.alarms.end() || std::find(it->second.tokens.begin(), it->second.tokens.end(),
                                                token) == it->second.tokens.end()) {
        throw DeviceError(err::kUnknownAlarm, type + " " + token);
    }
    return it->second;
}

const ParamSet& NonSceneOf(const Catalog& catalog, const std::string& name) {
    const auto it = catalog.nonScenes.find(name);
    if (it == catalog.nonScenes.end()) {
        throw DeviceError(err::kUnknownNonScene, name);
    }
    return it->second;
}

void RequireEnabled(const Json::Value& scene, const std::string& function) {
    for (const Json::Value& enabled : scene["functions"]) {
        if (enabled.asString() == function) {
            return;
        }
    }
    throw DeviceError(err::kFunctionOff, function);
}

Json::Value& RuleOf(Json::Value& scene, const std::string& function, const std::string& token) {
    RequireEnabled(scene, function);
    for (Json::Value& rule : scene["rules"][function]) {
        if (rule["token"].asString() == token) {
            return rule;
        }
    }
    throw DeviceError(err::kNoRule, function + " " + token);
}

const Json::Value& RuleOf(const Json::Value& scene, const std::string& function,
                          const std::string& token) {
    RequireEnabled(scene, function);
    for (const Json::Value& rule : scene["rules"][function]) {
        if (rule["token"].asString() == token) {
            return rule;
        }
    }
    throw DeviceError(err::kNoRule, function + " " + token);
}

void CheckSceneName(const Catalog& catalog, const Json::Value& doc, const std::string& name,
                    const std::string& self) {
    if (name.empty()) {
        throw DeviceError(err::kSceneNameEmpty);
    }
    if (name.size() > catalog.limits.maxSceneNameBytes) {
        throw DeviceError(err::kSceneNameLong);
    }
    for (const char c : name) {
        if (c == '&' || c == '<' || c == '>' || c == '"' || c == '\'' ||
            static_cast<unsigned char>(c) < 0x20) {
            throw DeviceError(err::kSceneNameIllegal, name.substr(0, 40));
        }
    }
    for (const Json::Value& scene : doc["scenes"]) {
        if (scene["name"].asString() == name && scene["token"].asString() != self) {
            throw DeviceError(err::kSceneNameRepeat, name);
        }
    }
}

void CheckRuleToken(const Catalog& catalog, const std::string& token) {
    if (token.empty() || token.size() > catalog.limits.maxTokenBytes) {
        throw DeviceError(err::kRuleToken, token.substr(0, 40));
    }
    for (const char c : token) {
        if (static_cast<unsigned char>(c) < 0x20) {
            throw DeviceError(err::kRuleToken, "control character");
        }
    }
}

Json::Value& AddRuleTo(const Catalog& catalog, Json::Value& scene, const std::string& function,
                       const std::string& token) {
    FunctionOf(catalog, function);
    RequireEnabled(scene, function);
    CheckRuleToken(catalog, token);
    Json::Value& rules = scene["rules"][function];
    if (!rules.isArray()) {
        rules = Json::Value(Json::arrayValue);
    }
    for (const Json::Value& rule : rules) {
        if (rule["token"].asString() == token) {
            throw DeviceError(err::kRuleExists, token);
        }
    }
    if (rules.size() >= static_cast<unsigned>(catalog.limits.maxRulesPerFunction)) {
        throw DeviceError(err::kRuleLimit, function);
    }
    return rules.append(NewRule(catalog, function, token));
}

std::set<std::string> SceneTokens(const Json::Value& doc) {
    std::set<std::string> tokens;
    for (const Json::Value& scene : doc["scenes"]) {
        tokens.insert(scene["token"].asString());
    }
    return tokens;
}

std::optional<PtzPosition> ScenePosition(const Json::Value& scene) {
    const Json::Value& ptz = scene["modules"][kPositionModule][kPositionParam]["PTZ"];
    if (!ptz.isArray() || ptz.empty()) {
        return std::nullopt;
    }
    const Json::Value& point = ptz[0]["ptzPoint"];
    return PtzPosition{point["fPan"].asDouble(), point["fTilt"].asDouble(),
                       point["fZoom"].asDouble()};
}

void SetScenePosition(Json::Value& scene, const PtzPosition& position) {
    Json::Value point;
    point["ptzPoint"]["fPan"] = position.pan;
    point["ptzPoint"]["fTilt"] = position.tilt;
    point["ptzPoint"]["fZoom"] = position.zoom;
    Json::Value& value = scene["modules"][kPositionModule][kPositionParam];
    value["PTZ"] = Json::Value(Json::arrayValue);
    value["PTZ"].append(point);
}

Json::Value FactoryDocument(const Catalog& catalog) {
    const Json::Value& factory = catalog.factory;
    Json::Value doc;
    doc["format"] = kDocumentFormat;
    doc["smartStatus"] = factory.get("smartStatus", "TRUE").asString();
    doc["scenes"] = Json::Value(Json::arrayValue);
    int number = 1;
    for (const Json::Value& spec : factory["scenes"]) {
        Json::Value scene = NewScene(catalog, SceneTokenOf(number++), spec["name"].asString());
        const Json::Value& at = spec["position"];
        SetScenePosition(scene, {at[0].asDouble(), at[1].asDouble(), at[2].asDouble()});
        for (const Json::Value& function : spec["functions"]) {
            scene["functions"].append(function);
        }
        for (const std::string& function : spec["rules"].getMemberNames()) {
            for (const Json::Value& rule : spec["rules"][function]) {
                Json::Value& added = AddRuleTo(catalog, scene, function, rule[0].asString());
                ApplyRecord(FunctionOf(catalog, function).params, rule[1], added["params"],
                            catalog.limits);
                if (factory.isMember("ruleTrigger")) {
                    ApplyTrigger(catalog, factory["ruleTrigger"], added["trigger"]);
                }
            }
        }
        doc["scenes"].append(std::move(scene));
    }
    if (doc["scenes"].empty()) {
        doc["scenes"].append(NewScene(catalog, SceneTokenOf(number++), "Default Scene"));
    }
    doc["nextSceneNumber"] = number;
    doc["defaultScene"] = doc["scenes"][0]["token"];
    const unsigned selected = factory.get("selected", 0).asUInt();
    doc["selectedScene"] = doc["scenes"][selected < doc["scenes"].size() ? selected : 0]["token"];
    for (const auto& [name, params] : catalog.nonScenes) {
        doc["nonScenes"][name] = params.Factory();
    }
    for (const auto& [type, alarm] : catalog.alarms) {
        for (const std::string& token : alarm.tokens) {
            Json::Value& owner = doc["normalAlarms"][type][token];
            owner["params"] = alarm.params.Factory();
            owner["trigger"] = FactoryTrigger(catalog);
            owner["schedule"] = FactorySchedule();
        }
    }
    for (const auto& [type, tour] : catalog.tours) {
        doc["tours"][type] = FactoryTour(tour);
        // Rows of the factory tours name scenes by their place ("#1").
        Json::Value rows = factory["tours"][type];
        for (const std::string& row : rows.getMemberNames()) {
            Json::Value& token = rows[row]["AnalyticsConfigurationToken"];
            if (token.isString() && token.asString().rfind('#', 0) == 0) {
                token = doc["scenes"][std::stoi(token.asString().substr(1))]["token"];
            }
            Json::Value entry;
            entry["simp"] = rows[row];
            Json::Value data;
            data[row] = entry;
            ApplyTour(type, tour, data, doc["tours"][type], SceneTokens(doc));
        }
    }
    return doc;
}

Json::Value RestoreDocument(const Catalog& catalog, const Json::Value& incoming) {
    if (!incoming.isObject() || !incoming["format"].isInt() ||
        incoming["format"].asInt() != kDocumentFormat) {
        throw DeviceError(err::kBatch, "not a configuration of this device (format)");
    }
    Json::Value doc;
    doc["format"] = kDocumentFormat;
    const std::string status = StringOf(incoming["smartStatus"], "smartStatus");
    if (status != "TRUE" && status != "FALSE") {
        throw DeviceError(err::kSmartStatus, status.substr(0, 20));
    }
    doc["smartStatus"] = status;

    const Json::Value& scenes = incoming["scenes"];
    if (!scenes.isArray() || scenes.empty() ||
        scenes.size() > static_cast<unsigned>(catalog.limits.maxScenes)) {
        throw DeviceError(err::kBatch, "scenes must be a list of 1 to " +
                                           std::to_string(catalog.limits.maxScenes));
    }
    doc["scenes"] = Json::Value(Json::arrayValue);
    int highest = 0;
    for (const Json::Value& scene : scenes) {
        doc["scenes"].append(RestoredScene(catalog, doc, scene));
        highest = std::max(highest, SceneNumberOf(scene["token"].asString()));
    }
    const std::set<std::string> tokens = SceneTokens(doc);
    for (const char* member : {"defaultScene", "selectedScene"}) {
        const std::string token = StringOf(incoming[member], member);
        if (tokens.count(token) == 0) {
            throw DeviceError(err::kNoScene, std::string(member) + " " + token);
        }
        doc[member] = token;
    }
    // Scene tokens are never given twice, not even after a restore.
    const int next = incoming["nextSceneNumber"].isInt() ? incoming["nextSceneNumber"].asInt() : 1;
    doc["nextSceneNumber"] = std::max(next, highest + 1);

    const Json::Value& nonScenes = ObjectOrEmpty(incoming["nonScenes"], "nonScenes");
    for (const auto& [name, params] : catalog.nonScenes) {
        doc["nonScenes"][name] = params.Factory();
    }
    for (const std::string& name : nonScenes.getMemberNames()) {
        ApplyRecord(NonSceneOf(catalog, name), nonScenes[name], doc["nonScenes"][name],
                    catalog.limits);
    }

    const Json::Value& alarms = ObjectOrEmpty(incoming["normalAlarms"], "normalAlarms");
    for (const auto& [type, alarm] : catalog.alarms) {
        for (const std::string& token : alarm.tokens) {
            Json::Value& owner = doc["normalAlarms"][type][token];
            owner["params"] = alarm.params.Factory();
            owner["trigger"] = FactoryTrigger(catalog);
            owner["schedule"] = FactorySchedule();
        }
    }
    for (const std::string& type : alarms.getMemberNames()) {
        const Json::Value& owners = ObjectOrEmpty(alarms[type], "normal alarm");
        for (const std::string& token : owners.getMemberNames()) {
            const AlarmDef& alarm = AlarmOf(catalog, type, token);
            const Json::Value& incomingOwner = ObjectOrEmpty(owners[token], "normal alarm");
            Json::Value& owner = doc["normalAlarms"][type][token];
            ApplyRecord(alarm.params, ObjectOrEmpty(incomingOwner["params"], "params"),
                        owner["params"], catalog.limits);
            ApplyTrigger(catalog, ObjectOrEmpty(incomingOwner["trigger"], "trigger"),
                         owner["trigger"]);
            ApplySchedule(catalog.limits, ObjectOrEmpty(incomingOwner["schedule"], "schedule"),
                          owner["schedule"]);
        }
    }

    const Json::Value& tours = ObjectOrEmpty(incoming["tours"], "tours");
    for (const auto& [type, tour] : catalog.tours) {
        doc["tours"][type] = FactoryTour(tour);
    }
    for (const std::string& type : tours.getMemberNames()) {
        const auto tour = catalog.tours.find(type);
        if (tour == catalog.tours.end()) {
            throw DeviceError(err::kUnknownTour, type);
        }
        ApplyTour(type, tour->second, ObjectOrEmpty(tours[type], "tour"), doc["tours"][type],
                  tokens);
    }
    return doc;
}

}  // namespace devsim
