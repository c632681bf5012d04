// What every operation of the channel sends to the device, and that each
// one fails with the device's own text when the device refuses it. What
// the operations make of a reply is the reply readers' and forms' business.

#include <functional>

#include "channel_fixture.h"

namespace {

// A record with at most one plain value, `name` = `value`.
ParamRecord Record(const QString& funName, const QString& token, const QString& name = {},
                   const QString& value = {}) {
    ParamRecord record;
    record.funName = funName;
    record.token = token;
    if (!name.isEmpty()) {
        record.plainParams[name] = value;
    }
    return record;
}

struct Operation {
    const char* command;  // the command the call sends first
    std::function<int(DeviceCommandChannel&)> call;
    const char* info;  // the "info" sent with it
};

const std::vector<Operation>& Operations() {
    using C = DeviceCommandChannel;
    // Outputs the calls fill; what lands in them is not looked at here.
    static std::vector<SceneRecord> scenes;
    static QString text;
    static QStringList texts;
    static std::map<QString, QString> textMap;
    static std::vector<NormalAlarmFun> alarms;
    static ParamRecord record;
    static ParamRange range;
    static TourRecord tour;
    static PtzPosition position;
    static int status;
    static const std::vector<Operation> operations = {
        {"CMD_GetSceneList", [](C& c) { return c.GetSceneList(scenes); }, R"("")"},
        {"CMD_AddScene", [](C& c) { return c.AddScene("Dock", text); }, R"({"SceneName": "Dock"})"},
        {"CMD_DelScene", [](C& c) { return c.DelScene("s1"); }, R"({"SceneToken": "s1"})"},
        {"CMD_SetCurScene", [](C& c) { return c.SetCurScene("s2"); }, R"({"SceneToken": "s2"})"},
        {"CMD_ModifyScene",
         [](C& c) {
             return c.ModifyScene("s1", "Gate", {"intrusion", "crowd"}, texts);
         },
         R"({"SceneName": "Gate", "SceneToken": "s1", "SceneConfigSmartFun":
             [{"SmartFunName": "intrusion"}, {"SmartFunName": "crowd"}]})"},
        // The device reads an empty function list as the empty text.
        {"CMD_ModifyScene", [](C& c) { return c.ModifyScene("s1", "Gate", {}, texts); },
         R"({"SceneName": "Gate", "SceneToken": "s1", "SceneConfigSmartFun": ""})"},
        {"CMD_GetAllSupportSmartFunName",
         [](C& c) { return c.GetAllSupportSmartFunName("s1", texts); }, R"({"SceneToken": "s1"})"},
        {"CMD_GetSceneModuleList", [](C& c) { return c.GetSceneModuleList("s2", textMap); },
         R"({"SceneToken": "s2"})"},

        {"CMD_GetRuleModuleParam",
         [](C& c) { return c.GetRuleParam("s1", record = Record("intrusion", "r1")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"},
        {"CMD_ModifyRuleModuleParam",
         [](C& c) { return c.ModifyRuleParam("s1", Record("intrusion", "r1", "Level", "4")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1",
             "CMDType": "Modify", "RuleModuleData": {"Token": "r1", "Level": "4"}})"},
        // A reset sends no data: the device restores its defaults.
        {"CMD_ModifyRuleModuleParam",
         [](C& c) { return c.ResetRuleParam("s1", record = Record("intrusion", "r1", "L", "4")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1",
             "CMDType": "Reset"})"},
        {"CMD_AddRule", [](C& c) { return c.AddRule("s1", record = Record("intrusion", "r1")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"},
        {"CMD_QueryRule", [](C& c) { return c.QueryRule("s1", "crowd", texts); },
         R"({"SceneToken": "s1", "SmartFunName": "crowd"})"},
        {"CMD_DelRule", [](C& c) { return c.DelRule("s1", "crowd", "r2"); },
         R"({"SceneToken": "s1", "SmartFunName": "crowd", "RuleToken": "r2"})"},
        {"CMD_GetRuleModuleParam",
         [](C& c) { return c.GetModuleParam("s1", record = Record("standard_labels", "m")); },
         R"({"SceneToken": "s1", "ModuleName": "standard_labels"})"},
        {"CMD_ModifyRuleModuleParam",
         [](C& c) {
             return c.ModifyModuleParam("s1", Record("standard_labels", "m", "Show", "FALSE"));
         },
         R"({"SceneToken": "s1", "ModuleName": "standard_labels", "CMDType": "Modify",
             "RuleModuleData": {"Token": "m", "Show": "FALSE"}})"},
        {"CMD_ModifyRuleModuleParam",
         [](C& c) { return c.ResetModuleParam("s1", record = Record("standard_labels", "m")); },
         R"({"SceneToken": "s1", "ModuleName": "standard_labels", "CMDType": "Reset"})"},
        {"CMD_GetParamRange",
         [](C& c) {
             c.ForgetRanges();  // a kept answer would spare the device the command
             return c.GetParamRange("intrusion", "Rule", range = {"Sensitivity", {}, {}});
         },
         R"({"ParamName": "Sensitivity", "ParamFunction": "intrusion", "ParamEvent": "Rule"})"},

        {"CMD_GetAllNormalAlarmFunName", [](C& c) { return c.GetAllNormalAlarmFunName(alarms); },
         R"("")"},
        // Normal alarms never send the scene token they are given.
        {"CMD_GetNormalAlarmData",
         [](C& c) { return c.GetNormalAlarmData("s1", record = Record("IO", "io-1")); },
         R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"})"},
        {"CMD_ModifyNormalAlarmData",
         [](C& c) { return c.ModifyNormalAlarmData("s1", Record("IO", "io-1", "On", "1")); },
         R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1",
             "NormalAlarmData": {"Token": "io-1", "On": "1"}})"},
        {"CMD_GetNonSceneParam",
         [](C& c) { return c.GetNonSceneParam(record = Record("Network", "")); },
         R"({"NonSceneName": "Network"})"},
        {"CMD_ModifyNonSceneParam",
         [](C& c) { return c.ModifyNonSceneParam(Record("Network", "", "Mtu", "9000")); },
         R"({"NonSceneName": "Network", "CMDType": "Modify",
             "NonSceneData": {"Token": "", "Mtu": "9000"}})"},
        // Unlike a rule's, a non-scene reset carries the data.
        {"CMD_ModifyNonSceneParam",
         [](C& c) { return c.ResetNonSceneParam(record = Record("Network", "", "Mtu", "9000")); },
         R"({"NonSceneName": "Network", "CMDType": "Reset",
             "NonSceneData": {"Token": "", "Mtu": "9000"}})"},
        {"CMD_GetActionTrigger",
         [](C& c) {
             return c.GetActionTrigger(kNormalAlarmOwnerToken, record = Record("IO", "i"));
         },
         R"({"NormalAlarmType": "IO", "NormalAlarmToken": "i"})"},
        {"CMD_SetActionTrigger",
         [](C& c) { return c.SetActionTrigger("s1", Record("intrusion", "r1")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1",
             "ActionTriggerData": {"simp": null, "data": null}})"},
        {"CMD_GetGuardSchedules",
         [](C& c) { return c.GetGuardSchedules("s1", record = Record("intrusion", "r1")); },
         R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"},
        {"CMD_SetGuardSchedules",
         [](C& c) {
             return c.SetGuardSchedules(kNormalAlarmOwnerToken, Record("IO", "g", "Mon", "8"));
         },
         R"({"NormalAlarmType": "IO", "NormalAlarmToken": "g",
             "GuardSchedulesData": {"Mon": "8"}})"},
        {"CMD_GetSceneTourData",
         [](C& c) {
             return c.GetSceneTourData(tour = {"Normal", {}, {}});
         },
         R"({"SceneTourType": "Normal"})"},
        {"CMD_SetSceneTourData",
         [](C& c) {
             return c.SetSceneTourData({"Normal", {}, {{"Enable", "true"}}});
         },
         R"({"SceneTourType": "Normal", "Data": {"Enable": "true"}})"},

        {"CMD_PTZLock", [](C& c) { return c.PTZLock("300000"); }, R"({"locktime": "300000"})"},
        {"CMD_PTZUnLock", [](C& c) { return c.PTZUnLock(); }, R"("")"},
        {"CMD_GetPTZPosition", [](C& c) { return c.GetPTZPosition(position); }, R"("")"},
        // Real numbers, not texts or integers.
        {"CMD_MovePTZPosition", [](C& c) { return c.MovePTZPosition(12.5f, -3.25f, 2.0f); },
         R"({"ptzPoint": {"fPan": 12.5, "fTilt": -3.25, "fZoom": 2.0}})"},
        {"CMD_SetSmartStatus", [](C& c) { return c.SetSmartStatus(7); }, R"({"status": "TRUE"})"},
        {"CMD_SetSmartStatus", [](C& c) { return c.SetSmartStatus(0); }, R"({"status": "FALSE"})"},
        {"CMD_GetSmartStatus", [](C& c) { return c.GetSmartStatus(status); }, R"("")"},
        {"CMD_GetBatchConfig", [](C& c) { return c.GetBatchConfig(text); }, R"("")"},
        // A JSON text (comments allowed) travels as JSON, any other as a text.
        {"CMD_SetParamsBatchConfig", [](C& c) { return c.SetBatchConfig("{\"a\": null /* x */}"); },
         R"({"config": {"a": null}})"},
        {"CMD_SetBatchConfig", [](C& c) { return c.SetBatchConfig("opaque device text"); },
         R"({"config": "opaque device text"})"},
        {"CMD_SetBatchConfig", [](C& c) { return c.SetBatchConfig(""); }, R"({"config": ""})"},
        {"CMD_GetConfigInfo", [](C& c) { return c.GetConfigInfo(textMap); }, R"("")"},
    };
    return operations;
}

using CommandRequests = vexo::test::ChannelFixture;

// Each operation sends its info, and fails with the device's text when the
// device refuses it, sending nothing more.
TEST_F(CommandRequests, EveryOperationSendsItsInfoAndFailsOnARefusal) {
    for (const Operation& operation : Operations()) {
        SCOPED_TRACE(operation.command);
        Acknowledge(operation.command);
        size_t sent = Commands().size();
        EXPECT_EQ(operation.call(channel_), 1);
        ASSERT_GT(Commands().size(), sent);
        EXPECT_EQ(Commands()[sent], operation.command);
        EXPECT_EQ(SentInfo(operation.command), J(operation.info));

        Refuse(operation.command, std::string(operation.command) + " refused");
        sent = Commands().size();
        EXPECT_EQ(operation.call(channel_), 0);
        EXPECT_EQ(LastError(), QString(operation.command) + " refused");
        EXPECT_EQ(Commands().size(), sent + 1) << "nothing follows a refusal";
    }
}

}  // namespace
