// The live stream from the simulator's camera through the network library:
// header first, then video and metadata in pairs; start, stop and start
// again; two watchers; a killed device; a renewed session; and a picture
// that follows a PTZ movement.

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstdlib>
#include <map>
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
    int CountJournal(const std::string& path) const {
        int count = 0;
        for (const auto& line : sim_.Journal()) {
            count += line["path"].asString() == path ? 1 : 0;
        }
        return count;
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

// Luma of decoded pictures of one H.264 stream, in stream order.
std::vector<std::vector<uint8_t>> DecodeLuma(const std::vector<StreamPacket>& packets) {
    std::vector<std::vector<uint8_t>> pictures;
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        return pictures;
    }
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    for (const StreamPacket& p : packets) {
        if (p.type != VEXONET_DATA_VIDEO) {
            continue;
        }
        packet->data = reinterpret_cast<uint8_t*>(const_cast<char*>(p.payload.data()));
        packet->size = static_cast<int>(p.payload.size());
        if (avcodec_send_packet(context, packet) < 0) {
            continue;
        }
        while (avcodec_receive_frame(context, frame) == 0) {
            std::vector<uint8_t> luma;
            for (int row = 0; row < frame->height; ++row) {
                const uint8_t* line = frame->data[0] + row * frame->linesize[0];
                luma.insert(luma.end(), line, line + frame->width);
            }
            pictures.push_back(std::move(luma));
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&context);
    return pictures;
}

// Mean absolute difference of the middle half of two pictures' rows (the
// burnt-in text lies outside it).
double MiddleDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    long long sum = 0;
    const size_t begin = a.size() / 4;
    const size_t end = a.size() * 3 / 4;
    for (size_t i = begin; i < end; ++i) {
        sum += std::abs(a[i] - b[i]);
    }
    return static_cast<double>(sum) / static_cast<double>(end - begin);
}

}  // namespace

TEST_F(LiveStreamTest, HeaderFirstThenVideoAndMetadataPairsOnBothStreams) {
    for (const auto& [code, width, height] : {std::tuple{2, 1280, 720}, std::tuple{5, 704, 576}}) {
        StreamWatcher watcher;
        const int32_t handle = Start(code, watcher);
        ASSERT_GE(handle, 0) << VEXONET_GetLastError();
        EXPECT_EQ(VEXONET_GetRealDataState(handle), 1);
        ASSERT_TRUE(watcher.WaitForPackets(21));
        ASSERT_EQ(VEXONET_StopRealData(handle), 1);
        const size_t atStop = watcher.Count();
        ExpectWellFormed(watcher.Packets(), width, height);
        for (const auto& packet : watcher.Packets()) {
            EXPECT_EQ(packet.handle, handle);
        }
        std::this_thread::sleep_for(150ms);
        EXPECT_EQ(watcher.Count(), atStop);  // nothing after the stop
        EXPECT_EQ(VEXONET_GetRealDataState(handle), -1);
    }
}

TEST_F(LiveStreamTest, StartStopAndStartAgain) {
    for (int round = 0; round < 3; ++round) {
        StreamWatcher watcher;
        const int32_t handle = Start(5, watcher);
        ASSERT_GE(handle, 0) << "round " << round;
        ASSERT_TRUE(watcher.WaitForPackets(3));
        const auto before = std::chrono::steady_clock::now();
        EXPECT_EQ(VEXONET_StopRealData(handle), 1);
        // Generous: catches a stop that waits for a time-out, not a slow one.
        EXPECT_LT(std::chrono::steady_clock::now() - before, 1000ms);
        EXPECT_EQ(VEXONET_StopRealData(handle), 0);
        EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_HANDLE);
    }
}

TEST_F(LiveStreamTest, TwoWatchersGetTheSamePicturesEncodedOnce) {
    StreamWatcher first;
    StreamWatcher second;
    const int32_t a = Start(2, first);
    const int32_t b = Start(2, second);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_NE(a, b);
    ASSERT_TRUE(first.WaitForPackets(41));
    ASSERT_TRUE(second.WaitForPackets(41));
    EXPECT_EQ(VEXONET_StopRealData(a), 1);
    EXPECT_EQ(VEXONET_StopRealData(b), 1);
    // A picture of the same capture instant is byte for byte the same.
    std::map<long long, std::string> videoByCapture;
    const auto firstPackets = first.Packets();
    for (size_t i = 2; i < firstPackets.size(); i += 2) {
        videoByCapture[vexo::test::ParseJson(firstPackets[i].payload)["capture_us"].asInt64()] =
            firstPackets[i - 1].payload;
    }
    int common = 0;
    const auto secondPackets = second.Packets();
    for (size_t i = 2; i < secondPackets.size(); i += 2) {
        const auto found = videoByCapture.find(
            vexo::test::ParseJson(secondPackets[i].payload)["capture_us"].asInt64());
        if (found != videoByCapture.end()) {
            EXPECT_EQ(found->second, secondPackets[i - 1].payload);
            ++common;
        }
    }
    EXPECT_GE(common, 10);
}

TEST_F(LiveStreamTest, KilledDeviceEndsTheStreamAndANewStartWorksAfterItReturns) {
    StreamWatcher watcher;
    const int32_t handle = Start(5, watcher);
    ASSERT_GE(handle, 0);
    ASSERT_TRUE(watcher.WaitForPackets(5));
    sim_.Kill();
    ASSERT_TRUE(vexo::test::WaitForEnd(handle, 5000ms));
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_NETWORK);
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);

    StreamWatcher down;
    EXPECT_LT(Start(5, down), 0);  // nobody listens
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_CONNECT);

    ASSERT_TRUE(sim_.Restart());  // a new process: the session is gone too
    StreamWatcher again;
    const int32_t second = Start(5, again);
    ASSERT_GE(second, 0) << VEXONET_GetLastError();
    EXPECT_TRUE(again.WaitForPackets(5));
    EXPECT_EQ(VEXONET_StopRealData(second), 1);
}

TEST_F(LiveStreamTest, ForgottenSessionIsRenewedOnceForTheStream) {
    Json::Value control;
    control["forget_sessions"] = true;
    ASSERT_EQ(sim_.Control(control), 200);
    const int loginsBefore = CountJournal("/vexo/v1/login");
    StreamWatcher watcher;
    const int32_t handle = Start(5, watcher);
    ASSERT_GE(handle, 0) << VEXONET_GetLastError();
    EXPECT_TRUE(watcher.WaitForPackets(3));
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);
    EXPECT_GT(CountJournal("/vexo/v1/login"), loginsBefore);
    EXPECT_EQ(CountJournal("/vexo/v1/stream"), 2);  // refused once, then accepted
}

TEST_F(LiveStreamTest, RefusedRequestsFailWithAReason) {
    StreamWatcher watcher;
    const int32_t unknownCode[3] = {0, 0, 7};
    EXPECT_EQ(VEXONET_StartRealData(login_, unknownCode, &StreamWatcher::OnData, VEXONET_LINK_HTTP,
                                    &watcher),
              -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_HTTP_STATUS);
    const int32_t good[3] = {0, 0, 2};
    EXPECT_EQ(VEXONET_StartRealData(login_, good, &StreamWatcher::OnData, 4, &watcher), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(VEXONET_StartRealData(login_, good, nullptr, VEXONET_LINK_HTTP, &watcher), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(VEXONET_StartRealData(login_ + 100, good, &StreamWatcher::OnData, VEXONET_LINK_HTTP,
                                    &watcher),
              -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_LOGIN_ID);
    EXPECT_EQ(watcher.Count(), 0u);
    EXPECT_EQ(VEXONET_StopRealData(12345), 0);
    EXPECT_EQ(VEXONET_GetRealDataState(12345), -1);
}

TEST_F(LiveStreamTest, PtzMovementChangesThePicture) {
    StreamWatcher watcher;
    const int32_t handle = Start(5, watcher);
    ASSERT_GE(handle, 0);
    ASSERT_TRUE(watcher.WaitForPackets(1 + 2 * 25));  // a second of a still head
    ASSERT_EQ(VEXONET_PTZControl(login_, 0, 9, 10, 10, 0), 1) << VEXONET_GetLastError();
    std::this_thread::sleep_for(1000ms);
    ASSERT_EQ(VEXONET_PTZControl(login_, 0, 9, 0, 0, 1), 1);
    const size_t moved = watcher.Count();
    ASSERT_TRUE(watcher.WaitForPackets(moved + 10));
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);

    const auto packets = watcher.Packets();
    const double panBefore = vexo::test::ParseJson(packets[2].payload)["pan"].asDouble();
    const double panAfter = vexo::test::ParseJson(packets.back().payload)["pan"].asDouble();
    EXPECT_GT(panAfter - panBefore, 0.1);

    const auto pictures = DecodeLuma(packets);
    ASSERT_GE(pictures.size(), 40u);
    const double still = MiddleDifference(pictures[0], pictures[24]);  // only traffic moves
    const double panned = MiddleDifference(pictures[0], pictures.back());
    EXPECT_GT(panned, 8.0);
    EXPECT_GT(panned, 3 * still) << "still " << still << " panned " << panned;
}
