#include "export_layout.h"

#include <set>

#include "config_document.h"
#include "device_error.h"
#include "linkage_rules.h"
#include "param_rules.h"

namespace devsim {
namespace {

const std::set<std::string>& Groups() {
    static const std::set<std::string> groups = {"NonScenes",
                                                 "Modules",
                                                 "Rules",
                                                 "Alarms",
                                                 "SmartLinkMethod",
                                                 "NormalLinkMethod",
                                                 "SmartArmingInterval",
                                                 "NormalArmingInterval"};
    return groups;
}

const Json::Value& MapOrEmpty(const Json::Value& value, const std::string& what) {
    static const Json::Value empty(Json::objectValue);
    if (value.isNull()) {
        return empty;
    }
    if (!value.isObject()) {
        throw DeviceError(err::kBatch, what + " must be an object or null");
    }
    return value;
}

std::string TokenOf(const Json::Value& record, const std::string& name) {
    const Json::Value& token = record["Token"];
    if (!token.isNull() && !token.isString()) {
        throw DeviceError(err::kMemberType, name + ".Token");
    }
    return token.isString() && !token.asString().empty() ? token.asString() : name;
}

// The linkage record of the export file (a parameter record) in the form
// of "ActionTriggerData": plain values are the group slots, object values
// the groups.
Json::Value TriggerData(const Json::Value& record) {
    Json::Value data;
    for (const std::string& member : record.getMemberNames()) {
        const Json::Value& value = record[member];
        if (member == "Token") {
            continue;
        }
        if (value.isString()) {
            data["simp"][member] = value;
        } else {
            data["data"][member] = value;
        }
    }
    return data;
}

// The rule or normal alarm a linkage or arming record belongs to.
Json::Value& OwnerOf(const Catalog& catalog, Json::Value& doc, const std::string& function,
                     const std::string& token) {
    if (catalog.alarms.count(function) != 0) {
        AlarmOf(catalog, function, token);
        return doc["normalAlarms"][function][token];
    }
    FunctionOf(catalog, function);
    return RuleOf(SceneOf(doc, doc["selectedScene"].asString()), function, token);
}

template <class Apply>
void EachRecord(const Json::Value& group, const std::string& key, Apply apply) {
    const Json::Value& functions = MapOrEmpty(group, key);
    for (const std::string& function : functions.getMemberNames()) {
        const Json::Value& records = MapOrEmpty(functions[function], key + "." + function);
        for (const std::string& name : records.getMemberNames()) {
            const Json::Value& record = records[name];
            if (!record.isObject()) {
                throw DeviceError(err::kBatch, key + "." + function + "." + name);
            }
            apply(function, TokenOf(record, name), record);
        }
    }
}

}  // namespace

bool LooksLikeExportLayout(const Json::Value& config) {
    if (!config.isObject() || config.empty()) {
        return false;
    }
    for (const std::string& member : config.getMemberNames()) {
        if (Groups().count(member) == 0) {
            return false;
        }
    }
    return true;
}

void ApplyExportLayout(const Catalog& catalog, const Json::Value& layout, Json::Value& doc) {
    for (const std::string& member : layout.getMemberNames()) {
        if (Groups().count(member) == 0) {
            throw DeviceError(err::kBatchGroup, member.substr(0, 60));
        }
    }
    const Limits& limits = catalog.limits;
    Json::Value& scene = SceneOf(doc, doc["selectedScene"].asString());

    const Json::Value& nonScenes = MapOrEmpty(layout["NonScenes"], "NonScenes");
    for (const std::string& name : nonScenes.getMemberNames()) {
        ApplyRecord(NonSceneOf(catalog, name), nonScenes[name], doc["nonScenes"][name], limits);
    }
    const Json::Value& modules = MapOrEmpty(layout["Modules"], "Modules");
    for (const std::string& name : modules.getMemberNames()) {
        ApplyRecord(ModuleOf(catalog, name).params, modules[name], scene["modules"][name], limits);
    }
    // Rules first: the linkage and arming groups may name rules they create.
    EachRecord(
        layout["Rules"], "Rules",
        [&](const std::string& function, const std::string& token, const Json::Value& record) {
            const FunctionDef& def = FunctionOf(catalog, function);
            RequireEnabled(scene, function);
            bool exists = false;
            for (const Json::Value& rule : scene["rules"][function]) {
                exists = exists || rule["token"].asString() == token;
            }
            Json::Value& rule = exists ? RuleOf(scene, function, token)
                                       : AddRuleTo(catalog, scene, function, token);
            ApplyRecord(def.params, record, rule["params"], limits);
        });
    EachRecord(layout["Alarms"], "Alarms",
               [&](const std::string& type, const std::string& token, const Json::Value& record) {
                   ApplyRecord(AlarmOf(catalog, type, token).params, record,
                               doc["normalAlarms"][type][token]["params"], limits);
               });
    for (const char* key : {"SmartLinkMethod", "NormalLinkMethod"}) {
        EachRecord(
            layout[key], key,
            [&](const std::string& function, const std::string& token, const Json::Value& record) {
                ApplyTrigger(catalog, TriggerData(record),
                             OwnerOf(catalog, doc, function, token)["trigger"]);
            });
    }
    for (const char* key : {"SmartArmingInterval", "NormalArmingInterval"}) {
        EachRecord(
            layout[key], key,
            [&](const std::string& function, const std::string& token, const Json::Value& record) {
                ApplySchedule(limits, record, OwnerOf(catalog, doc, function, token)["schedule"]);
            });
    }
}

}  // namespace devsim
