// vexo-cmd as an operator uses it: exit codes and what it prints.

#include <gtest/gtest.h>

#include <string>

#include "command_run.h"
#include "sim_process.h"

namespace {

using CmdRun = vexo::test::CommandRun;

CmdRun RunCmd(const std::string& arguments) {
    return vexo::test::RunCommandLine(std::string(VEXO_CMD_PATH) + " " + arguments);
}

class VexoCmdTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim_.Start()); }
    std::string Device() const { return "--device " + sim_.Address() + " --user admin "; }
    vexo::test::SimProcess sim_;
};

}  // namespace

// The password may also come from VEXO_PASSWORD, as the configuration
// subcommands' tests use it.
TEST_F(VexoCmdTest, ExitCodesAndWhatIsPrinted) {
    CmdRun run = RunCmd(Device() + "--password Admin_123 CMD_ParamInit");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("\"DeviceName\""), std::string::npos) << run.output;

    run = RunCmd(Device() + "--password Admin_123 CMD_Unknown '{\"a\": 1}'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("CMD_Unknown"), std::string::npos) << run.output;

    run = RunCmd(Device() + "--password nope CMD_ParamInit");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.output.find("password refused"), std::string::npos) << run.output;
    EXPECT_EQ(RunCmd(Device() + "--password Admin_123 CMD_ParamInit '{broken'").exitCode, 2);
    EXPECT_EQ(RunCmd("CMD_ParamInit").exitCode, 2);
}
