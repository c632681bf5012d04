// What the channel does beyond one request and its reader: the scene
// function cache, the reads that follow a change, and replies it must not
// take in.

#include "channel_fixture.h"

namespace {

using CommandOutcomes = vexo::test::ChannelFixture;

ParamRecord Rule() {
    ParamRecord record;
    record.funName = "intrusion";
    record.token = "r1";
    record.plainParams["Sensitivity"] = "40";
    return record;
}

TEST_F(CommandOutcomes, SceneFunctionCacheIsFilledByQueriesAndDroppedWithTheScene) {
    Acknowledge("CMD_GetAllSupportSmartFunName",
                R"({"intrusion": "true", "crowd": "false", "loitering": true})");
    QStringList names{"earlier"};
    ASSERT_EQ(channel_.GetAllSupportSmartFunName("s1", names), 1);
    EXPECT_EQ(names, (QStringList{"earlier", "crowd", "intrusion", "loitering"}));
    QStringList enabled{"stale"};
    EXPECT_EQ(channel_.GetSceneSmartFuns("s1", enabled), 1);
    EXPECT_EQ(enabled, (QStringList{"intrusion", "loitering"}));
    EXPECT_EQ(channel_.GetSceneSmartFuns("never-asked", enabled), 0);
    EXPECT_TRUE(enabled.isEmpty());

    Refuse("CMD_DelScene");
    EXPECT_EQ(channel_.DelScene("s1"), 0);
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_EQ(enabled, (QStringList{"intrusion", "loitering"})) << "kept: the scene still exists";
    Acknowledge("CMD_DelScene");
    EXPECT_EQ(channel_.DelScene("s1"), 1);
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_TRUE(enabled.isEmpty());
}

TEST_F(CommandOutcomes, ModifySceneCollectsRefusedFunctionsAndRefreshesTheCache) {
    Acknowledge("CMD_ModifyScene", R"({"Fail": [{"SmartFunName": "crowd"}, {"Other": "x"}]})");
    Acknowledge("CMD_GetAllSupportSmartFunName", R"({"intrusion": "true", "crowd": "false"})");
    QStringList refused{"before"};
    ASSERT_EQ(channel_.ModifyScene("s1", "Gate", {"intrusion", "crowd"}, refused), 1);
    EXPECT_EQ(refused, (QStringList{"before", "crowd"}));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CMD_ModifyScene", "CMD_GetAllSupportSmartFunName"}));
    QStringList enabled;
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_EQ(enabled, QStringList{"intrusion"});

    // A failed refresh does not turn the change into a failure, but the list
    // from before the change is no longer given as the scene's.
    Refuse("CMD_GetAllSupportSmartFunName");
    EXPECT_EQ(channel_.ModifyScene("s1", "Gate", {}, refused), 1);
    EXPECT_EQ(channel_.GetSceneSmartFuns("s1", enabled), 0);
    EXPECT_TRUE(enabled.isEmpty());
}

// A device's ranges do not change while it runs: each parameter's range is
// asked once per login, until a Refresh forgets them; a refusal is not kept.
TEST_F(CommandOutcomes, RangeAnswersAreKeptUntilForgotten) {
    auto range = [this](const char* name, const char* fun = "intrusion") {
        ParamRange asked{name, {}, {}};
        const int result = channel_.GetParamRange(fun, "Rule", asked);
        return std::make_pair(result, asked.description);
    };
    Refuse("CMD_GetParamRange");
    EXPECT_EQ(range("Sensitivity").first, 0);
    Acknowledge("CMD_GetParamRange", R"({"description": "1-100"})");
    EXPECT_EQ(range("Sensitivity"), std::make_pair(1, QString("1-100")));
    EXPECT_EQ(Commands().size(), 2u) << "the refusal was not kept";
    Acknowledge("CMD_GetParamRange", R"({"description": "changed"})");
    EXPECT_EQ(range("Sensitivity"), std::make_pair(1, QString("1-100")));
    EXPECT_EQ(Commands().size(), 2u);
    EXPECT_EQ(range("Sensitivity", "crowd"), std::make_pair(1, QString("changed")));
    EXPECT_EQ(range("Level"), std::make_pair(1, QString("changed")));
    EXPECT_EQ(Commands().size(), 4u) << "another function or parameter is asked";

    channel_.ForgetRanges();
    EXPECT_EQ(range("Sensitivity"), std::make_pair(1, QString("changed")));
    EXPECT_EQ(Commands().size(), 5u);
}

// A panel's ranges go out together; GetParamRange then takes them without a
// round trip, and what the device refused is asked again (and shown) there.
TEST_F(CommandOutcomes, PrefetchedRangesAreTakenWithoutAnotherCommand) {
    Acknowledge("CMD_GetParamRange", R"({"description": "0-9"})");
    channel_.PrefetchRanges("intrusion", "Rule", {"A", "B", "A", "C"});
    EXPECT_EQ(Commands().size(), 3u) << "each name once";
    for (const char* name : {"A", "B", "C"}) {
        ParamRange range{name, {}, {}};
        EXPECT_EQ(channel_.GetParamRange("intrusion", "Rule", range), 1);
        EXPECT_EQ(range.description, "0-9");
    }
    EXPECT_EQ(Commands().size(), 3u);

    Refuse("CMD_GetParamRange", "no such parameter");
    channel_.PrefetchRanges("intrusion", "Rule", {"A", "D", "E"});
    EXPECT_EQ(Commands().size(), 5u) << "the kept one is not asked";
    EXPECT_NE(LastError(), "no such parameter") << "a prefetch leaves the error text alone";
    ParamRange range{"D", {}, {}};
    EXPECT_EQ(channel_.GetParamRange("intrusion", "Rule", range), 0);
    EXPECT_EQ(LastError(), "no such parameter");
    EXPECT_EQ(Commands().size(), 6u);
}

// Reads sent ahead wait for their turn: the command then takes the reply
// the device gave ahead (a refusal included, with its text) instead of a
// round trip; a reply nobody took is dropped with the action.
TEST_F(CommandOutcomes, CommandsSentAheadAreTakenAtTheirTurn) {
    using Channel = DeviceCommandChannel;
    Acknowledge("CMD_GetAllSupportSmartFunName", R"({"intrusion": "true"})");
    Refuse("CMD_GetSceneModuleList", "scene busy");
    channel_.SendAhead({Channel::FunctionListRead("s1"), Channel::FunctionListRead("s2"),
                        Channel::ModuleListRead("s1"), Channel::FunctionListRead("s1")});
    EXPECT_EQ(Commands().size(), 3u) << "each request once";
    Acknowledge("CMD_GetAllSupportSmartFunName", R"({"crowd": "true"})");
    Acknowledge("CMD_GetSceneModuleList", R"({"m": "Module"})");

    QStringList names;
    ASSERT_EQ(channel_.GetAllSupportSmartFunName("s2", names), 1);
    EXPECT_EQ(names, QStringList{"intrusion"}) << "the reply given ahead";
    std::map<QString, QString> modules;
    EXPECT_EQ(channel_.GetSceneModuleList("s1", modules), 0);
    EXPECT_EQ(LastError(), "scene busy");
    EXPECT_EQ(Commands().size(), 3u);
    names.clear();
    ASSERT_EQ(channel_.GetAllSupportSmartFunName("s2", names), 1);
    EXPECT_EQ(names, QStringList{"crowd"}) << "taken once: asked again";
    EXPECT_EQ(Commands().size(), 4u);

    channel_.ForgetAhead();
    names.clear();
    ASSERT_EQ(channel_.GetAllSupportSmartFunName("s1", names), 1);
    EXPECT_EQ(names, QStringList{"crowd"}) << "dropped with the action";
    EXPECT_EQ(Commands().size(), 5u);
}

const char* kRuleReply = R"({"Token": "r1", "Sensitivity": "70"})";

TEST_F(CommandOutcomes, ResetsAndAddsReadTheRecordBack) {
    Acknowledge("CMD_ModifyRuleModuleParam");
    Acknowledge("CMD_GetRuleModuleParam", kRuleReply);
    ParamRecord rule = Rule();
    ASSERT_EQ(channel_.ResetRuleParam("s1", rule), 1);
    EXPECT_EQ(rule.plainParams.at("Sensitivity"), "70");
    ParamRecord module;
    module.funName = "standard_labels";
    ASSERT_EQ(channel_.ResetModuleParam("s1", module), 1);
    EXPECT_EQ(module.plainParams.at("Sensitivity"), "70");
    Acknowledge("CMD_AddRule");
    rule = Rule();
    ASSERT_EQ(channel_.AddRule("s1", rule), 1);
    EXPECT_EQ(rule.plainParams.at("Sensitivity"), "70");

    Acknowledge("CMD_ModifyNonSceneParam");
    Acknowledge("CMD_GetNonSceneParam", R"({"Mtu": "1500"})");
    ParamRecord network;
    network.funName = "Network";
    network.plainParams["Mtu"] = "9000";
    ASSERT_EQ(channel_.ResetNonSceneParam(network), 1);
    EXPECT_EQ(network.plainParams.at("Mtu"), "1500");
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CMD_ModifyRuleModuleParam", "CMD_GetRuleModuleParam",
                                        "CMD_ModifyRuleModuleParam", "CMD_GetRuleModuleParam",
                                        "CMD_AddRule", "CMD_GetRuleModuleParam",
                                        "CMD_ModifyNonSceneParam", "CMD_GetNonSceneParam"}));
}

TEST_F(CommandOutcomes, AFailedReadBackKeepsTheSuccessAndTheRecord) {
    Acknowledge("CMD_AddRule");
    Acknowledge("CMD_ModifyRuleModuleParam");
    Refuse("CMD_GetRuleModuleParam");
    ParamRecord rule = Rule();
    EXPECT_EQ(channel_.AddRule("s1", rule), 1);
    EXPECT_EQ(channel_.ResetRuleParam("s1", rule), 1);
    EXPECT_EQ(rule.plainParams.at("Sensitivity"), "40");
}

// A refusal may carry an "info" too: it must not reach the caller's record.
TEST_F(CommandOutcomes, ARefusalsInfoIsNotRead) {
    Script("CMD_GetRuleModuleParam", R"({"ack": "1", "errinfo": "no rule", "info": {"X": "1"}})");
    ParamRecord rule = Rule();
    EXPECT_EQ(channel_.GetRuleParam("s1", rule), 0);
    EXPECT_EQ(rule.plainParams, Rule().plainParams);
    EXPECT_EQ(LastError(), "no rule");
}

}  // namespace
