// PTZ commands change the device's stored head position, and a device
// killed in the middle of a burst of writes keeps every acknowledged one.

#include <atomic>
#include <cmath>
#include <thread>

#include "channel_fixture.h"

namespace {

// The head's state file; null when it does not read.
Json::Value ReadState(const std::string& folder) {
    return vexo::test::ParseJson(vexo::test::ReadFileText(folder + "/ptz.json"));
}

using PtzTest = vexo::test::ChannelFixture;

}  // namespace

TEST_F(PtzTest, MovementChangesTheStoredPositionAtTheCommandedSpeed) {
    const int32_t id = session_.LoginId();
    ASSERT_EQ(VEXONET_PTZControl(id, 0, 9, 10, 10, 0), 1);  // right at speed 10
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(VEXONET_PTZControl(id, 0, 9, 0, 0, 1), 1);
    const Json::Value state = ReadState(sim_.StateFolder());
    // 10 steps × 0.02 per second for about half a second.
    EXPECT_NEAR(state["pan"].asDouble(), 0.1, 0.05);
    EXPECT_DOUBLE_EQ(state["tilt"].asDouble(), 0.0);
    EXPECT_FALSE(state.isMember("motion"));
}

TEST_F(PtzTest, RefusedCommandsFailWithDeviceError) {
    const int32_t id = session_.LoginId();
    EXPECT_EQ(VEXONET_PTZControl(id, 0, 6, 11, 1, 0), 0);  // speed out of range
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_HTTP_STATUS);
    EXPECT_EQ(VEXONET_PTZControl(id, 0, 15, 77, 6, 0), 0);  // no such preset
    EXPECT_EQ(VEXONET_PTZControl(id, 3, 6, 1, 1, 0), 0);    // no such channel
    EXPECT_EQ(VEXONET_PTZControl(id, 0, 99, 1, 1, 0), 0);
    EXPECT_EQ(VEXONET_PTZControl(99999, 0, 6, 1, 1, 0), 0);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_LOGIN_ID);
}

TEST_F(PtzTest, KillDuringBurstKeepsEveryAcknowledgedWrite) {
    const int32_t id = session_.LoginId();
    std::atomic<int> acknowledged{0};
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        // Focus near/far steps alternate; every acknowledged one is counted.
        for (int i = 0; !stop && i < 100000; ++i) {
            if (VEXONET_PTZControl(id, 0, i % 2 == 0 ? 2 : 3, 0, 0, 0) == 1) {
                ++acknowledged;
            }
        }
    });
    while (acknowledged < 40) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    sim_.Kill();
    stop = true;
    writer.join();

    const Json::Value state = ReadState(sim_.StateFolder());
    ASSERT_TRUE(state.isObject()) << "state file unreadable after SIGKILL";
    // Every acknowledged command was stored before its answer; at most the
    // one in flight may have been stored without being acknowledged.
    const auto stored = state["commands"].asInt64();
    EXPECT_GE(stored, acknowledged.load());
    EXPECT_LE(stored, acknowledged.load() + 1);

    // The device comes back on the same state and the same login id works.
    ASSERT_TRUE(sim_.Start(sim_.Port()));
    EXPECT_EQ(VEXONET_PTZControl(id, 0, 2, 0, 0, 0), 1);
    EXPECT_EQ(ReadState(sim_.StateFolder())["commands"].asInt64(), stored + 1);
}
