// Batch configuration and configuration-info operations of the command
// channel.

#include "device_command_channel.h"
#include "json_text.h"
#include "narrow_text.h"
#include "reply_readers.h"

int DeviceCommandChannel::GetBatchConfig(QString& configText) {
    Json::Value reply;
    if (!SendCommand("CMD_GetBatchConfig", Json::Value(), reply)) {
        return 0;
    }
    configText = ReadBatchConfigText(reply);
    return 1;
}

int DeviceCommandChannel::SetBatchConfig(const QString& configText) {
    const std::string narrow = vexo::ToNarrow(configText);
    Json::Value parsed;
    Json::Value info;
    // The choice depends on the text alone: a JSON text travels as JSON, so
    // the device need not parse it twice; anything else as the text itself.
    if (vexo::ParseJson(narrow, parsed)) {
        info["config"] = parsed;
        Json::Value reply;
        return SendCommand("CMD_SetParamsBatchConfig", info, reply);
    }
    info["config"] = narrow;
    Json::Value reply;
    return SendCommand("CMD_SetBatchConfig", info, reply);
}

int DeviceCommandChannel::GetConfigInfo(std::map<QString, QString>& config) {
    Json::Value reply;
    if (!SendCommand("CMD_GetConfigInfo", Json::Value(), reply)) {
        return 0;
    }
    ReadConfigInfo(reply, config);
    return 1;
}

int DeviceCommandChannel::BuildBatchConfigText(QString& text, const RecordGroups& first,
                                               const FunctionRecordGroups& second) {
    Json::Value root(Json::objectValue);
    // A group or function without records stays null, as the export file
    // shows it.
    for (const auto& [groupKey, records] : first) {
        Json::Value group;
        for (const auto& [name, record] : records) {
            EncodeParamRecord(group, record, vexo::ToNarrow(name));
        }
        root[groupKey] = group;
    }
    for (const auto& [groupKey, functions] : second) {
        Json::Value group;
        for (const auto& [funName, records] : functions) {
            Json::Value function;
            for (const auto& [name, record] : records) {
                EncodeParamRecord(function, record, vexo::ToNarrow(name));
            }
            group[vexo::ToNarrow(funName)] = function;
        }
        root[groupKey] = group;
    }
    text = vexo::FromNarrow(vexo::StyledJson(root));
    return 1;
}
