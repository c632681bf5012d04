#include "device_model.h"

namespace devsim {

DeviceModel::DeviceModel(const StateFolder& state, DeviceIdentity identity)
    : state_(state), identity_(std::move(identity)), ptz_(state) {
    RegisterCommands();
}

void DeviceModel::RegisterCommands() {
    commands_.Add("CMD_ParamInit", [this](const Json::Value&, const CommandContext&) {
        Json::Value info;
        info["DeviceName"] = identity_.name;
        info["Firmware"] = identity_.firmware;
        info["ProtocolVersion"] = "1";
        return Acknowledge(info);
    });
}

}  // namespace devsim
