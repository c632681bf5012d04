// What writing the control's export file would change, against the
// simulator's factory configuration (selected scene: Scene_001).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "diff_format.h"
#include "export_diff.h"
#include "factory_config.h"

namespace {

using vexo::review::ChangeKind;
using vexo::review::DiffExportFile;
using vexo::review::DiffText;
using vexo::review::IsExportFile;
using vexo::test::FactoryConfig;
using vexo::test::ParseTestJson;

TEST(ExportDiff, ChangedAddedAndReplacedMembersOfTheSelectedScene) {
    const Json::Value device = FactoryConfig();
    const Json::Value file = ParseTestJson(R"({
        "Rules": {"zelk:Intrusion_Event": {
            "Gate": {"Token": "Intrusion_Event 01", "Sensitivity": "60", "Enable": "TRUE"},
            "Later": {"Token": "Intrusion_Event 05", "Sensitivity": "40"}}},
        "SmartArmingInterval": {"zelk:Intrusion_Event": {"Gate": {"Token": "Intrusion_Event 01",
            "Mon": {"name": "", "simp": {"GuardTime 2": "600|700"}}}}},
        "SmartLinkMethod": {"zelk:Intrusion_Event": {
            "Gate": {"Token": "Intrusion_Event 01", "Capture": {"name": "", "simp": {"Snapshot": "TRUE"}}},
            "Later": {"Token": "Intrusion_Event 05", "Capture": {"name": "", "simp": {"Snapshot": "TRUE"}}}}},
        "Alarms": {"zelk:Motion_Event": {"m": {"Token": "Motion 01", "Sensitivity": "50"}}},
        "NonScenes": null})");
    ASSERT_TRUE(IsExportFile(file));
    EXPECT_EQ(DiffText(DiffExportFile(device, file)),
              "scene Scene_001 \"Default Scene\"\n"
              "  function zelk:Intrusion_Event\n"
              "    rule Intrusion_Event 01\n"
              "      ~ params.Sensitivity: \"50\" -> \"60\"\n"
              "      ~ trigger.Capture.Snapshot: \"FALSE\" -> \"TRUE\"\n"
              "      + schedule.Mon.GuardTime 2: \"600|700\"\n"
              "      - schedule.Mon.GuardTime 1: \"0|1440\"\n"
              "    + rule Intrusion_Event 05\n");
}

TEST(ExportDiff, AFileOfTheDevicesOwnValuesChangesNothing) {
    const Json::Value device = FactoryConfig();
    Json::Value file;
    const Json::Value& rule = device["scenes"][0]["rules"]["zelk:Intrusion_Event"][1];
    file["Rules"]["zelk:Intrusion_Event"]["x"] = rule["params"];
    file["Rules"]["zelk:Intrusion_Event"]["x"]["Token"] = rule["token"];
    file["SmartArmingInterval"]["zelk:Intrusion_Event"]["x"] = rule["schedule"];
    file["SmartArmingInterval"]["zelk:Intrusion_Event"]["x"]["Token"] = rule["token"];
    file["Modules"]["zelk:Target_Size_Filter"] =
        device["scenes"][0]["modules"]["zelk:Target_Size_Filter"];
    ASSERT_TRUE(IsExportFile(file));
    EXPECT_EQ(DiffText(DiffExportFile(device, file)), "");

    EXPECT_FALSE(IsExportFile(device));
    EXPECT_FALSE(IsExportFile(ParseTestJson(R"({"Rules": null, "Other": 1})")));
}

}  // namespace
