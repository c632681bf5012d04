// vexo-cmd's review subcommands against a simulated device: config diff,
// config set --dry-run and what config set reports, config lint; their
// output and exit codes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "command_run.h"
#include "json_text.h"
#include "sim_process.h"

namespace {

using ::testing::HasSubstr;
using vexo::test::CommandRun;
using vexo::test::SimProcess;

constexpr const char* kIntrusion = "zelk:Intrusion_Event";

// The lines of a difference that are changes, not group headers.
std::vector<std::string> ChangeLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        const size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos &&
            std::string("+-~").find(line[start]) != std::string::npos) {
            lines.push_back(line.substr(start));
        }
    }
    return lines;
}

class VexoCmdReview : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Start());
        folder_ = vexo::test::MakeTempFolder("vexo-cmd-review-");
    }

    CommandRun Run(const std::string& arguments) const {
        return vexo::test::RunCommandLine(std::string("VEXO_PASSWORD=") + SimProcess::kPassword +
                                          " " + VEXO_CMD_PATH + " --device " + sim_.Address() +
                                          " --user admin " + arguments);
    }

    // The device's configuration as config get writes it.
    Json::Value DeviceConfig(const std::string& path) const {
        const CommandRun run = Run("config get --out " + path);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        Json::Value config;
        EXPECT_TRUE(vexo::ParseJson(vexo::test::ReadFileText(path), config));
        return config;
    }

    std::string Write(const std::string& name, const Json::Value& config) const {
        return vexo::test::WriteFileText(folder_ + "/" + name, vexo::StyledJson(config));
    }

    // The device's configuration with one rule's sensitivity, one schedule
    // period of another rule changed and a third rule deleted.
    std::string ThreeEdits() const {
        Json::Value config = DeviceConfig(folder_ + "/device.json");
        Json::Value& scene = config["scenes"][0];
        scene["rules"][kIntrusion][0]["params"]["Sensitivity"] = "80";
        scene["rules"]["zelk:Wire_Cross_Event"][0]["schedule"]["Tue"]["simp"]["GuardTime 1"] =
            "480|1080";
        Json::Value removed;
        scene["rules"][kIntrusion].removeIndex(1, &removed);
        return Write("edited.json", config);
    }

    int Writes() const {
        int count = 0;
        for (const Json::Value& line : sim_.Journal()) {
            const std::string request = line["request"].asString();
            count += request.find("CMD_SetParamsBatchConfig") != std::string::npos ||
                     request.find("CMD_SetBatchConfig") != std::string::npos;
        }
        return count;
    }

    SimProcess sim_;
    std::string folder_;
};

TEST_F(VexoCmdReview, DiffOfTheUnchangedExportIsEmptyAndOfThreeEditsIsThoseThree) {
    const std::string same = folder_ + "/same.json";
    DeviceConfig(same);
    const CommandRun unchanged = Run("config diff " + same);
    EXPECT_EQ(unchanged.exitCode, 0);
    EXPECT_EQ(unchanged.output, "");

    const std::string edited = ThreeEdits();
    const CommandRun diff = Run("config diff " + edited);
    EXPECT_EQ(diff.exitCode, 1) << diff.output;
    EXPECT_THAT(ChangeLines(diff.output),
                ::testing::ElementsAre(
                    "~ params.Sensitivity: \"50\" -> \"80\"", "- rule Intrusion_Event 02",
                    "~ schedule.Tue.simp.GuardTime 1: \"0|1440\" -> \"480|1080\""))
        << diff.output;
    EXPECT_THAT(diff.output, HasSubstr("scene Scene_001 \"Default Scene\"\n"
                                       "  function zelk:Intrusion_Event\n"
                                       "    rule Intrusion_Event 01\n"));

    const CommandRun json = Run("config diff --json " + edited);
    EXPECT_EQ(json.exitCode, 1);
    Json::Value parsed;
    ASSERT_TRUE(vexo::ParseJson(json.output, parsed)) << json.output;
    EXPECT_EQ(parsed["changes"].size(), 3u);
    EXPECT_EQ(parsed["changes"][2]["item"], "Wire_Cross_Event 01");
}

TEST_F(VexoCmdReview, DryRunWritesNothingAndSetPrintsWhatTheDeviceChanged) {
    const std::string edited = ThreeEdits();
    const CommandRun dry = Run("config set --dry-run " + edited);
    EXPECT_EQ(dry.exitCode, 1) << dry.output;
    EXPECT_EQ(ChangeLines(dry.output).size(), 3u) << dry.output;
    EXPECT_EQ(Writes(), 0);

    const CommandRun set = Run("config set " + edited);
    EXPECT_EQ(set.exitCode, 0) << set.output;
    EXPECT_THAT(set.output, ::testing::StartsWith(sim_.Address() + ": ok\n"));
    EXPECT_EQ(ChangeLines(set.output), ChangeLines(dry.output)) << set.output;
    EXPECT_EQ(Writes(), 1);

    EXPECT_EQ(Run("config diff " + edited).exitCode, 0);
    const CommandRun again = Run("config set " + edited);
    EXPECT_EQ(again.output, sim_.Address() + ": ok, nothing changed\n");
}

TEST_F(VexoCmdReview, MalformedOrForeignFilesExitTwo) {
    const std::string broken =
        vexo::test::WriteFileText(folder_ + "/broken.json", "{\n  \"scenes\": [\n    {,\n  ]\n}\n");
    for (const char* command : {"config diff ", "config set --dry-run ", "config lint "}) {
        const CommandRun run = Run(command + broken);
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_THAT(run.output, HasSubstr("Line 3, Column 6")) << command;
    }
    EXPECT_EQ(Writes(), 0);
    const std::string foreign =
        vexo::test::WriteFileText(folder_ + "/foreign.json", R"({"Rules": null, "Other": 1})");
    const CommandRun run = Run("config diff " + foreign);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.output, HasSubstr("neither"));
}

TEST_F(VexoCmdReview, AnExportFileIsComparedWithTheSelectedScene) {
    const std::string exported = vexo::test::WriteFileText(
        folder_ + "/export.json",
        R"({"Rules": {"zelk:Intrusion_Event": {"Gate": {"Token": "Intrusion_Event 01",
            "Sensitivity": "65"}}}, "Modules": null})");
    for (const char* command : {"config diff ", "config set --dry-run "}) {
        const CommandRun run = Run(command + exported);
        EXPECT_EQ(run.exitCode, 1) << command << run.output;
        EXPECT_THAT(ChangeLines(run.output),
                    ::testing::ElementsAre("~ params.Sensitivity: \"50\" -> \"65\""))
            << run.output;
    }
    EXPECT_EQ(Writes(), 0);
}

TEST_F(VexoCmdReview, LintOfTheDeviceAndOfAFile) {
    // Every factory rule can fire.
    const CommandRun device = Run("config lint");
    EXPECT_EQ(device.exitCode, 0) << device.output;
    EXPECT_EQ(device.output, "");

    // A file needs no device: rule 01 with an empty week, every rule's
    // linkage without an action.
    Json::Value config = DeviceConfig(folder_ + "/device.json");
    for (Json::Value& scene : config["scenes"]) {
        for (const std::string& function : scene["rules"].getMemberNames()) {
            for (Json::Value& rule : scene["rules"][function]) {
                rule["trigger"]["data"]["Notification"]["simp"]["UploadCenter"] = "FALSE";
                rule["trigger"]["data"]["Recording"]["simp"]["RecordChannel1"] = "FALSE";
            }
        }
    }
    for (Json::Value& day : config["scenes"][0]["rules"][kIntrusion][0]["schedule"]) {
        day["simp"] = Json::Value();
    }
    const std::string path = Write("unticked.json", config);
    const CommandRun file =
        vexo::test::RunCommandLine(std::string(VEXO_CMD_PATH) + " config lint " + path);
    EXPECT_EQ(file.exitCode, 1) << file.output;
    EXPECT_THAT(file.output,
                HasSubstr("scene Scene_001 \"Default Scene\", zelk:Intrusion_Event, rule "
                          "Intrusion_Event 01: The arming schedule has no period on any day"));
    EXPECT_THAT(file.output,
                HasSubstr("zelk:Intrusion_Event, rule Intrusion_Event 02: The linkage method "
                          "ticks no action"));
    const CommandRun chinese = vexo::test::RunCommandLine(
        std::string(VEXO_CMD_PATH) + " config lint --language chinese " + path);
    EXPECT_THAT(chinese.output, HasSubstr("联动方式未勾选任何动作"));
    EXPECT_THAT(chinese.output, HasSubstr("布防时间表每天都没有时间段"));
}

}  // namespace
