// Scenes on the simulated device: the factory scenes, adding, deleting,
// selecting and changing scenes, and what each scene runs.

#include <gtest/gtest.h>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

Json::Value Token(const std::string& token) {
    Json::Value info;
    info["SceneToken"] = token;
    return info;
}

std::vector<std::string> Names(const Json::Value& list, const char* member) {
    std::vector<std::string> names;
    for (const Json::Value& item : list) {
        names.push_back(item[member].asString());
    }
    return names;
}

TEST(SceneCommands, AddSceneMakesUniqueTokensAndChecksTheName) {
    SimDevice device;
    const std::string first =
        device.Ok("CMD_AddScene", J(R"({"SceneName":"Dock"})"))["SceneToken"].asString();
    EXPECT_EQ(first, "Scene_004");
    EXPECT_EQ(device.Refused("CMD_AddScene", J(R"({"SceneName":"Dock"})")), err::kSceneNameRepeat);
    EXPECT_EQ(device.Refused("CMD_AddScene", J(R"({"SceneName":""})")), err::kSceneNameEmpty);
    EXPECT_EQ(device.Refused("CMD_AddScene", J(R"({"SceneName":"A&B"})")), err::kSceneNameIllegal);
    EXPECT_EQ(device.Refused("CMD_AddScene", Json::Value(std::string(65, 'n'))), err::kMemberType);
    Json::Value longName;
    longName["SceneName"] = std::string(65, 'n');
    EXPECT_EQ(device.Refused("CMD_AddScene", longName), err::kSceneNameLong);

    // A deleted scene's token is never given again.
    device.Ok("CMD_DelScene", Token(first));
    EXPECT_EQ(device.Ok("CMD_AddScene", J(R"({"SceneName":"Dock"})"))["SceneToken"].asString(),
              "Scene_005");
    // A new scene runs nothing until the operator chooses functions, but
    // has the standard modules.
    const Json::Value funs = device.Ok("CMD_GetAllSupportSmartFunName", Token("Scene_005"));
    for (const std::string& name : funs.getMemberNames()) {
        EXPECT_EQ(funs[name].asString(), "false") << name;
    }
    const auto modules =
        Names(device.Ok("CMD_GetSceneModuleList", Token("Scene_005")), "ModuleName");
    EXPECT_NE(std::find(modules.begin(), modules.end(), "zelk:ScenePosition_Settings"),
              modules.end());
}

TEST(SceneCommands, SceneCountStopsAtTheLimit) {
    SimDevice device;
    for (int i = 4; i <= 16; ++i) {
        Json::Value info;
        info["SceneName"] = "S" + std::to_string(i);
        device.Ok("CMD_AddScene", info);
    }
    EXPECT_EQ(device.Refused("CMD_AddScene", J(R"({"SceneName":"one too many"})")),
              err::kSceneLimit);
}

TEST(SceneCommands, DeleteKeepsTheDefaultSceneAndFallsBackToIt) {
    SimDevice device;
    EXPECT_EQ(device.Refused("CMD_DelScene", Token("Scene_001")), err::kDefaultScene);
    EXPECT_EQ(device.Refused("CMD_DelScene", Token("Scene_099")), err::kNoScene);

    device.Ok("CMD_SetCurScene", Token("Scene_002"));
    EXPECT_EQ(device.Ok("CMD_GetSceneList")["SelectSceneToken"].asString(), "Scene_002");
    device.Ok("CMD_DelScene", Token("Scene_002"));
    const Json::Value list = device.Ok("CMD_GetSceneList");
    EXPECT_EQ(list["SelectSceneToken"].asString(), "Scene_001");
    EXPECT_EQ(Names(list["SceneList"], "SceneToken"),
              (std::vector<std::string>{"Scene_001", "Scene_003"}));
    // The factory tour named the deleted scene in its first row.
    const Json::Value tour =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})"));
    EXPECT_EQ(tour["Tour0"]["simp"]["AnalyticsConfigurationToken"].asString(), "");
    EXPECT_EQ(tour["Tour1"]["simp"]["AnalyticsConfigurationToken"].asString(), "Scene_003");
    // Rules of a deleted scene are gone with it.
    EXPECT_EQ(
        device.Refused("CMD_QueryRule",
                       J(R"({"SceneToken":"Scene_002","SmartFunName":"zelk:Loitering_Event"})")),
        err::kNoScene);
}

TEST(SceneCommands, SelectingASceneDrivesTheDomeToItsView) {
    SimDevice device;
    device.Ok("CMD_SetCurScene", Token("Scene_003"));
    const Json::Value at = device.Ok("CMD_GetPTZPosition");
    EXPECT_NEAR(at["fPan"].asDouble(), -0.5, 1e-9);
    EXPECT_NEAR(at["fTilt"].asDouble(), -0.2, 1e-9);
    EXPECT_NEAR(at["fZoom"].asDouble(), 0.1, 1e-9);
}

TEST(SceneCommands, ModifySceneRefusesConflictingFunctionsUnderFail) {
    SimDevice device;
    const Json::Value reply = device.Ok("CMD_ModifyScene", J(R"({
        "SceneName": "Hall", "SceneToken": "Scene_003",
        "SceneConfigSmartFun": [{"SmartFunName": "zelk:Face_Detection_Event"},
                                {"SmartFunName": "zelk:Crowd_Action_Event"},
                                {"SmartFunName": "zelk:Loitering_Event"},
                                {"SmartFunName": "zelk:People_Counting_Event"},
                                {"SmartFunName": "zelk:Loitering_Event"}]})"));
    EXPECT_EQ(Names(reply["Fail"], "SmartFunName"),
              (std::vector<std::string>{"zelk:Crowd_Action_Event", "zelk:People_Counting_Event"}));
    const Json::Value funs = device.Ok("CMD_GetAllSupportSmartFunName", Token("Scene_003"));
    EXPECT_EQ(funs["zelk:Face_Detection_Event"].asString(), "true");
    EXPECT_EQ(funs["zelk:Loitering_Event"].asString(), "true");
    EXPECT_EQ(funs["zelk:Crowd_Action_Event"].asString(), "false");
    EXPECT_EQ(funs["zelk:Abandoned_Object_Detection_Event"].asString(), "false");
    EXPECT_EQ(device.Ok("CMD_GetSceneList")["SceneList"][2]["SceneName"].asString(), "Hall");
    // The modules of the new functions join the scene's list.
    const auto modules =
        Names(device.Ok("CMD_GetSceneModuleList", Token("Scene_003")), "ModuleName");
    EXPECT_NE(std::find(modules.begin(), modules.end(), "zelk:Face_Quality_Settings"),
              modules.end());
    // Rules of a switched-off function are kept but not reachable.
    EXPECT_EQ(device.Refused(
                  "CMD_QueryRule",
                  J(R"({"SceneToken":"Scene_003","SmartFunName":"zelk:Remove_Object_Event"})")),
              err::kFunctionOff);
}

TEST(SceneCommands, ModifySceneWithAnEmptyListSwitchesEverythingOff) {
    SimDevice device;
    const Json::Value reply = device.Ok(
        "CMD_ModifyScene",
        J(R"({"SceneName":"Default Scene","SceneToken":"Scene_001","SceneConfigSmartFun":""})"));
    EXPECT_EQ(reply["Fail"].size(), 0u);
    const Json::Value funs = device.Ok("CMD_GetAllSupportSmartFunName", Token("Scene_001"));
    EXPECT_EQ(funs["zelk:Intrusion_Event"].asString(), "false");
    // Switching the function on again brings its rules back.
    device.Ok("CMD_ModifyScene", J(R"({"SceneName":"Default Scene","SceneToken":"Scene_001",
        "SceneConfigSmartFun":[{"SmartFunName":"zelk:Intrusion_Event"}]})"));
    const Json::Value query =
        J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event"})");
    EXPECT_EQ(device.Ok("CMD_QueryRule", query).size(), 2u);
}

TEST(SceneCommands, ModifySceneRefusesUnknownFunctionsAndTakenNames) {
    SimDevice device;
    EXPECT_EQ(device.Refused("CMD_ModifyScene", J(R"({"SceneName":"x","SceneToken":"Scene_002",
        "SceneConfigSmartFun":[{"SmartFunName":"zelk:Teleport_Event"}]})")),
              err::kUnknownFunction);
    EXPECT_EQ(
        device.Refused("CMD_ModifyScene", J(R"({"SceneName":"Entrance","SceneToken":"Scene_003",
        "SceneConfigSmartFun":""})")),
        err::kSceneNameRepeat);
    // Keeping its own name is fine.
    device.Ok("CMD_ModifyScene",
              J(R"({"SceneName":"Entrance","SceneToken":"Scene_002","SceneConfigSmartFun":""})"));
    EXPECT_EQ(device.Refused("CMD_ModifyScene", J(R"({"SceneName":"x","SceneToken":"Scene_002",
        "SceneConfigSmartFun":{"SmartFunName":"zelk:Intrusion_Event"}})")),
              err::kMemberType);
}

TEST(SceneCommands, ModifySceneStoresTheCurrentView) {
    SimDevice device;
    device.Ok("CMD_MovePTZPosition", J(R"({"ptzPoint":{"fPan":0.4,"fTilt":0.3,"fZoom":0.5}})"));
    device.Ok("CMD_ModifyScene",
              J(R"({"SceneName":"Entrance","SceneToken":"Scene_002","SceneConfigSmartFun":""})"));
    const Json::Value module =
        device.Ok("CMD_GetRuleModuleParam",
                  J(R"({"SceneToken":"Scene_002","ModuleName":"zelk:ScenePosition_Settings"})"));
    const Json::Value& point = module["ScenePosition"]["PTZ"][0]["ptzPoint"];
    EXPECT_NEAR(point["fPan"].asDouble(), 0.4, 1e-9);
    EXPECT_NEAR(point["fZoom"].asDouble(), 0.5, 1e-9);
    device.Ok("CMD_MovePTZPosition", J(R"({"ptzPoint":{"fPan":0,"fTilt":0,"fZoom":0}})"));
    device.Ok("CMD_SetCurScene", Token("Scene_002"));
    EXPECT_NEAR(device.Ok("CMD_GetPTZPosition")["fTilt"].asDouble(), 0.3, 1e-9);
}

}  // namespace
}  // namespace devsim::test
