// Normal (non-analytics) alarms and the non-scene functions.

#include "config_document.h"
#include "device_parts.h"
#include "param_rules.h"
#include "request_fields.h"

namespace devsim {

void RegisterAlarmCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_GetAllNormalAlarmFunName", [parts](const Json::Value&, const CommandContext&) {
        Json::Value list(Json::arrayValue);
        for (const auto& [type, alarm] : parts.catalog.alarms) {
            for (const std::string& token : alarm.tokens) {
                Json::Value entry;
                entry["NormalAlarmType"] = type;
                entry["NormalAlarmToken"] = token;
                list.append(entry);
            }
        }
        return Acknowledge(list);
    });

    table.Add("CMD_GetNormalAlarmData", [parts](const Json::Value& info, const CommandContext&) {
        const std::string type = RequiredText(info, "NormalAlarmType");
        const std::string token = RequiredText(info, "NormalAlarmToken");
        AlarmOf(parts.catalog, type, token);
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            return RecordWithToken(doc["normalAlarms"][type][token]["params"], token);
        }));
    });

    table.Add("CMD_ModifyNormalAlarmData", [parts](const Json::Value& info, const CommandContext&) {
        const std::string type = RequiredText(info, "NormalAlarmType");
        const std::string token = RequiredText(info, "NormalAlarmToken");
        const AlarmDef& alarm = AlarmOf(parts.catalog, type, token);
        const Json::Value& data = RequiredObject(info, "NormalAlarmData");
        parts.store.Update([&](Json::Value& doc) {
            ApplyRecord(alarm.params, data, doc["normalAlarms"][type][token]["params"],
                        parts.catalog.limits);
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetNonSceneParam", [parts](const Json::Value& info, const CommandContext&) {
        const std::string name = RequiredText(info, "NonSceneName");
        NonSceneOf(parts.catalog, name);
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            return RecordWithToken(doc["nonScenes"][name], std::string());
        }));
    });

    table.Add("CMD_ModifyNonSceneParam", [parts](const Json::Value& info, const CommandContext&) {
        const std::string name = RequiredText(info, "NonSceneName");
        const ParamSet& params = NonSceneOf(parts.catalog, name);
        const std::string type = RequiredText(info, "CMDType");
        if (type != "Modify" && type != "Reset") {
            throw DeviceError(err::kCmdType, type.substr(0, 40));
        }
        // A reset carries the record too; the device restores its own
        // factory values instead.
        const Json::Value data =
            type == "Modify" ? RequiredObject(info, "NonSceneData") : Json::Value();
        parts.store.Update([&](Json::Value& doc) {
            Json::Value& record = doc["nonScenes"][name];
            if (type == "Reset") {
                record = params.Factory();
            } else {
                ApplyRecord(params, data, record, parts.catalog.limits);
            }
            return Json::Value();
        });
        return Acknowledge();
    });
}

}  // namespace devsim
