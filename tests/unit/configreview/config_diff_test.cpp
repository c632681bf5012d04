// What the difference of two batch configurations reports and how it
// groups it, on the simulator's factory configuration.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config_diff.h"
#include "config_reader.h"
#include "diff_format.h"
#include "factory_config.h"

namespace {

using vexo::review::ChangeKind;
using vexo::review::DiffConfigs;
using vexo::review::DiffText;
using vexo::review::PartKind;
using vexo::test::FactoryConfig;
using vexo::test::RuleIn;

constexpr const char* kIntrusion = "zelk:Intrusion_Event";

TEST(ConfigDiff, AMemberChangedAddedAndRemovedInsideOneRule) {
    const Json::Value before = FactoryConfig();
    Json::Value after = before;
    Json::Value& rule = RuleIn(after, 0, kIntrusion, 1);
    rule["params"]["Sensitivity"] = "90";
    rule["params"]["DetectionRegion"]["simp"] = Json::Value(Json::objectValue);
    rule["params"]["DetectionRegion"]["simp"]["Note"] = "x";
    rule["trigger"]["data"]["Capture"].removeMember("simp");

    const auto changes = DiffConfigs(before, after);
    ASSERT_EQ(changes.size(), 4u) << DiffText(changes);
    for (const auto& change : changes) {
        EXPECT_EQ(change.scene, "Scene_001");
        EXPECT_EQ(change.sceneName, "Default Scene");
        EXPECT_EQ(change.part, PartKind::Rule);
        EXPECT_EQ(change.name, kIntrusion);
        EXPECT_EQ(change.item, "Intrusion_Event 02");
    }
    // Leaves come in path order: a null "simp" becomes an object with a member.
    EXPECT_EQ(changes[0].member, "params.DetectionRegion.simp");
    EXPECT_EQ(changes[0].kind, ChangeKind::Removed);
    EXPECT_EQ(changes[1].member, "params.DetectionRegion.simp.Note");
    EXPECT_EQ(changes[1].kind, ChangeKind::Added);
    EXPECT_EQ(changes[2].member, "params.Sensitivity");
    EXPECT_EQ(changes[2].before, "70");
    EXPECT_EQ(changes[2].after, "90");
    EXPECT_EQ(changes[3].member, "trigger.data.Capture.simp.Snapshot");
    EXPECT_EQ(changes[3].kind, ChangeKind::Removed);
}

TEST(ConfigDiff, RuleOrderIsNoDifferenceButAnAddedRuleIsOneChange) {
    const Json::Value before = FactoryConfig();
    Json::Value after = before;
    Json::Value& rules = after["scenes"][0]["rules"][kIntrusion];
    std::swap(rules[0], rules[1]);
    EXPECT_TRUE(DiffConfigs(before, after).empty());

    Json::Value added = rules[0];
    added["token"] = "Intrusion_Event 03";
    rules.append(added);
    const auto changes = DiffConfigs(before, after);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ChangeKind::Added);
    EXPECT_EQ(changes[0].item, "Intrusion_Event 03");
    EXPECT_EQ(changes[0].member, "");
    EXPECT_EQ(changes[0].after["params"], added["params"]);
    EXPECT_EQ(DiffText(changes),
              "scene Scene_001 \"Default Scene\"\n"
              "  function zelk:Intrusion_Event\n"
              "    + rule Intrusion_Event 03\n");
}

TEST(ConfigDiff, AWholeSceneIsOneLineWithoutItsModulesAndRules) {
    const Json::Value before = FactoryConfig();
    Json::Value after = before;
    Json::Value removed;
    after["scenes"].removeIndex(2, &removed);
    after["smartStatus"] = "FALSE";
    after["nonScenes"]["zelk:Metadata_Settings"]["Extra"] = "1";

    const auto changes = DiffConfigs(before, after);
    EXPECT_EQ(DiffText(changes),
              "device\n"
              "  ~ smartStatus: \"TRUE\" -> \"FALSE\"\n"
              "- scene Scene_003 \"Parking Lot\"\n"
              "non-scene zelk:Metadata_Settings\n"
              "  + Extra: \"1\"\n");
}

TEST(ConfigDiff, JsonFormCarriesOldAndNewOnlyWhereTheyExist) {
    const Json::Value before = FactoryConfig();
    Json::Value after = before;
    RuleIn(after, 1, "zelk:Loitering_Event", 0)["params"]["LoiterTime"] = "61";
    after["tours"].removeMember("TimeSceneTour");

    const Json::Value json = vexo::review::DiffJson(DiffConfigs(before, after));
    EXPECT_FALSE(json["equal"].asBool());
    ASSERT_EQ(json["changes"].size(), 2u);
    const Json::Value& changed = json["changes"][0];
    EXPECT_EQ(changed["change"], "~");
    EXPECT_EQ(changed["part"], "rule");
    EXPECT_EQ(changed["scene"], "Scene_002");
    EXPECT_EQ(changed["old"], "60");
    EXPECT_EQ(changed["new"], "61");
    const Json::Value& gone = json["changes"][1];
    EXPECT_EQ(gone["change"], "-");
    EXPECT_EQ(gone["part"], "tour");
    EXPECT_EQ(gone["name"], "TimeSceneTour");
    EXPECT_FALSE(gone.isMember("new"));
    EXPECT_EQ(gone["old"], before["tours"]["TimeSceneTour"]);

    EXPECT_TRUE(vexo::review::DiffJson({})["equal"].asBool());
}

TEST(ConfigReader, NamesLineAndColumnOfAMistake) {
    Json::Value config;
    std::string error;
    EXPECT_FALSE(vexo::review::ReadConfigText("{\n  \"a\": 1,\n  \"b\": ]\n}", config, error));
    EXPECT_THAT(error, ::testing::HasSubstr("Line 3, Column 8"));
    // Duplicate keys in a hand-edited file would silently lose one value.
    EXPECT_FALSE(vexo::review::ReadConfigText(R"({"a": 1, "a": 2})", config, error));
    EXPECT_TRUE(
        vexo::review::ReadConfigText("\xEF\xBB\xBF// note\n{\"scenes\": []}", config, error));
    EXPECT_TRUE(vexo::review::IsDeviceConfig(config));
    EXPECT_FALSE(vexo::review::IsDeviceConfig(vexo::test::FactoryConfig()["scenes"]));
}

}  // namespace
