// Readers of the list, range, PTZ, status and info replies.

#include <gtest/gtest.h>

#include "reply_readers.h"
#include "test_json.h"

namespace {

using vexo::test::J;

TEST(SceneListReply, KindAndSelectionFromTheTwoTokens) {
    std::vector<SceneRecord> scenes(1);
    scenes[0].name = "existing";
    ReadSceneList(J(R"({"SelectSceneToken": "s2", "DefaultSceneToken": "s1", "SceneList": [
        {"SceneName": "Gate", "SceneToken": "s1"},
        {"SceneName": "Yard", "SceneToken": "s2"},
        {"SceneName": "Roof", "SceneToken": "s3"},
        "not a scene",
        {"SceneName": 5, "SceneToken": "s4"}]})"),
                  scenes);
    ASSERT_EQ(scenes.size(), 5u);  // appended after the existing record
    EXPECT_EQ(scenes[0].name, "existing");
    EXPECT_EQ(scenes[1].name, "Gate");
    EXPECT_EQ(scenes[1].kind, kDefaultScene);
    EXPECT_EQ(scenes[1].selected, 0);
    EXPECT_EQ(scenes[2].kind, kOrdinaryScene);
    EXPECT_EQ(scenes[2].selected, 1);
    EXPECT_EQ(scenes[3].token, "s3");
    EXPECT_EQ(scenes[3].kind, kOrdinaryScene);
    EXPECT_TRUE(scenes[4].name.isEmpty());
}

TEST(SceneListReply, AbsentNullOrWrongTypedListAddsNothing) {
    for (const char* text : {R"({"SelectSceneToken": "a"})", R"({"SceneList": null})",
                             R"({"SceneList": {"SceneName": "x"}})", "[]", "null"}) {
        std::vector<SceneRecord> scenes;
        ReadSceneList(J(text), scenes);
        EXPECT_TRUE(scenes.empty()) << text;
    }
}

TEST(SmartFunNamesReply, ListsAllEnablesOnlyTrueForms) {
    QStringList names{"earlier"};
    QStringList enabled;
    ReadSmartFunNames(J(R"({"a": "true", "b": "TRUE", "c": true, "d": "True", "e": "false",
        "f": false, "g": 1, "h": {"x": "true"}})"),
                      &names, enabled);
    EXPECT_EQ(names, (QStringList{"earlier", "a", "b", "c", "d", "e", "f", "g", "h"}));
    EXPECT_EQ(enabled, (QStringList{"a", "b", "c"}));
}

TEST(TextListReply, SkipsElementsWithoutTheTextMember) {
    QStringList tokens{"r0"};
    ReadTextList(J(R"([{"RuleToken": "r1"}, {"RuleToken": 2}, "r3", {}, {"RuleToken": "r4"}])"),
                 "RuleToken", tokens);
    EXPECT_EQ(tokens, (QStringList{"r0", "r1", "r4"}));
    ReadTextList(J(R"({"RuleToken": "r5"})"), "RuleToken", tokens);
    EXPECT_EQ(tokens.size(), 3);
}

TEST(ModuleListReply, NamesOfObjectElementsWithEmptyValues) {
    std::map<QString, QString> modules{{"kept", "1"}};
    ReadModuleList(J(R"([{"ModuleName": "standard_labels"}, {"ModuleName": 3}, "x", {}])"),
                   modules);
    EXPECT_EQ(modules, (std::map<QString, QString>{{"kept", "1"}, {"standard_labels", ""}}));
}

TEST(ParamRangeReply, DescriptionAndStringRangeMembers) {
    ParamRange range;
    range.paramName = "Sensitivity";
    range.rangeMap["old"] = "1";
    ReadParamRange(J(R"({"description": "how eager", "rangeMap": {"minInclusive": "0",
        "maxInclusive": "100", "step": 5}, "other": "x"})"),
                   range);
    EXPECT_EQ(range.paramName, "Sensitivity");
    EXPECT_EQ(range.description, "how eager");
    EXPECT_EQ(range.rangeMap, (std::map<QString, QString>{
                                  {"maxInclusive", "100"}, {"minInclusive", "0"}, {"old", "1"}}));

    ReadParamRange(J(R"({"description": ["x"], "rangeMap": "none"})"), range);
    EXPECT_EQ(range.description, "how eager");
    EXPECT_EQ(range.rangeMap.size(), 3u);
}

TEST(NormalAlarmFunReply, OnePairPerObjectElement) {
    std::vector<NormalAlarmFun> funs;
    ReadNormalAlarmFuns(J(R"([{"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"},
        {"NormalAlarmType": "Disk"}, 7])"),
                        funs);
    ASSERT_EQ(funs.size(), 2u);
    EXPECT_EQ(funs[0].type, "IO");
    EXPECT_EQ(funs[0].token, "io-1");
    EXPECT_EQ(funs[1].type, "Disk");
    EXPECT_TRUE(funs[1].token.isEmpty());
}

TEST(PtzPositionReply, MissingNullOrTextMembersKeepTheirValues) {
    PtzPosition position{1, 2, 3};
    const auto read = [&](const char* reply) {
        ReadPtzPosition(J(reply), position);
        return std::tuple(position.pan, position.tilt, position.zoom);
    };
    EXPECT_EQ(read(R"({"fPan": 10.5, "fTilt": null})"), std::tuple(10.5f, 2.f, 3.f));
    EXPECT_EQ(read(R"({"fPan": "7", "fTilt": -4, "fZoom": 1})"), std::tuple(10.5f, -4.f, 1.f));
}

TEST(SmartStatusReply, OnlyUpperOrLowerTrueMeansOn) {
    for (const char* on : {R"({"status": "TRUE"})", R"({"status": "true"})"}) {
        EXPECT_EQ(ReadSmartStatus(J(on)), 1) << on;
    }
    for (const char* off : {R"({"status": "True"})", R"({"status": true})", "{}", R"("TRUE")"}) {
        EXPECT_EQ(ReadSmartStatus(J(off)), 0) << off;
    }
}

TEST(BatchConfigReply, ConfigStringOrEmpty) {
    EXPECT_EQ(ReadBatchConfigText(J(R"({"config": "{\"a\":1}"})")), "{\"a\":1}");
    EXPECT_TRUE(ReadBatchConfigText(J(R"({"config": {"a": 1}})")).isEmpty());
    EXPECT_TRUE(ReadBatchConfigText(J("null")).isEmpty());
}

TEST(ConfigInfoReply, StringMembersOnly) {
    std::map<QString, QString> config{{"kept", "1"}};
    ReadConfigInfo(J(R"({"UiFile": "http://h/files/korvane_ui.xml", "Port": 80, "x": null})"),
                   config);
    EXPECT_EQ(config, (std::map<QString, QString>{{"UiFile", "http://h/files/korvane_ui.xml"},
                                                  {"kept", "1"}}));
}

}  // namespace
