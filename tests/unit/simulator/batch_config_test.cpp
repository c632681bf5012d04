// The whole configuration in one batch: the device's own text restores
// what it described, whichever command carries it; the export layout
// applies its groups; anything else, or anything invalid inside, changes
// nothing.

#include <gtest/gtest.h>
#include <json/writer.h>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

std::string BatchText(SimDevice& device) {
    return device.Ok("CMD_GetBatchConfig")["config"].asString();
}

TEST(BatchConfig, TextGivenBackRestoresTheConfigurationByEitherCommand) {
    SimDevice device;
    ChangeEverything(device);
    const std::string saved = BatchText(device);
    EXPECT_NE(saved.find("Fast_Moving_Event 01"), std::string::npos);

    for (const char* command : {"CMD_SetBatchConfig", "CMD_SetParamsBatchConfig"}) {
        SimDevice other;  // a factory-fresh device
        EXPECT_NE(BatchText(other), saved);
        Json::Value info;
        info["config"] =
            std::string(command) == "CMD_SetBatchConfig" ? Json::Value(saved) : J(saved);
        other.Ok(command, info);
        EXPECT_EQ(BatchText(other), saved) << command;
        EXPECT_EQ(other.Ok("CMD_GetSceneList")["SelectSceneToken"].asString(), "Scene_004");
        // The next new scene does not reuse a restored token.
        EXPECT_EQ(other.Ok("CMD_AddScene", J(R"({"SceneName":"New"})"))["SceneToken"].asString(),
                  "Scene_005");
    }
}

TEST(BatchConfig, InvalidContentChangesNothing) {
    SimDevice device;
    const std::string before = BatchText(device);
    Json::Value config = J(before);
    config["scenes"][1]["rules"]["zelk:Loitering_Event"][0]["params"]["LoiterTime"] = "601";
    // An otherwise good change elsewhere in the same batch.
    config["smartStatus"] = "FALSE";
    Json::Value info;
    info["config"] = config;
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kParamRange);

    Json::Value broken = J(before);
    broken["scenes"][0]["functions"].append("zelk:Face_Detection_Event");
    broken["scenes"][0]["functions"].append("zelk:Crowd_Action_Event");
    info["config"] = broken;
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kBatch);
    broken = J(before);
    broken["selectedScene"] = "Scene_404";
    info["config"] = broken;
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kNoScene);
    broken = J(before);
    broken["scenes"][2]["name"] = "Entrance";
    info["config"] = broken;
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kSceneNameRepeat);

    EXPECT_EQ(BatchText(device), before);
}

TEST(BatchConfig, OtherTextsAreRefused) {
    SimDevice device;
    const std::string before = BatchText(device);
    EXPECT_EQ(device.Refused("CMD_SetBatchConfig", J(R"({"config":"not json at all"})")),
              err::kBatchJson);
    EXPECT_EQ(device.Refused("CMD_SetBatchConfig", J(R"({"config":{"format":1}})")),
              err::kMemberType);
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", J(R"({"config":{"Gadgets":{}}})")),
              err::kBatchGroup);
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", J(R"({"config":[1,2]})")), err::kBatch);
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", J(R"({})")), err::kMissingMember);
    EXPECT_EQ(BatchText(device), before);
}

TEST(BatchConfig, ExportLayoutAppliesItsGroupsToTheSelectedScene) {
    SimDevice device;
    Json::Value info;
    info["config"] = J(R"({
        "Alarms": {"zelk:Alarm_Input_Event": {"AlarmIn 01": {"Token": "AlarmIn 01", "AlarmName": "Gate"}}},
        "Modules": {"zelk:Target_Size_Filter": {"Token": "", "FilterEnable": "true"}},
        "NonScenes": {"zelk:Metadata_Settings": {"Token": "", "ShowTargetBox": "false"}},
        "NormalArmingInterval": {"zelk:Alarm_Input_Event": {"AlarmIn 01": {"Token": "AlarmIn 01",
            "Mon": {"simp": {"GuardTime 1": "60|120"}, "name": ""}}}},
        "NormalLinkMethod": null,
        "Rules": {"zelk:Intrusion_Event": {
            "Intrusion_Event 01": {"Token": "Intrusion_Event 01", "Sensitivity": "12"},
            "Intrusion_Event 05": {"Token": "", "TargetType": "Human"}},
                  "zelk:Wire_Cross_Event": null},
        "SmartArmingInterval": null,
        "SmartLinkMethod": {"zelk:Intrusion_Event": {"Intrusion_Event 05": {"Token": "Intrusion_Event 05",
            "AlarmOutput": "2", "AlarmOutput2": null,
            "Recording": {"simp": {"RecordChannel1": "TRUE"}, "name": ""}}}}})");
    // "AlarmOutput2" is not a group of this device.
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kUnknownAction);
    info["config"]["SmartLinkMethod"]["zelk:Intrusion_Event"]["Intrusion_Event 05"].removeMember(
        "AlarmOutput2");
    device.Ok("CMD_SetParamsBatchConfig", info);

    const Json::Value rule = J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event",
        "RuleToken":"Intrusion_Event 05"})");
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", rule)["TargetType"].asString(), "Human");
    const Json::Value trigger = device.Ok("CMD_GetActionTrigger", rule);
    EXPECT_EQ(trigger["simp"]["AlarmOutput"].asString(), "2");
    EXPECT_EQ(trigger["data"]["Recording"]["simp"]["RecordChannel1"].asString(), "TRUE");
    Json::Value first = rule;
    first["RuleToken"] = "Intrusion_Event 01";
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", first)["Sensitivity"].asString(), "12");
    const auto held = [&](const char* op, const char* info) { return device.Ok(op, J(info)); };
    EXPECT_EQ(
        held(
            "CMD_GetRuleModuleParam",
            R"({"SceneToken":"Scene_001","ModuleName":"zelk:Target_Size_Filter"})")["FilterEnable"],
        "true");
    const char* alarm =
        R"({"NormalAlarmType":"zelk:Alarm_Input_Event","NormalAlarmToken":"AlarmIn 01"})";
    EXPECT_EQ(held("CMD_GetNormalAlarmData", alarm)["AlarmName"], "Gate");
    EXPECT_EQ(held("CMD_GetGuardSchedules", alarm)["Mon"]["simp"]["GuardTime 1"], "60|120");
    EXPECT_EQ(held("CMD_GetNonSceneParam",
                   R"({"NonSceneName":"zelk:Metadata_Settings"})")["ShowTargetBox"],
              "false");
}

TEST(BatchConfig, ExportLayoutIsAppliedWholeOrNotAtAll) {
    SimDevice device;
    const std::string before = BatchText(device);
    Json::Value info;
    // The rule change is valid, the alarm's is not.
    info["config"] = J(R"({
        "Rules": {"zelk:Intrusion_Event": {"Intrusion_Event 01": {"Sensitivity": "12"}}},
        "Alarms": {"zelk:Motion_Event": {"Motion 01": {"Sensitivity": "500"}}}})");
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kParamRange);
    info["config"] = J(R"({"Rules": {"zelk:Loitering_Event": {"Loitering_Event 01": {}}}})");
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kFunctionOff);
    info["config"] = J(R"({"NonScenes": 5})");
    EXPECT_EQ(device.Refused("CMD_SetParamsBatchConfig", info), err::kBatch);
    EXPECT_EQ(BatchText(device), before);

    // The layout of a fresh export: every group null.
    info["config"] =
        J(R"({"Alarms":null,"Modules":null,"NonScenes":null,"NormalArmingInterval":null,
        "NormalLinkMethod":null,"Rules":null,"SmartArmingInterval":null,"SmartLinkMethod":null})");
    device.Ok("CMD_SetParamsBatchConfig", info);
    EXPECT_EQ(BatchText(device), before);
}

}  // namespace
}  // namespace devsim::test
