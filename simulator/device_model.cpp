#include "device_model.h"

#include <json/reader.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "config_document.h"
#include "device_parts.h"

namespace devsim {
namespace {

Catalog LoadCatalog(const std::filesystem::path& dataFolder) {
    const std::filesystem::path path = dataFolder / "korvane_profile.json";
    std::ifstream in(path, std::ios::binary);
    Json::Value profile;
    Json::CharReaderBuilder builder;
    std::string error;
    if (!in || !Json::parseFromStream(builder, in, &profile, &error)) {
        throw std::runtime_error("cannot read the device profile " + path.string() + " " + error);
    }
    auto catalog = Catalog::FromProfile(profile, error);
    if (!catalog) {
        throw std::runtime_error("device profile " + path.string() + ": " + error);
    }
    return std::move(*catalog);
}

}  // namespace

DeviceModel::DeviceModel(const StateFolder& state, DeviceIdentity identity,
                         std::filesystem::path dataFolder)
    : identity_(std::move(identity)),
      dataFolder_(std::move(dataFolder)),
      catalog_(LoadCatalog(dataFolder_)),
      ptz_(state),
      store_(state, catalog_) {
    // A dome leaves the factory with its scenes' views stored as presets 1,
    // 2, ... so that "go to preset" has somewhere to go.
    if (ptz_.PresetCount() == 0) {
        const Json::Value scenes =
            store_.Read([](const Json::Value& doc) { return doc["scenes"]; });
        int number = 1;
        for (const Json::Value& scene : scenes) {
            if (const auto position = ScenePosition(scene)) {
                ptz_.SetPresetAt(number++, *position);
            }
        }
    }
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
    const DeviceParts parts{catalog_, store_, ptz_, lock_, dataFolder_};
    RegisterSceneCommands(commands_, parts);
    RegisterRuleCommands(commands_, parts);
    RegisterAlarmCommands(commands_, parts);
    RegisterLinkageCommands(commands_, parts);
    RegisterPtzCommands(commands_, parts);
    RegisterBatchCommands(commands_, parts);
}

}  // namespace devsim
