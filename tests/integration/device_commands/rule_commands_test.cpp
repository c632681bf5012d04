// Rule, module and parameter-range operations against the device.

#include "command_fixture.h"

namespace {

using RuleCommands = CommandFixture;

ParamRecord Rule() {
    ParamRecord record;
    record.funName = "intrusion";
    record.token = "r1";
    record.secondText = "not sent";
    record.plainParams["Sensitivity"] = "40";
    ParamValue area;
    area.text = "Area";
    area.polygons = {{{-0.5f, 0.5f}, {0.5f, 0.5f}, {0, -0.5f}}};
    record.objectParams["Region"] = area;
    return record;
}

const char* kRuleReply = R"j({"Token": "r1", "Sensitivity": "70",
    "Region": {"simp": null, "name": "Area", "polygon": [{"VexoPolygon": "2|(0.1,0.2),(0.3,0.4)"}]}})j";

TEST_F(RuleCommands, GetRuleParamSendsIdentityAndDecodes) {
    Acknowledge("CMD_GetRuleModuleParam", kRuleReply);
    ParamRecord record = Rule();
    ASSERT_EQ(channel_.GetRuleParam("s1", record), 1);
    EXPECT_EQ(SentInfo("CMD_GetRuleModuleParam"),
              J(R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"));
    EXPECT_EQ(record.plainParams.at("Sensitivity"), "70");
    ASSERT_EQ(record.objectParams.at("Region").polygons.size(), 1u);
    EXPECT_FLOAT_EQ(record.objectParams.at("Region").polygons[0][1].Y, 0.4f);
}

TEST_F(RuleCommands, RefusedReadLeavesRecordUntouched) {
    Script("CMD_GetRuleModuleParam", R"({"ack": "1", "errinfo": "no rule", "info": {"X": "1"}})");
    ParamRecord record = Rule();
    EXPECT_EQ(channel_.GetRuleParam("s1", record), 0);
    EXPECT_EQ(record.plainParams.size(), 1u);
    EXPECT_EQ(LastError(), "no rule");
}

TEST_F(RuleCommands, ModifyRuleParamSendsTheRecordsJsonForm) {
    Acknowledge("CMD_ModifyRuleModuleParam");
    EXPECT_EQ(channel_.ModifyRuleParam("s1", Rule()), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyRuleModuleParam"), J(R"j({"SceneToken": "s1",
        "SmartFunName": "intrusion", "RuleToken": "r1", "CMDType": "Modify",
        "RuleModuleData": {"Token": "r1", "Sensitivity": "40", "Region": {"simp": null,
            "name": "Area", "polygon": [{"VexoPolygon":
            "3|(-0.500000,0.500000),(0.500000,0.500000),(0.000000,-0.500000)"}]}}})j"));
}

TEST_F(RuleCommands, ResetRuleParamSendsNoDataThenReadsDefaults) {
    Acknowledge("CMD_ModifyRuleModuleParam");
    Acknowledge("CMD_GetRuleModuleParam", kRuleReply);
    ParamRecord record = Rule();
    ASSERT_EQ(channel_.ResetRuleParam("s1", record), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyRuleModuleParam"), J(R"({"SceneToken": "s1",
        "SmartFunName": "intrusion", "RuleToken": "r1", "CMDType": "Reset"})"));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CMD_ModifyRuleModuleParam", "CMD_GetRuleModuleParam"}));
    EXPECT_EQ(record.plainParams.at("Sensitivity"), "70");
}

TEST_F(RuleCommands, FailedFollowUpReadKeepsSuccessAndRecord) {
    Acknowledge("CMD_AddRule");
    Refuse("CMD_GetRuleModuleParam");
    ParamRecord record = Rule();
    EXPECT_EQ(channel_.AddRule("s1", record), 1);
    EXPECT_EQ(SentInfo("CMD_AddRule"),
              J(R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"));
    EXPECT_EQ(record.plainParams.at("Sensitivity"), "40");

    Acknowledge("CMD_ModifyRuleModuleParam");
    EXPECT_EQ(channel_.ResetRuleParam("s1", record), 1);
    EXPECT_EQ(record.plainParams.at("Sensitivity"), "40");
}

TEST_F(RuleCommands, RefusedAddSendsNoRead) {
    Refuse("CMD_AddRule", "too many rules");
    ParamRecord record = Rule();
    EXPECT_EQ(channel_.AddRule("s1", record), 0);
    EXPECT_EQ(Commands(), std::vector<std::string>{"CMD_AddRule"});
    EXPECT_EQ(LastError(), "too many rules");
}

TEST_F(RuleCommands, QueryRuleAppendsTokensAndDelRuleNamesTheRule) {
    Acknowledge("CMD_QueryRule", R"([{"RuleToken": "r1"}, {"RuleToken": "r2"}])");
    QStringList tokens{"r0"};
    ASSERT_EQ(channel_.QueryRule("s1", "crowd", tokens), 1);
    EXPECT_EQ(SentInfo("CMD_QueryRule"), J(R"({"SceneToken": "s1", "SmartFunName": "crowd"})"));
    EXPECT_EQ(tokens, (QStringList{"r0", "r1", "r2"}));

    Acknowledge("CMD_DelRule");
    EXPECT_EQ(channel_.DelRule("s1", "crowd", "r2"), 1);
    EXPECT_EQ(SentInfo("CMD_DelRule"),
              J(R"({"SceneToken": "s1", "SmartFunName": "crowd", "RuleToken": "r2"})"));
}

TEST_F(RuleCommands, ModuleOperationsNameTheModule) {
    ParamRecord module;
    module.funName = "standard_labels";
    module.plainParams["Show"] = "TRUE";
    Acknowledge("CMD_GetRuleModuleParam", R"({"Show": "FALSE", "Token": "m"})");
    ASSERT_EQ(channel_.GetModuleParam("s1", module), 1);
    EXPECT_EQ(SentInfo("CMD_GetRuleModuleParam"),
              J(R"({"SceneToken": "s1", "ModuleName": "standard_labels"})"));
    EXPECT_EQ(module.plainParams.at("Show"), "FALSE");
    EXPECT_EQ(module.token, "m");

    Acknowledge("CMD_ModifyRuleModuleParam");
    ASSERT_EQ(channel_.ModifyModuleParam("s1", module), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyRuleModuleParam"),
              J(R"({"SceneToken": "s1", "ModuleName": "standard_labels", "CMDType": "Modify",
                   "RuleModuleData": {"Token": "m", "Show": "FALSE"}})"));

    ASSERT_EQ(channel_.ResetModuleParam("s1", module), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyRuleModuleParam"),
              J(R"({"SceneToken": "s1", "ModuleName": "standard_labels", "CMDType": "Reset"})"));
    EXPECT_EQ(Commands().back(), "CMD_GetRuleModuleParam");
}

TEST_F(RuleCommands, GetParamRangeSendsNameFunctionAndEvent) {
    Acknowledge(
        "CMD_GetParamRange",
        R"({"description": "0 to 100", "rangeMap": {"minInclusive": "0", "maxInclusive": "100"}})");
    ParamRange range;
    range.paramName = "Sensitivity";
    ASSERT_EQ(channel_.GetParamRange("intrusion", "Rule", range), 1);
    EXPECT_EQ(SentInfo("CMD_GetParamRange"), J(R"({"ParamName": "Sensitivity",
        "ParamFunction": "intrusion", "ParamEvent": "Rule"})"));
    EXPECT_EQ(range.description, "0 to 100");
    EXPECT_EQ(range.rangeMap.at("maxInclusive"), "100");
}

}  // namespace
