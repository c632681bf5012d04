#include "sim_device.h"

#include <gtest/gtest.h>
#include <json/reader.h>
#include <json/writer.h>

#include <filesystem>

#include "temp_folder.h"

namespace devsim::test {

Json::Value J(const std::string& text) {
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string error;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &error)) {
        ADD_FAILURE() << "test JSON does not parse: " << error << "\n" << text;
    }
    return value;
}

SimDevice::SimDevice() {
    folder_ = vexo::test::MakeTempFolder("vexo-devsim-unit-");
    Restart();
}

SimDevice::~SimDevice() {
    server_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void SimDevice::Restart() {
    server_.reset();
    ServerSettings settings;
    settings.stateFolder = folder_ + "/state";
    settings.dataFolder = std::string(VEXO_SOURCE_DIR) + "/simulator/data";
    settings.users.Set("admin", "Admin_123");
    server_ = std::make_unique<DeviceServer>(settings);
}

Json::Value SimDevice::SendText(const std::string& body, const std::string& session) {
    CommandContext context;
    context.session = session;
    context.user = "admin";
    context.host = "192.0.2.7:8090";
    return J(server_->HandleSmartBody(body, context));
}

Json::Value SimDevice::Send(const std::string& op, const Json::Value& info,
                            const std::string& session) {
    Json::Value request;
    request["op"] = op;
    request["info"] = info;
    Json::StreamWriterBuilder builder;
    return SendText(Json::writeString(builder, request), session);
}

Json::Value SimDevice::Ok(const std::string& op, const Json::Value& info,
                          const std::string& session) {
    const Json::Value reply = Send(op, info, session);
    EXPECT_EQ(reply["ack"].asString(), "0") << op << " refused: " << reply["errinfo"].asString()
                                            << " / " << reply["errdetail"].asString();
    return reply["info"];
}

std::string SimDevice::Refused(const std::string& op, const Json::Value& info,
                               const std::string& session) {
    const Json::Value reply = Send(op, info, session);
    EXPECT_EQ(reply["ack"].asString(), "1") << op << " was acknowledged";
    EXPECT_TRUE(reply["errinfo"].isString());
    return reply["errinfo"].asString();
}

void ExpectRefusals(SimDevice& device, const std::string& op, Json::Value info, const char* member,
                    const RefusalCases& cases) {
    for (const auto& [data, error] : cases) {
        info[member] = J(data);
        EXPECT_EQ(device.Refused(op, info), error) << op << " " << data;
    }
}

// Changes one of every kind of object from its factory state.
void ChangeEverything(SimDevice& device) {
    device.Ok("CMD_AddScene", J(R"({"SceneName":"Dock"})"));
    device.Ok("CMD_ModifyScene", J(R"({"SceneName":"Dock","SceneToken":"Scene_004",
        "SceneConfigSmartFun":[{"SmartFunName":"zelk:Fast_Moving_Event"}]})"));
    device.Ok("CMD_AddRule", J(R"({"SceneToken":"Scene_004","SmartFunName":"zelk:Fast_Moving_Event",
        "RuleToken":"Fast_Moving_Event 01"})"));
    device.Ok("CMD_ModifyRuleModuleParam", J(R"({"SceneToken":"Scene_004",
        "SmartFunName":"zelk:Fast_Moving_Event","RuleToken":"Fast_Moving_Event 01",
        "CMDType":"Modify","RuleModuleData":{"SpeedThreshold":"77"}})"));
    device.Ok("CMD_ModifyRuleModuleParam", J(R"({"SceneToken":"Scene_004",
        "ModuleName":"zelk:Shield_Region_Settings","CMDType":"Modify",
        "RuleModuleData":{"ShieldEnable":"true"}})"));
    device.Ok("CMD_SetActionTrigger", J(R"({"SceneToken":"Scene_004",
        "SmartFunName":"zelk:Fast_Moving_Event","RuleToken":"Fast_Moving_Event 01",
        "ActionTriggerData":{"data":{"Capture":{"simp":{"Snapshot":"TRUE"}}}}})"));
    device.Ok("CMD_SetGuardSchedules", J(R"({"NormalAlarmType":"zelk:Motion_Event",
        "NormalAlarmToken":"Motion 01","GuardSchedulesData":{"Sat":{"simp":null}}})"));
    device.Ok("CMD_ModifyNormalAlarmData", J(R"({"NormalAlarmType":"zelk:Motion_Event",
        "NormalAlarmToken":"Motion 01","NormalAlarmData":{"Sensitivity":"11"}})"));
    device.Ok("CMD_ModifyNonSceneParam", J(R"({"NonSceneName":"zelk:Face_Capture_Settings",
        "CMDType":"Modify","NonSceneData":{"PictureQuality":"33"}})"));
    device.Ok("CMD_SetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour",
        "Data":{"Tour5":{"simp":{"AnalyticsConfigurationToken":"Scene_004"}}}})"));
    device.Ok("CMD_SetCurScene", J(R"({"SceneToken":"Scene_004"})"));
    device.Ok("CMD_SetSmartStatus", J(R"({"status":"FALSE"})"));
    device.Ok("CMD_MovePTZPosition", J(R"({"ptzPoint":{"fPan":0.5,"fTilt":0.5,"fZoom":0.5}})"));
    device.Ok("CMD_DelRule", J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event",
        "RuleToken":"Intrusion_Event 02"})"));
}

}  // namespace devsim::test
