// PTZ and analytics-status operations of the command channel.

#include "command_info.h"
#include "device_command_channel.h"
#include "reply_readers.h"

DeviceCommandChannel::AheadCommand DeviceCommandChannel::PtzLockCommand(const QString& lockTime) {
    return {"CMD_PTZLock", vexo::CommandInfo({{"locktime", lockTime}})};
}

int DeviceCommandChannel::PTZLock(const QString& lockTime) {
    Json::Value reply;
    const AheadCommand lock = PtzLockCommand(lockTime);
    return SendCommand(lock.command, lock.params, reply);
}

int DeviceCommandChannel::PTZUnLock() {
    Json::Value reply;
    return SendCommand("CMD_PTZUnLock", Json::Value(), reply);
}

int DeviceCommandChannel::GetPTZPosition(PtzPosition& position) {
    Json::Value reply;
    if (!SendCommand("CMD_GetPTZPosition", Json::Value(), reply)) {
        return 0;
    }
    ReadPtzPosition(reply, position);
    return 1;
}

int DeviceCommandChannel::MovePTZPosition(float pan, float tilt, float zoom) {
    Json::Value info;
    info["ptzPoint"]["fPan"] = static_cast<double>(pan);
    info["ptzPoint"]["fTilt"] = static_cast<double>(tilt);
    info["ptzPoint"]["fZoom"] = static_cast<double>(zoom);
    Json::Value reply;
    return SendCommand("CMD_MovePTZPosition", info, reply);
}

int DeviceCommandChannel::SetSmartStatus(int status) {
    Json::Value info;
    info["status"] = status != 0 ? "TRUE" : "FALSE";
    Json::Value reply;
    return SendCommand("CMD_SetSmartStatus", info, reply);
}

DeviceCommandChannel::AheadCommand DeviceCommandChannel::SmartStatusRead() {
    return {"CMD_GetSmartStatus", Json::Value()};
}

int DeviceCommandChannel::GetSmartStatus(int& status) {
    Json::Value reply;
    const AheadCommand read = SmartStatusRead();
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    status = ReadSmartStatus(reply);
    return 1;
}
