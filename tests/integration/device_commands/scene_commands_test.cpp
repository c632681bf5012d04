// Scene operations against the device: what they send and what they make
// of the device's answers.

#include "command_fixture.h"

namespace {

using SceneCommands = CommandFixture;

TEST_F(SceneCommands, GetSceneListSendsEmptyInfoAndAppendsScenes) {
    Acknowledge("CMD_GetSceneList", R"({"SelectSceneToken": "b", "DefaultSceneToken": "a",
        "SceneList": [{"SceneName": "Gate", "SceneToken": "a"},
                      {"SceneName": "Yard", "SceneToken": "b"}]})");
    std::vector<SceneRecord> scenes(1);
    ASSERT_EQ(channel_.GetSceneList(scenes), 1);
    EXPECT_EQ(SentInfo("CMD_GetSceneList"), Json::Value(""));
    ASSERT_EQ(scenes.size(), 3u);
    EXPECT_EQ(scenes[1].name, "Gate");
    EXPECT_EQ(scenes[1].kind, kDefaultScene);
    EXPECT_EQ(scenes[2].selected, 1);
    EXPECT_EQ(scenes[2].kind, kOrdinaryScene);
}

TEST_F(SceneCommands, RefusedSceneListLeavesListAndKeepsErrorText) {
    Refuse("CMD_GetSceneList", "busy");
    std::vector<SceneRecord> scenes(2);
    EXPECT_EQ(channel_.GetSceneList(scenes), 0);
    EXPECT_EQ(scenes.size(), 2u);
    EXPECT_EQ(LastError(), "busy");
}

TEST_F(SceneCommands, AddSceneReadsTokenOrGivesEmptyOne) {
    Acknowledge("CMD_AddScene", R"({"SceneToken": "new-1"})");
    QString token = "old";
    ASSERT_EQ(channel_.AddScene("Dock", token), 1);
    EXPECT_EQ(SentInfo("CMD_AddScene"), J(R"({"SceneName": "Dock"})"));
    EXPECT_EQ(token, "new-1");

    Acknowledge("CMD_AddScene", R"({"SceneToken": 12})");
    ASSERT_EQ(channel_.AddScene("Dock", token), 1);
    EXPECT_TRUE(token.isEmpty());

    Refuse("CMD_AddScene");
    token = "kept";
    EXPECT_EQ(channel_.AddScene("Dock", token), 0);
    EXPECT_EQ(token, "kept");
}

TEST_F(SceneCommands, SupportedFunctionsFillTheSceneFunctionCache) {
    Acknowledge("CMD_GetAllSupportSmartFunName",
                R"({"intrusion": "true", "crowd": "false", "loitering": true})");
    QStringList names{"earlier"};
    ASSERT_EQ(channel_.GetAllSupportSmartFunName("s1", names), 1);
    EXPECT_EQ(SentInfo("CMD_GetAllSupportSmartFunName"), J(R"({"SceneToken": "s1"})"));
    EXPECT_EQ(names, (QStringList{"earlier", "crowd", "intrusion", "loitering"}));

    QStringList enabled{"stale"};
    EXPECT_EQ(channel_.GetSceneSmartFuns("s1", enabled), 1);
    EXPECT_EQ(enabled, (QStringList{"intrusion", "loitering"}));
    EXPECT_EQ(channel_.GetSceneSmartFuns("never-asked", enabled), 1);
    EXPECT_TRUE(enabled.isEmpty());
}

TEST_F(SceneCommands, DelSceneDropsCachedFunctionsOnlyWhenAcknowledged) {
    Acknowledge("CMD_GetAllSupportSmartFunName", R"({"intrusion": "TRUE"})");
    QStringList names;
    channel_.GetAllSupportSmartFunName("s1", names);

    Refuse("CMD_DelScene");
    EXPECT_EQ(channel_.DelScene("s1"), 0);
    QStringList enabled;
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_EQ(enabled, QStringList{"intrusion"});

    Acknowledge("CMD_DelScene");
    EXPECT_EQ(channel_.DelScene("s1"), 1);
    EXPECT_EQ(SentInfo("CMD_DelScene"), J(R"({"SceneToken": "s1"})"));
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_TRUE(enabled.isEmpty());
}

TEST_F(SceneCommands, ModifySceneSendsFunctionsCollectsRefusalsAndRefreshes) {
    Acknowledge("CMD_ModifyScene", R"({"Fail": [{"SmartFunName": "crowd"}, {"Other": "x"}]})");
    Acknowledge("CMD_GetAllSupportSmartFunName", R"({"intrusion": "true", "crowd": "false"})");
    QStringList refused{"before"};
    ASSERT_EQ(channel_.ModifyScene("s1", "Gate", {"intrusion", "crowd"}, refused), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyScene"), J(R"({"SceneName": "Gate", "SceneToken": "s1",
        "SceneConfigSmartFun": [{"SmartFunName": "intrusion"}, {"SmartFunName": "crowd"}]})"));
    EXPECT_EQ(refused, (QStringList{"before", "crowd"}));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CMD_ModifyScene", "CMD_GetAllSupportSmartFunName"}));
    QStringList enabled;
    channel_.GetSceneSmartFuns("s1", enabled);
    EXPECT_EQ(enabled, QStringList{"intrusion"});
}

TEST_F(SceneCommands, ModifySceneWithNoFunctionsSendsEmptyText) {
    Acknowledge("CMD_ModifyScene");
    Refuse("CMD_GetAllSupportSmartFunName");
    QStringList refused;
    // A failed refresh does not turn the change into a failure.
    EXPECT_EQ(channel_.ModifyScene("s1", "Gate", {}, refused), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyScene")["SceneConfigSmartFun"], Json::Value(""));
    EXPECT_TRUE(refused.isEmpty());
}

TEST_F(SceneCommands, RefusedModifySceneSendsNoRefresh) {
    Refuse("CMD_ModifyScene");
    QStringList refused;
    EXPECT_EQ(channel_.ModifyScene("s1", "Gate", {"intrusion"}, refused), 0);
    EXPECT_EQ(Commands(), std::vector<std::string>{"CMD_ModifyScene"});
}

TEST_F(SceneCommands, SetCurSceneAndModuleList) {
    Acknowledge("CMD_SetCurScene");
    EXPECT_EQ(channel_.SetCurScene("s2"), 1);
    EXPECT_EQ(SentInfo("CMD_SetCurScene"), J(R"({"SceneToken": "s2"})"));

    Acknowledge(
        "CMD_GetSceneModuleList",
        R"([{"ModuleName": "standard_labels"}, {"ModuleName": "zelk:ScenePosition_Settings"}])");
    std::map<QString, QString> modules;
    ASSERT_EQ(channel_.GetSceneModuleList("s2", modules), 1);
    EXPECT_EQ(SentInfo("CMD_GetSceneModuleList"), J(R"({"SceneToken": "s2"})"));
    EXPECT_EQ(modules, (std::map<QString, QString>{{"standard_labels", ""},
                                                   {"zelk:ScenePosition_Settings", ""}}));
}

}  // namespace
