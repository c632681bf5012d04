// Action trigger and guard schedule operations of the command channel, for
// an analytics rule or a normal alarm.

#include "device_command_channel.h"
#include "linkage_forms.h"

int DeviceCommandChannel::GetActionTrigger(const QString& sceneToken, ParamRecord& record) {
    Json::Value reply;
    if (!SendCommand("CMD_GetActionTrigger", TriggerOwnerInfo(sceneToken, record), reply)) {
        return 0;
    }
    ReadActionTrigger(reply, record);
    return 1;
}

int DeviceCommandChannel::SetActionTrigger(const QString& sceneToken, ParamRecord record) {
    Json::Value info = TriggerOwnerInfo(sceneToken, record);
    info["ActionTriggerData"] = ActionTriggerJson(record);
    Json::Value reply;
    return SendCommand("CMD_SetActionTrigger", info, reply);
}

int DeviceCommandChannel::GetGuardSchedules(const QString& sceneToken, ParamRecord& record) {
    Json::Value reply;
    if (!SendCommand("CMD_GetGuardSchedules", TriggerOwnerInfo(sceneToken, record), reply)) {
        return 0;
    }
    ReadGuardSchedules(reply, record);
    return 1;
}

int DeviceCommandChannel::SetGuardSchedules(const QString& sceneToken, ParamRecord record) {
    Json::Value info = TriggerOwnerInfo(sceneToken, record);
    info["GuardSchedulesData"] = GuardSchedulesJson(record);
    Json::Value reply;
    return SendCommand("CMD_SetGuardSchedules", info, reply);
}
