// Rules and modules on the simulated device: the rule limit, every value
// checked against its range, partial changes, object values, modules per
// scene, and refused range queries. (A new rule's defaults, saving a panel
// and Recover are the smart page's host scripts.)

#include <gtest/gtest.h>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

constexpr const char* kScene = "Scene_001";
constexpr const char* kIntrusion = "zelk:Intrusion_Event";

Json::Value Rule(const std::string& token, const std::string& function = kIntrusion) {
    Json::Value info;
    info["SceneToken"] = kScene;
    info["SmartFunName"] = function;
    info["RuleToken"] = token;
    return info;
}

Json::Value Modify(const std::string& token, const Json::Value& data) {
    Json::Value info = Rule(token);
    info["CMDType"] = "Modify";
    info["RuleModuleData"] = data;
    return info;
}

TEST(RuleCommands, TokensAreUniqueAndTheFunctionHoldsAtMostEightRules) {
    SimDevice device;
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule("Intrusion_Event 01")), err::kRuleExists);
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule("")), err::kRuleToken);
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule(std::string(65, 't'))), err::kRuleToken);
    for (int i = 3; i <= 8; ++i) {
        device.Ok("CMD_AddRule", Rule("Intrusion_Event 0" + std::to_string(i)));
    }
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule("Intrusion_Event 09")), err::kRuleLimit);
    // Another function of the same scene has its own eight.
    device.Ok("CMD_AddRule", Rule("Wire_Cross_Event 02", "zelk:Wire_Cross_Event"));
    // Deleting frees a place.
    device.Ok("CMD_DelRule", Rule("Intrusion_Event 04"));
    device.Ok("CMD_AddRule", Rule("Intrusion_Event 09"));
    EXPECT_EQ(device.Refused("CMD_GetRuleModuleParam", Rule("Intrusion_Event 04")), err::kNoRule);
    EXPECT_EQ(device.Refused("CMD_DelRule", Rule("Intrusion_Event 04")), err::kNoRule);
}

TEST(RuleCommands, RulesNeedAnEnabledKnownFunctionInAnExistingScene) {
    SimDevice device;
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule("x", "zelk:Loitering_Event")), err::kFunctionOff);
    EXPECT_EQ(device.Refused("CMD_AddRule", Rule("x", "zelk:Unknown_Event")),
              err::kUnknownFunction);
    Json::Value info = Rule("x");
    info["SceneToken"] = "Scene_404";
    EXPECT_EQ(device.Refused("CMD_AddRule", info), err::kNoScene);
}

TEST(RuleCommands, ModifyChecksEveryValueAndChangesNothingOnRefusal) {
    SimDevice device;
    const Json::Value before = device.Ok("CMD_GetRuleModuleParam", Rule("Intrusion_Event 01"));
    ExpectRefusals(
        device, "CMD_ModifyRuleModuleParam", Modify("Intrusion_Event 01", {}), "RuleModuleData",
        {
            {R"({"Sensitivity":"101"})", err::kParamRange},
            {R"({"Sensitivity":50})", err::kParamType},
            {R"({"TargetType":"Bicycle"})", err::kParamRange},
            {R"({"Enable":"yes"})", err::kParamRange},
            {R"({"RuleName":"this name is far longer than thirty-two bytes"})", err::kParamRange},
            {R"({"Colour":"red"})", err::kUnknownParam},
            {R"j({"DetectionRegion":"4|(0,0)"})j", err::kParamType},
            {R"j({"DetectionRegion":{"polygon":[{"VexoPolygon":"2|(0,0),(0.5,0.5)"}]}})j",
             err::kGeometry},
            {R"j({"DetectionRegion":{"polygon":[{"VexoPolygon":"3|(0,0),(1.5,1),(0,1)"}]}})j",
             err::kGeometry},
            {R"j({"DetectionRegion":{"rect":[{"rectF":"(0,0,0.1,0.1)"}]}})j", err::kGeometry},
            {R"({"DetectionRegion":{"simp":{"Margin":"5"}}})", err::kUnknownParam},
            {R"({"DetectionRegion":{"name":7}})", err::kParamType},
            // One bad value refuses the whole change, good values included.
            {R"({"Sensitivity":"60","TimeThreshold":"61"})", err::kParamRange},
            {R"({"Token":5})", err::kMemberType},
        });
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", Rule("Intrusion_Event 01")), before);
    // A good change sets what it names (booleans in the device's own case)
    // and keeps the rest of the rule.
    device.Ok("CMD_ModifyRuleModuleParam",
              Modify("Intrusion_Event 01", J(R"({"Sensitivity":"100","Enable":"FALSE"})")));
    Json::Value expected = before;
    expected["Sensitivity"] = "100";
    expected["Enable"] = "false";
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", Rule("Intrusion_Event 01")), expected);
}

// The control writes an object value whole but leaves out an empty geometry
// list: what it sends is what the device holds, so a shape it leaves out is
// gone. Attributes it leaves out stay.
TEST(RuleCommands, ObjectValuesHoldTheGeometrySentAndKeepOmittedAttributes) {
    SimDevice device;
    const Json::Value wire = Rule("Wire_Cross_Event 01", "zelk:Wire_Cross_Event");
    Json::Value modify = wire;
    modify["CMDType"] = "Modify";
    modify["RuleModuleData"] = J(
        R"j({"Wire":{"name":"","simp":null,"polygon":[{"VexoPolygon":"2|(0.1,0.2),(0.3,0.4)"}]}})j");
    device.Ok("CMD_ModifyRuleModuleParam", modify);
    Json::Value value = device.Ok("CMD_GetRuleModuleParam", wire)["Wire"];
    EXPECT_EQ(value["simp"]["Margin"].asString(), "10");
    EXPECT_EQ(value["polygon"][0]["VexoPolygon"].asString(), "2|(0.1,0.2),(0.3,0.4)");
    modify["RuleModuleData"] = J(R"({"Wire":{"simp":{"Margin":"101"}}})");
    EXPECT_EQ(device.Refused("CMD_ModifyRuleModuleParam", modify), err::kParamRange);
    modify["RuleModuleData"] = J(R"({"Wire":{"name":"","simp":{"Margin":"35"}}})");
    device.Ok("CMD_ModifyRuleModuleParam", modify);
    value = device.Ok("CMD_GetRuleModuleParam", wire)["Wire"];
    EXPECT_EQ(value["simp"]["Margin"].asString(), "35");
    EXPECT_FALSE(value.isMember("polygon")) << "the wire the operator removed is gone";

    const Json::Value module =
        J(R"({"SceneToken":"Scene_001","ModuleName":"zelk:Target_Size_Filter"})");
    Json::Value rect = module;
    rect["CMDType"] = "Modify";
    rect["RuleModuleData"] = J(R"j({"MinTargetSize":{"name":"","simp":null,
        "rect":[{"rectF":"(-0.100000,0.100000,0.200000,-0.200000)"}]}})j");
    device.Ok("CMD_ModifyRuleModuleParam", rect);
    ASSERT_TRUE(device.Ok("CMD_GetRuleModuleParam", module)["MinTargetSize"].isMember("rect"));
    rect["RuleModuleData"] = J(R"({"MinTargetSize":{"name":"","simp":null}})");
    device.Ok("CMD_ModifyRuleModuleParam", rect);
    EXPECT_FALSE(device.Ok("CMD_GetRuleModuleParam", module)["MinTargetSize"].isMember("rect"));
}

// What a reset restores is the rule panel's Recover (smart_recover_tabs.js).
TEST(RuleCommands, ChangeTypeAndDataAreChecked) {
    SimDevice device;
    Json::Value request = Rule("Intrusion_Event 02");
    request["CMDType"] = "Erase";
    EXPECT_EQ(device.Refused("CMD_ModifyRuleModuleParam", request), err::kCmdType);
    request["CMDType"] = "Modify";
    EXPECT_EQ(device.Refused("CMD_ModifyRuleModuleParam", request), err::kMissingMember);
}

TEST(RuleCommands, ModulesBelongToTheSceneAndResetAlone) {
    SimDevice device;
    const Json::Value module =
        J(R"({"SceneToken":"Scene_001","ModuleName":"zelk:Target_Size_Filter"})");
    Json::Value modify = module;
    modify["CMDType"] = "Modify";
    modify["RuleModuleData"] = J(R"j({"FilterEnable":"true",
        "MinTargetSize":{"rect":[{"rectF":"(-0.100000,0.100000,0.200000,-0.200000)"}]}})j");
    device.Ok("CMD_ModifyRuleModuleParam", modify);
    const auto filterEnable = [&](const char* scene) {
        Json::Value info = module;
        info["SceneToken"] = scene;
        return device.Ok("CMD_GetRuleModuleParam", info)["FilterEnable"].asString();
    };
    EXPECT_EQ(filterEnable("Scene_001"), "true");
    EXPECT_EQ(filterEnable("Scene_002"), "false") << "the same module of another scene";
    modify["RuleModuleData"] = J(R"j({"MinTargetSize":{"rect":[{"rectF":"(0.5,0.5,0.7,0.1)"}]}})j");
    EXPECT_EQ(device.Refused("CMD_ModifyRuleModuleParam", modify), err::kGeometry);
    Json::Value reset = module;
    reset["CMDType"] = "Reset";
    device.Ok("CMD_ModifyRuleModuleParam", reset);
    EXPECT_EQ(filterEnable("Scene_001"), "false");
    EXPECT_EQ(device.Refused("CMD_GetRuleModuleParam",
                             J(R"({"SceneToken":"Scene_001","ModuleName":"zelk:Nothing"})")),
              err::kUnknownModule);
    EXPECT_EQ(device.Refused("CMD_GetRuleModuleParam",
                             J(R"({"SceneToken":"Scene_001","ModuleName":"zelk:Target_Size_Filter",
                                   "SmartFunName":"zelk:Intrusion_Event"})")),
              err::kMalformed);
}

TEST(RuleCommands, ReadOnlyValuesCannotChange) {
    SimDevice device;
    const Json::Value data =
        device.Ok("CMD_GetNonSceneParam", J(R"({"NonSceneName":"zelk:Metadata_Settings"})"));
    Json::Value modify = J(R"({"NonSceneName":"zelk:Metadata_Settings","CMDType":"Modify"})");
    modify["NonSceneData"] = data;  // sent back as read: fine
    device.Ok("CMD_ModifyNonSceneParam", modify);
    modify["NonSceneData"]["AlgorithmVersion"] = "VA 9.9";
    EXPECT_EQ(device.Refused("CMD_ModifyNonSceneParam", modify), err::kReadOnly);
}

// The reset through the rule command is the normal page's Recover
// (normal_parameters.js); a change takes the same way.
TEST(RuleCommands, NormalAlarmsAnswerTheRuleCommandsUnderTheirOwner) {
    SimDevice device;
    const Json::Value alarm = J(
        R"({"SceneToken":"zelk:NormalAlarm","SmartFunName":"zelk:Motion_Event","RuleToken":"Motion 01"})");
    Json::Value modify = alarm;
    modify["CMDType"] = "Modify";
    modify["RuleModuleData"] = J(R"({"Sensitivity":"90"})");
    device.Ok("CMD_ModifyRuleModuleParam", modify);
    const Json::Value read =
        device.Ok("CMD_GetNormalAlarmData",
                  J(R"({"NormalAlarmType":"zelk:Motion_Event","NormalAlarmToken":"Motion 01"})"));
    EXPECT_EQ(read["Sensitivity"].asString(), "90");
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", alarm), read);
}

// Every parameter's range is the data files test's; the pages show the
// forms (the panels, the tour view's stay time).
TEST(ParamRange, UnknownOwnersAndParametersAreRefused) {
    SimDevice device;
    for (const auto& [info, error] : std::vector<std::pair<const char*, const char*>>{
             {R"({"ParamName":"Sensitivity","ParamFunction":"Rule","ParamEvent":"zelk:X"})",
              err::kUnknownFunction},
             {R"({"ParamName":"Nope","ParamFunction":"Rule","ParamEvent":"zelk:Intrusion_Event"})",
              err::kUnknownParam},
             {R"({"ParamName":"Sensitivity","ParamFunction":"Gadget","ParamEvent":"x"})",
              err::kUnknownParam}}) {
        EXPECT_EQ(device.Refused("CMD_GetParamRange", J(info)), error) << info;
    }
}

}  // namespace
}  // namespace devsim::test
