// The live stream from the simulator's camera through the network library:
// header first, then video and metadata in pairs; start, stop and start
// again; a killed device and a renewed session. (Watchers sharing one
// encoding and the picture following the head are the camera's unit tests.)

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "sim_process.h"
#include "stream_watcher.h"

namespace {

using namespace std::chrono_literals;
using vexo::test::SimProcess;
using vexo::test::StreamPacket;
using vexo::test::StreamWatcher;

class LiveStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(VEXONET_Init());
        ASSERT_TRUE(sim_.Start());
        login_ = Login();
        ASSERT_GE(login_, 0) << VEXONET_GetLastError();
    }
    void TearDown() override { VEXONET_Cleanup(); }

    int32_t Login() {
        return VEXONET_LoginEx(
            sim_.Address().c_str(),
            vexo::test::SetupXml(SimProcess::kUser, SimProcess::kPassword).c_str());
    }
    int32_t Start(int32_t code, StreamWatcher& watcher) {
        const int32_t request[3] = {0, 0, code};
        return VEXONET_StartRealData(login_, request, &StreamWatcher::OnData, VEXONET_LINK_HTTP,
                                     &watcher);
    }

    SimProcess sim_;
    int32_t login_ = -1;
};

// Header, then (video, metadata) pairs with rising capture times.
void ExpectWellFormed(const std::vector<StreamPacket>& packets, int width, int height) {
    ASSERT_GE(packets.size(), 5u);
    EXPECT_EQ(packets[0].type, VEXONET_DATA_HEADER);
    const Json::Value header = vexo::test::ParseJson(packets[0].payload);
    EXPECT_EQ(header["codec"].asString(), "h264");
    EXPECT_EQ(header["width"].asInt(), width);
    EXPECT_EQ(header["height"].asInt(), height);
    EXPECT_EQ(header["fps"].asInt(), 25);
    long long lastCapture = 0;
    for (size_t i = 1; i + 1 < packets.size(); i += 2) {
        ASSERT_EQ(packets[i].type, VEXONET_DATA_VIDEO) << i;
        ASSERT_EQ(packets[i + 1].type, VEXONET_DATA_METADATA) << i;
        EXPECT_EQ(packets[i].payload.compare(0, 4, std::string("\0\0\0\1", 4)), 0);
        const long long capture =
            vexo::test::ParseJson(packets[i + 1].payload)["capture_us"].asInt64();
        EXPECT_GT(capture, lastCapture);
        lastCapture = capture;
    }
}

}  // namespace

TEST_F(LiveStreamTest, HeaderFirstThenVideoAndMetadataPairsOnBothStreams) {
    for (const auto& [code, width, height] : {std::tuple{2, 1280, 720}, std::tuple{5, 704, 576}}) {
        StreamWatcher watcher;
        const int32_t handle = Start(code, watcher);
        ASSERT_GE(handle, 0) << VEXONET_GetLastError();
        EXPECT_EQ(VEXONET_GetRealDataState(handle), 1);
        ASSERT_TRUE(watcher.WaitForPackets(21));
        const auto before = std::chrono::steady_clock::now();
        ASSERT_EQ(VEXONET_StopRealData(handle), 1);
        // Generous: catches a stop that waits for a time-out, not a slow one.
        EXPECT_LT(std::chrono::steady_clock::now() - before, 1000ms);
        const size_t atStop = watcher.Count();
        ExpectWellFormed(watcher.Packets(), width, height);
        for (const auto& packet : watcher.Packets()) {
            EXPECT_EQ(packet.handle, handle);
        }
        std::this_thread::sleep_for(150ms);
        EXPECT_EQ(watcher.Count(), atStop);  // nothing after the stop
        EXPECT_EQ(VEXONET_GetRealDataState(handle), -1);
        EXPECT_EQ(VEXONET_StopRealData(handle), 0);
        EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_HANDLE);
    }
}

// What a session does after that (a failed start, then a start once the
// device is back) is the playback session's integration test.
TEST_F(LiveStreamTest, KilledDeviceEndsTheStreamWithANetworkError) {
    StreamWatcher watcher;
    const int32_t handle = Start(5, watcher);
    ASSERT_GE(handle, 0);
    ASSERT_TRUE(watcher.WaitForPackets(5));
    sim_.Kill();
    ASSERT_TRUE(vexo::test::WaitForEnd(handle, 5000ms));
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_NETWORK);
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);
}

TEST_F(LiveStreamTest, ForgottenSessionIsRenewedOnceForTheStream) {
    ASSERT_EQ(sim_.ControlText(R"({"forget_sessions": true})"), 200);
    const int loginsBefore = sim_.JournalCount("/vexo/v1/login");
    StreamWatcher watcher;
    const int32_t handle = Start(5, watcher);
    ASSERT_GE(handle, 0) << VEXONET_GetLastError();
    EXPECT_TRUE(watcher.WaitForPackets(3));
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);
    EXPECT_GT(sim_.JournalCount("/vexo/v1/login"), loginsBefore);
    EXPECT_EQ(sim_.JournalCount("/vexo/v1/stream"), 2);  // refused once, then accepted
}

TEST_F(LiveStreamTest, RefusedRequestsFailWithAReason) {
    StreamWatcher watcher;
    const auto start = [&](int32_t login, int32_t code, auto callback, int32_t link) {
        const int32_t request[3] = {0, 0, code};
        EXPECT_EQ(VEXONET_StartRealData(login, request, callback, link, &watcher), -1);
        return VEXONET_GetLastError();
    };
    const auto onData = &StreamWatcher::OnData;
    EXPECT_EQ(start(login_, 7, onData, VEXONET_LINK_HTTP), VEXONET_ERR_HTTP_STATUS);  // no code 7
    EXPECT_EQ(start(login_, 2, onData, 4), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(start(login_, 2, nullptr, VEXONET_LINK_HTTP), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(start(login_ + 100, 2, onData, VEXONET_LINK_HTTP), VEXONET_ERR_LOGIN_ID);
    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_EQ(VEXONET_StopRealData(12345), 0);
    EXPECT_EQ(VEXONET_GetRealDataState(12345), -1);
}
