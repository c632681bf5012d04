// Rules and modules of a scene, and the ranges of every parameter. A rule
// or module command may also address a normal alarm: its scene token is
// then "zelk:NormalAlarm", its function the alarm type and its rule token
// the alarm token (the control resets an alarm's parameters that way).

#include "config_document.h"
#include "device_parts.h"
#include "param_rules.h"
#include "request_fields.h"

namespace devsim {
namespace {

enum class Target { Rule, Module, NormalAlarm };

struct Address {
    Target target = Target::Rule;
    std::string scene;
    std::string name;   // function, module or alarm type
    std::string token;  // rule or alarm token
};

Address AddressOf(const Json::Value& info) {
    Address address;
    address.scene = RequiredText(info, "SceneToken");
    if (info.isMember("ModuleName")) {
        if (info.isMember("SmartFunName")) {
            throw DeviceError(err::kMalformed, "both ModuleName and SmartFunName");
        }
        address.target = Target::Module;
        address.name = RequiredText(info, "ModuleName");
        return address;
    }
    address.name = RequiredText(info, "SmartFunName");
    address.token = RequiredText(info, "RuleToken");
    if (address.scene == kNormalAlarmOwner) {
        address.target = Target::NormalAlarm;
    }
    return address;
}

const ParamSet& ParamsOf(const Catalog& catalog, const Address& address) {
    switch (address.target) {
        case Target::Module:
            return ModuleOf(catalog, address.name).params;
        case Target::NormalAlarm:
            return AlarmOf(catalog, address.name, address.token).params;
        case Target::Rule:
            break;
    }
    return FunctionOf(catalog, address.name).params;
}

// The stored record an address names (Doc: const or mutable document).
template <class Doc>
auto& RecordOf(Doc& doc, const Address& address) {
    switch (address.target) {
        case Target::Module:
            return SceneOf(doc, address.scene)["modules"][address.name];
        case Target::NormalAlarm:
            return doc["normalAlarms"][address.name][address.token]["params"];
        case Target::Rule:
            break;
    }
    return RuleOf(SceneOf(doc, address.scene), address.name, address.token)["params"];
}

const ParamSet& RangeOwner(const Catalog& catalog, const std::string& kind,
                           const std::string& owner, const std::string& param) {
    if (kind == "Rule") {
        return FunctionOf(catalog, owner).params;
    }
    if (kind == "Module") {
        return ModuleOf(catalog, owner).params;
    }
    if (kind == "NonScene") {
        return NonSceneOf(catalog, owner);
    }
    if (kind == "NormalAlarm") {
        const auto it = catalog.alarms.find(owner);
        if (it == catalog.alarms.end()) {
            throw DeviceError(err::kUnknownAlarm, owner);
        }
        return it->second.params;
    }
    if (kind == "Tour") {
        const auto it = catalog.tours.find(owner);
        if (it == catalog.tours.end()) {
            throw DeviceError(err::kUnknownTour, owner);
        }
        return it->second.plain.Find(param) != nullptr ? it->second.plain : it->second.entry;
    }
    throw DeviceError(err::kUnknownParam, "ParamFunction " + kind.substr(0, 40));
}

}  // namespace

void RegisterRuleCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_QueryRule", [parts](const Json::Value& info, const CommandContext&) {
        const std::string scene = RequiredText(info, "SceneToken");
        const std::string function = RequiredText(info, "SmartFunName");
        FunctionOf(parts.catalog, function);
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            const Json::Value& found = SceneOf(doc, scene);
            RequireEnabled(found, function);
            Json::Value list(Json::arrayValue);
            for (const Json::Value& rule : found["rules"][function]) {
                Json::Value entry;
                entry["RuleToken"] = rule["token"];
                list.append(entry);
            }
            return list;
        }));
    });

    table.Add("CMD_AddRule", [parts](const Json::Value& info, const CommandContext&) {
        const std::string scene = RequiredText(info, "SceneToken");
        const std::string function = RequiredText(info, "SmartFunName");
        const std::string token = RequiredText(info, "RuleToken");
        return Acknowledge(parts.store.Update([&](Json::Value& doc) {
            AddRuleTo(parts.catalog, SceneOf(doc, scene), function, token);
            Json::Value reply;
            reply["RuleToken"] = token;
            return reply;
        }));
    });

    table.Add("CMD_DelRule", [parts](const Json::Value& info, const CommandContext&) {
        const std::string scene = RequiredText(info, "SceneToken");
        const std::string function = RequiredText(info, "SmartFunName");
        const std::string token = RequiredText(info, "RuleToken");
        FunctionOf(parts.catalog, function);
        parts.store.Update([&](Json::Value& doc) {
            Json::Value& found = SceneOf(doc, scene);
            RuleOf(found, function, token);
            Json::Value kept(Json::arrayValue);
            for (const Json::Value& rule : found["rules"][function]) {
                if (rule["token"].asString() != token) {
                    kept.append(rule);
                }
            }
            found["rules"][function] = std::move(kept);
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetRuleModuleParam", [parts](const Json::Value& info, const CommandContext&) {
        const Address address = AddressOf(info);
        ParamsOf(parts.catalog, address);
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            return RecordWithToken(RecordOf(doc, address), address.token);
        }));
    });

    table.Add("CMD_ModifyRuleModuleParam", [parts](const Json::Value& info, const CommandContext&) {
        const Address address = AddressOf(info);
        const ParamSet& params = ParamsOf(parts.catalog, address);
        const std::string type = RequiredText(info, "CMDType");
        if (type != "Modify" && type != "Reset") {
            throw DeviceError(err::kCmdType, type.substr(0, 40));
        }
        const Json::Value data =
            type == "Modify" ? RequiredObject(info, "RuleModuleData") : Json::Value();
        parts.store.Update([&](Json::Value& doc) {
            Json::Value& record = RecordOf(doc, address);
            if (type == "Reset") {
                record = params.Factory();
            } else {
                ApplyRecord(params, data, record, parts.catalog.limits);
            }
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetParamRange", [parts](const Json::Value& info, const CommandContext&) {
        const std::string param = RequiredText(info, "ParamName");
        const std::string kind = RequiredText(info, "ParamFunction");
        const std::string owner = RequiredText(info, "ParamEvent");
        const ParamDef* def = RangeOwner(parts.catalog, kind, owner, param).Find(param);
        if (def == nullptr) {
            throw DeviceError(err::kUnknownParam, param.substr(0, 60));
        }
        return Acknowledge(RangeOf(*def));
    });
}

}  // namespace devsim
