// Each reason a rule cannot fire, found on a factory rule changed in just
// that way, and none on factory rules that can fire.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config_lint.h"
#include "factory_config.h"
#include "rule_lint.h"

namespace {

using vexo::review::LintCode;
using vexo::review::LintRule;
using vexo::review::LintWarning;
using vexo::review::RuleToLint;
using vexo::review::ShapeKind;
using vexo::test::FactoryConfig;
using vexo::test::RuleIn;

// A factory rule: it can fire.
RuleToLint Firing(const char* function, int scene = 0) {
    Json::Value config = FactoryConfig();
    const Json::Value& rule = RuleIn(config, scene, function, 0);
    return {rule["params"], rule["schedule"], rule["trigger"], {}};
}

RuleToLint Region(const std::string& polygon) {
    RuleToLint rule = Firing("zelk:Intrusion_Event");
    rule.params["DetectionRegion"]["polygon"][0]["VexoPolygon"] = polygon;
    return rule;
}

RuleToLint Wire(const std::string& polygon) {
    RuleToLint rule = Firing("zelk:Wire_Cross_Event");
    rule.params["Wire"]["polygon"][0]["VexoPolygon"] = polygon;
    return rule;
}

// The only warning, which must name what to change in both languages.
LintWarning OnlyWarning(const RuleToLint& rule) {
    const auto warnings = LintRule(rule);
    EXPECT_EQ(warnings.size(), 1u);
    if (warnings.empty()) {
        return {};
    }
    EXPECT_FALSE(warnings[0].english.empty());
    EXPECT_FALSE(warnings[0].chinese.empty());
    EXPECT_NE(warnings[0].english, warnings[0].chinese);
    return warnings[0];
}

TEST(RuleLint, EmptyRegionAndWireAskToDrawThem) {
    RuleToLint region = Firing("zelk:Intrusion_Event");
    region.params["DetectionRegion"].removeMember("polygon");
    LintWarning warning = OnlyWarning(region);
    EXPECT_EQ(warning.code, LintCode::ShapeEmpty);
    EXPECT_EQ(warning.subject, "DetectionRegion");
    EXPECT_THAT(warning.english, ::testing::HasSubstr("draw it"));

    // The wire keeps its attributes but has no points; known kinds need no name.
    RuleToLint wire = Wire("");
    wire.params["Tripwire"] = wire.params["Wire"];
    wire.params.removeMember("Wire");
    wire.shapes["Tripwire"] = ShapeKind::Wire;
    warning = OnlyWarning(wire);
    EXPECT_EQ(warning.code, LintCode::ShapeEmpty);
    EXPECT_THAT(warning.english, ::testing::StartsWith("Wire \"Tripwire\""));

    // An exclusion region may well be empty.
    RuleToLint exclude = Firing("zelk:Intrusion_Event");
    exclude.params["FaceExcludeRegion"]["name"] = "";
    EXPECT_TRUE(LintRule(exclude).empty());
}

TEST(RuleLint, RegionOfZeroArea) {
    // Three points on one line, and a square collapsed to two points.
    for (const char* polygon :
         {"3|(-0.5,0.0),(0.0,0.0),(0.5,0.0)", "4|(0.1,0.1),(0.1,0.1),(0.3,0.3),(0.3,0.3)"}) {
        EXPECT_EQ(OnlyWarning(Region(polygon)).code, LintCode::RegionZeroArea) << polygon;
    }
}

TEST(RuleLint, SelfIntersectingRegion) {
    // A bow tie: the second and fourth edges cross.
    const LintWarning warning =
        OnlyWarning(Region("4|(-0.5,0.5),(0.5,-0.5),(0.5,0.5),(-0.5,-0.5)"));
    EXPECT_EQ(warning.code, LintCode::RegionSelfIntersecting);
    EXPECT_THAT(warning.english, ::testing::HasSubstr("move its points"));
    // A concave region whose edges only meet at their corners is fine.
    EXPECT_TRUE(
        LintRule(Region("5|(-0.5,0.5),(0.0,0.0),(0.5,0.5),(0.5,-0.5),(-0.5,-0.5)")).empty());
}

TEST(RuleLint, WireOfZeroLength) {
    EXPECT_EQ(OnlyWarning(Wire("2|(0.2,0.3),(0.2,0.3)")).code, LintCode::WireZeroLength);
}

TEST(RuleLint, WireAlongTheFramesEdge) {
    for (const char* polygon : {"2|(-1.0,1.0),(1.0,1.0)", "2|(-1.0,-0.5),(-1.0,0.5)"}) {
        EXPECT_EQ(OnlyWarning(Wire(polygon)).code, LintCode::WireOnFrameEdge) << polygon;
    }
    // From one edge across the picture to the other is a usable wire.
    EXPECT_TRUE(LintRule(Wire("2|(-1.0,0.0),(1.0,0.0)")).empty());
}

TEST(RuleLint, ArmingWeekWithoutAnyPeriod) {
    RuleToLint rule = Firing("zelk:Intrusion_Event");
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}) {
        rule.schedule[day]["simp"] = Json::Value();
    }
    // An empty period (start = end) arms nothing either.
    rule.schedule["Wed"]["simp"]["GuardTime 1"] = "600|600";
    EXPECT_EQ(OnlyWarning(rule).code, LintCode::ArmingWeekEmpty);

    rule.schedule["Sun"]["simp"]["GuardTime 1"] = "600|601";
    EXPECT_TRUE(LintRule(rule).empty());
}

TEST(RuleLint, LinkageWithoutAnyAction) {
    RuleToLint rule = Firing("zelk:Intrusion_Event");
    for (Json::Value& group : rule.trigger["data"]) {
        for (Json::Value& action : group["simp"]) {
            action = "FALSE";
        }
    }
    EXPECT_EQ(OnlyWarning(rule).code, LintCode::NoLinkageAction);

    // The control's record form of the linkage (groups as object parameters).
    rule.trigger = Json::Value();
    rule.trigger["Recording"]["simp"]["RecordChannel1"] = "TRUE";
    rule.trigger["Recording"]["name"] = "";
    rule.trigger["Capture"] = "1";
    EXPECT_TRUE(LintRule(rule).empty());
}

TEST(RuleLint, DisabledRule) {
    RuleToLint rule = Firing("zelk:Wire_Cross_Event");
    rule.params["Enable"] = "false";
    const LintWarning warning = OnlyWarning(rule);
    EXPECT_EQ(warning.code, LintCode::RuleDisabled);
    EXPECT_THAT(warning.english, ::testing::HasSubstr("Enable"));
}

TEST(ConfigLint, FactoryRulesCanFireUntilTheirLinkageTicksNothing) {
    Json::Value config = FactoryConfig();
    // As it leaves the factory, every rule can fire: nothing to say.
    EXPECT_EQ(vexo::review::LintText(vexo::review::LintConfig(config), "english"), "");

    for (Json::Value& scene : config["scenes"]) {
        for (const std::string& function : scene["rules"].getMemberNames()) {
            for (Json::Value& rule : scene["rules"][function]) {
                for (Json::Value& group : rule["trigger"]["data"]) {
                    for (Json::Value& action : group["simp"]) {
                        action = "FALSE";
                    }
                }
            }
        }
    }
    const auto untouched = vexo::review::LintConfig(config);
    EXPECT_EQ(untouched.size(), 9u);
    for (const auto& found : untouched) {
        EXPECT_EQ(found.warning.code, LintCode::NoLinkageAction) << found.rule;
    }
}

TEST(ConfigLint, ExportFileRulesAreFoundByFunctionAndName) {
    const Json::Value exported = vexo::test::ParseTestJson(R"({
        "Rules": {"zelk:Intrusion_Event": {"Gate": {"Token": "Intrusion_Event 01",
            "Enable": "false", "DetectionRegion": {"name": "", "simp": null}}}},
        "SmartArmingInterval": {"zelk:Intrusion_Event": {"Gate": {"Mon": {"simp": null}}}},
        "SmartLinkMethod": null})");
    const auto warnings = vexo::review::LintConfig(exported);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0].function, "zelk:Intrusion_Event");
    EXPECT_EQ(warnings[0].rule, "Gate");
    EXPECT_EQ(warnings[0].warning.code, LintCode::RuleDisabled);
    EXPECT_EQ(warnings[1].warning.code, LintCode::ShapeEmpty);
    EXPECT_EQ(warnings[2].warning.code, LintCode::ArmingWeekEmpty);
    EXPECT_EQ(vexo::review::LintText(warnings, "chinese").substr(0, 31),
              "zelk:Intrusion_Event, rule Gate");
}

}  // namespace
