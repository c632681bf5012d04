#pragma once
// A started simulator, the network library and a logged-in channel.

#include <gtest/gtest.h>

#include <memory>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "sim_process.h"
#include "vexonet.h"

class LinkFixture : public ::testing::Test {
protected:
    explicit LinkFixture(std::vector<std::string> simArgs = {}) : sim_(std::move(simArgs)) {}

    void SetUp() override {
        ASSERT_TRUE(VEXONET_Init());
        ASSERT_TRUE(sim_.Start());
    }
    void TearDown() override {
        VEXONET_SetTimeouts(2000, 10000);
        VEXONET_Cleanup();
    }

    bool LoginChannel() {
        return channel_.ParamInit(&session_, QString::fromStdString(sim_.Address()),
                                  vexo::test::SimProcess::kUser,
                                  vexo::test::SimProcess::kPassword) == 1;
    }

    // A reply scripted for one command name.
    void Script(const std::string& command, const std::string& reply) {
        ASSERT_EQ(sim_.Script(command, reply), 200);
    }

    vexo::test::SimProcess sim_;
    CAudioVideoPlay session_;
    DeviceCommandChannel channel_;
};
