// vexo-cmd as an operator uses it, against two simulated devices: its exit
// codes, what it prints, and the batch configuration subcommands.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "command_run.h"
#include "json_text.h"
#include "sim_process.h"

namespace {

using vexo::test::SimProcess;

using CmdRun = vexo::test::CommandRun;

CmdRun RunCmd(const std::string& arguments) {
    return vexo::test::RunCommandLine(std::string("VEXO_PASSWORD=") + SimProcess::kPassword + " " +
                                      VEXO_CMD_PATH + " --user admin " + arguments);
}

// Expects the exit code and each of `printed` in what the run printed.
void ExpectRun(const CmdRun& run, int exitCode, std::initializer_list<std::string> printed) {
    EXPECT_EQ(run.exitCode, exitCode) << run.output;
    for (const std::string& text : printed) {
        EXPECT_THAT(run.output, ::testing::HasSubstr(text));
    }
}

class VexoCmdConfig : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(first_.Start());
        ASSERT_TRUE(second_.Start());
        folder_ = vexo::test::MakeTempFolder("vexo-cmd-config-");
    }

    static void Script(const SimProcess& sim, const std::string& command,
                       const std::string& reply) {
        ASSERT_EQ(sim.Script(command, reply), 200);
    }

    // The requests of `command` the device received, parsed, with the
    // journal's time in "time".
    static std::vector<Json::Value> Received(const SimProcess& sim, const std::string& command) {
        std::vector<Json::Value> found;
        for (const Json::Value& line : sim.Journal()) {
            Json::Value request;
            if (vexo::ParseJson(line["request"].asString(), request) && request.isObject() &&
                request["op"] == command) {
                request["time"] = line["time"];
                found.push_back(request);
            }
        }
        return found;
    }

    std::string WriteFile(const std::string& name, const std::string& text) const {
        return vexo::test::WriteFileText(folder_ + "/" + name, text);
    }

    static std::string Devices(std::initializer_list<const SimProcess*> sims) {
        std::string text;
        for (const SimProcess* sim : sims) {
            text += "--device " + sim->Address() + " ";
        }
        return text;
    }

    SimProcess first_;
    SimProcess second_;
    std::string folder_;
};

TEST_F(VexoCmdConfig, RawCommandsExitCodesAndWhatIsPrinted) {
    ExpectRun(RunCmd(Devices({&first_}) + "CMD_ParamInit"), 0, {"\"DeviceName\""});
    ExpectRun(RunCmd(Devices({&first_}) + "CMD_Unknown '{\"a\": 1}'"), 1, {"CMD_Unknown"});
    // The command line's password overrides the environment's.
    ExpectRun(RunCmd(Devices({&first_}) + "--password nope CMD_ParamInit"), 3,
              {"password refused"});
    EXPECT_EQ(RunCmd(Devices({&first_}) + "CMD_ParamInit '{broken'").exitCode, 2);
}

TEST_F(VexoCmdConfig, GetWritesTheDevicesTextToTheFileOrExitsOneWithItsError) {
    Script(first_, "CMD_GetBatchConfig",
           R"({"ack": "0", "info": {"config": "{\"Rules\": {\"intrusion\": null}}"}})");
    Script(second_, "CMD_GetBatchConfig", R"({"ack": "1", "errinfo": "no config"})");
    const std::string out = folder_ + "/got.json";
    ExpectRun(RunCmd(Devices({&first_}) + "config get --out " + out), 0, {});
    EXPECT_EQ(vexo::test::ReadFileText(out), "{\"Rules\": {\"intrusion\": null}}");

    ExpectRun(RunCmd(Devices({&second_}) + "config get"), 1, {"no config"});
}

TEST_F(VexoCmdConfig, SetWritesEveryDeviceConcurrently) {
    ASSERT_EQ(first_.ControlText(R"({"latency_ms": 700})"), 200);
    ASSERT_EQ(second_.ControlText(R"({"latency_ms": 700})"), 200);
    for (const SimProcess* sim : {&first_, &second_}) {
        Script(*sim, "CMD_SetParamsBatchConfig", R"({"ack": "0"})");
    }
    const std::string file = WriteFile("batch.json", "\xEF\xBB\xBF{\"Modules\": null}\n");

    ExpectRun(RunCmd(Devices({&first_, &second_}) + "config set " + file), 0,
              {first_.Address() + ": ok", second_.Address() + ": ok"});

    const auto sentFirst = Received(first_, "CMD_SetParamsBatchConfig");
    const auto sentSecond = Received(second_, "CMD_SetParamsBatchConfig");
    ASSERT_EQ(sentFirst.size(), 1u);
    ASSERT_EQ(sentSecond.size(), 1u);
    Json::Value expected;
    ASSERT_TRUE(vexo::ParseJson(R"({"config": {"Modules": null}})", expected));
    EXPECT_EQ(sentFirst[0]["info"], expected);
    EXPECT_EQ(sentSecond[0]["info"], expected);

    // Written one after the other, the second device would not hear of the
    // command before the first had answered it: each device's login must come
    // before the other's batch.
    const auto loginFirst = Received(first_, "CMD_ParamInit");
    const auto loginSecond = Received(second_, "CMD_ParamInit");
    ASSERT_FALSE(loginFirst.empty());
    ASSERT_FALSE(loginSecond.empty());
    EXPECT_LT(loginSecond.back()["time"].asInt64(), sentFirst[0]["time"].asInt64());
    EXPECT_LT(loginFirst.back()["time"].asInt64(), sentSecond[0]["time"].asInt64());
}

TEST_F(VexoCmdConfig, SetReportsEachDevicesOutcome) {
    Script(first_, "CMD_SetBatchConfig", R"({"ack": "0"})");
    Script(second_, "CMD_SetBatchConfig", R"({"ack": "1", "errinfo": "batch rejected"})");
    const std::string file = WriteFile("opaque.txt", "not json at all");

    ExpectRun(
        RunCmd(Devices({&first_, &second_}) + "config set " + file), 1,
        {first_.Address() + ": ok", second_.Address() + ": device refused", "batch rejected"});
    const auto sent = Received(first_, "CMD_SetBatchConfig");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["info"]["config"], "not json at all");
}

TEST_F(VexoCmdConfig, LoginFailureOnlyExitsThree) {
    Script(first_, "CMD_SetParamsBatchConfig", R"({"ack": "0"})");
    const std::string file = WriteFile("batch.json", "{}");
    const int deadPort = second_.Port();
    second_.Stop();
    ExpectRun(RunCmd(Devices({&first_}) + "--device 127.0.0.1:" + std::to_string(deadPort) +
                     " --timeout-ms 2000 config set " + file),
              3, {first_.Address() + ": ok", "login failed"});
}

TEST_F(VexoCmdConfig, UsageErrors) {
    EXPECT_EQ(RunCmd("CMD_ParamInit").exitCode, 2);  // no device
    EXPECT_EQ(RunCmd(Devices({&first_, &second_}) + "config get").exitCode, 2);
    EXPECT_EQ(RunCmd(Devices({&first_, &second_}) + "CMD_GetSceneList").exitCode, 2);
    EXPECT_EQ(RunCmd(Devices({&first_}) + "config set").exitCode, 2);
    EXPECT_EQ(RunCmd(Devices({&first_}) + "config set " + folder_ + "/missing.json").exitCode, 2);
    EXPECT_EQ(RunCmd(Devices({&first_}) + "--out x CMD_GetSceneList").exitCode, 2);
}

}  // namespace
