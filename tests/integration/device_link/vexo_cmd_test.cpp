// vexo-cmd as an operator uses it: exit codes and what it prints.

#include <gtest/gtest.h>

#include <string>

#include "command_run.h"
#include "sim_process.h"

namespace {

using CmdRun = vexo::test::CommandRun;

CmdRun RunCmd(const std::string& arguments, const std::string& environment = "") {
    return vexo::test::RunCommandLine(environment + " " + VEXO_CMD_PATH + " " + arguments);
}

class VexoCmdTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim_.Start()); }
    std::string Device() const { return "--device " + sim_.Address() + " --user admin "; }
    vexo::test::SimProcess sim_;
};

}  // namespace

TEST_F(VexoCmdTest, AcknowledgedCommandPrintsInfoAndExitsZero) {
    const CmdRun run = RunCmd(Device() + "--password Admin_123 CMD_ParamInit");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("\"DeviceName\""), std::string::npos) << run.output;
}

TEST_F(VexoCmdTest, PasswordFromEnvironment) {
    const CmdRun run = RunCmd(Device() + "CMD_ParamInit", "VEXO_PASSWORD=Admin_123");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(VexoCmdTest, RefusalPrintsTheDevicesErrorText) {
    const CmdRun run = RunCmd(Device() + "--password Admin_123 CMD_Unknown '{\"a\": 1}'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("CMD_Unknown"), std::string::npos) << run.output;
}

TEST_F(VexoCmdTest, WrongPasswordAndBadUsage) {
    CmdRun run = RunCmd(Device() + "--password nope CMD_ParamInit");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.output.find("password refused"), std::string::npos) << run.output;
    run = RunCmd(Device() + "--password Admin_123 CMD_ParamInit '{broken'");
    EXPECT_EQ(run.exitCode, 2);
    run = RunCmd("CMD_ParamInit");
    EXPECT_EQ(run.exitCode, 2);
}
