// Linkage actions and arming schedules of rules and normal alarms, and the
// scene tours. A request naming "NormalAlarmType" addresses a normal alarm;
// any other addresses a rule by scene, function and rule token.

#include "config_document.h"
#include "device_parts.h"
#include "linkage_rules.h"
#include "request_fields.h"

namespace devsim {
namespace {

struct Owner {
    bool alarm = false;
    std::string scene;
    std::string name;
    std::string token;
};

Owner OwnerOf(const Catalog& catalog, const Json::Value& info) {
    Owner owner;
    if (InfoObject(info).isMember("NormalAlarmType")) {
        owner.alarm = true;
        owner.name = RequiredText(info, "NormalAlarmType");
        owner.token = RequiredText(info, "NormalAlarmToken");
        AlarmOf(catalog, owner.name, owner.token);
        return owner;
    }
    owner.scene = RequiredText(info, "SceneToken");
    owner.name = RequiredText(info, "SmartFunName");
    owner.token = RequiredText(info, "RuleToken");
    FunctionOf(catalog, owner.name);
    return owner;
}

template <class Doc>
auto& OwnerData(Doc& doc, const Owner& owner) {
    if (owner.alarm) {
        return doc["normalAlarms"][owner.name][owner.token];
    }
    return RuleOf(SceneOf(doc, owner.scene), owner.name, owner.token);
}

const TourDef& TourOf(const Catalog& catalog, const std::string& type) {
    const auto it = catalog.tours.find(type);
    if (it == catalog.tours.end()) {
        throw DeviceError(err::kUnknownTour, type.substr(0, 40));
    }
    return it->second;
}

}  // namespace

void RegisterLinkageCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_GetActionTrigger", [parts](const Json::Value& info, const CommandContext&) {
        const Owner owner = OwnerOf(parts.catalog, info);
        return Acknowledge(parts.store.Read(
            [&](const Json::Value& doc) { return OwnerData(doc, owner)["trigger"]; }));
    });

    table.Add("CMD_SetActionTrigger", [parts](const Json::Value& info, const CommandContext&) {
        const Owner owner = OwnerOf(parts.catalog, info);
        const Json::Value& data = RequiredObject(info, "ActionTriggerData");
        parts.store.Update([&](Json::Value& doc) {
            ApplyTrigger(parts.catalog, data, OwnerData(doc, owner)["trigger"]);
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetGuardSchedules", [parts](const Json::Value& info, const CommandContext&) {
        const Owner owner = OwnerOf(parts.catalog, info);
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            Json::Value reply = OwnerData(doc, owner)["schedule"];
            reply["Token"] = owner.token;
            return reply;
        }));
    });

    table.Add("CMD_SetGuardSchedules", [parts](const Json::Value& info, const CommandContext&) {
        const Owner owner = OwnerOf(parts.catalog, info);
        const Json::Value& data = RequiredObject(info, "GuardSchedulesData");
        parts.store.Update([&](Json::Value& doc) {
            ApplySchedule(parts.catalog.limits, data, OwnerData(doc, owner)["schedule"]);
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetSceneTourData", [parts](const Json::Value& info, const CommandContext&) {
        const std::string type = RequiredText(info, "SceneTourType");
        TourOf(parts.catalog, type);
        return Acknowledge(
            parts.store.Read([&](const Json::Value& doc) { return doc["tours"][type]; }));
    });

    table.Add("CMD_SetSceneTourData", [parts](const Json::Value& info, const CommandContext&) {
        const std::string type = RequiredText(info, "SceneTourType");
        const TourDef& tour = TourOf(parts.catalog, type);
        const Json::Value& data = RequiredObject(info, "Data");
        parts.store.Update([&](Json::Value& doc) {
            ApplyTour(type, tour, data, doc["tours"][type], SceneTokens(doc));
            return Json::Value();
        });
        return Acknowledge();
    });
}

}  // namespace devsim
