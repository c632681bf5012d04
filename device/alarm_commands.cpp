// Normal alarm and non-scene operations of the command channel.

#include "command_info.h"
#include "device_command_channel.h"
#include "reply_readers.h"

using vexo::CommandInfo;

namespace {

Json::Value NormalAlarmInfo(const ParamRecord& record) {
    return CommandInfo({{"NormalAlarmType", record.funName}, {"NormalAlarmToken", record.token}});
}

Json::Value NonSceneInfo(const ParamRecord& record, const char* cmdType) {
    Json::Value info = CommandInfo({{"NonSceneName", record.funName}});
    if (cmdType != nullptr) {
        info["CMDType"] = cmdType;
        EncodeParamRecord(info, record, "NonSceneData");
    }
    return info;
}

}  // namespace

DeviceCommandChannel::AheadCommand DeviceCommandChannel::NonSceneRead(const QString& nonSceneName) {
    ParamRecord record;
    record.funName = nonSceneName;
    return {"CMD_GetNonSceneParam", NonSceneInfo(record, nullptr)};
}

DeviceCommandChannel::AheadCommand DeviceCommandChannel::NormalAlarmListRead() {
    return {"CMD_GetAllNormalAlarmFunName", Json::Value()};
}

int DeviceCommandChannel::GetAllNormalAlarmFunName(std::vector<NormalAlarmFun>& funs) {
    Json::Value reply;
    const AheadCommand read = NormalAlarmListRead();
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    ReadNormalAlarmFuns(reply, funs);
    return 1;
}

// A normal alarm belongs to no scene: the scene token is not sent.
int DeviceCommandChannel::GetNormalAlarmData(const QString& /*sceneToken*/, ParamRecord& record) {
    Json::Value reply;
    if (!SendCommand("CMD_GetNormalAlarmData", NormalAlarmInfo(record), reply)) {
        return 0;
    }
    DecodeParamRecord(reply, record);
    return 1;
}

int DeviceCommandChannel::ModifyNormalAlarmData(const QString& /*sceneToken*/,
                                                const ParamRecord& record) {
    Json::Value info = NormalAlarmInfo(record);
    EncodeParamRecord(info, record, "NormalAlarmData");
    Json::Value reply;
    return SendCommand("CMD_ModifyNormalAlarmData", info, reply);
}

int DeviceCommandChannel::GetNonSceneParam(ParamRecord& record) {
    Json::Value reply;
    const AheadCommand read = NonSceneRead(record.funName);
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    DecodeParamRecord(reply, record);
    return 1;
}

int DeviceCommandChannel::ModifyNonSceneParam(ParamRecord record) {
    Json::Value reply;
    return SendCommand("CMD_ModifyNonSceneParam", NonSceneInfo(record, "Modify"), reply);
}

int DeviceCommandChannel::ResetNonSceneParam(ParamRecord& record) {
    // Unlike the rule reset, this one carries the record's data along.
    Json::Value reply;
    if (!SendCommand("CMD_ModifyNonSceneParam", NonSceneInfo(record, "Reset"), reply)) {
        return 0;
    }
    GetNonSceneParam(record);
    return 1;
}
