// Streams from a fake device that misbehaves: a silent device, a packet
// over 16 MiB, a packet cut short and an unknown codec (random bytes are the
// packet fuzzer's). Each
// ends in a clear state (or is passed on as it is), never a crash or a
// hang, and a stop always returns promptly.

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <map>
#include <thread>

#include "packet_bytes.h"
#include "stream_watcher.h"

namespace {

using namespace std::chrono_literals;
using vexo::test::StreamWatcher;

using vexo::test::Frame;
using vexo::test::PacketHeader;

const std::string kHeader =
    Frame({{0, R"({"codec": "h264", "width": 64, "height": 48, "fps": 25})"}});

// A device that logs anybody in and serves, per stream code, a body the
// test chooses; code 1 sends its header and then nothing while connected.
class FakeDevice {
public:
    FakeDevice() {
        server_.Post("/vexo/v1/login", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(R"({"session": "0123456789abcdef", "expires": 600})",
                            "application/json");
        });
        server_.Get("/vexo/v1/stream", [this](const httplib::Request& req, httplib::Response& res) {
            const std::string code = req.get_param_value("code");
            if (code == "1") {
                res.set_chunked_content_provider(
                    "application/x-vexo-stream",
                    [this, sent = false](size_t, httplib::DataSink& sink) mutable {
                        if (!sent) {
                            sent = true;
                            return sink.write(kHeader.data(), kHeader.size());
                        }
                        std::this_thread::sleep_for(20ms);
                        return !closing_.load();
                    });
                return;
            }
            const auto body = bodies_.find(code);
            if (body == bodies_.end()) {
                res.status = 404;
                return;
            }
            const std::string text = body->second;
            res.set_chunked_content_provider("application/x-vexo-stream",
                                             [text](size_t, httplib::DataSink& sink) {
                                                 sink.write(text.data(), text.size());
                                                 sink.done();
                                                 return true;
                                             });
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // Bound means listening: early connections wait in the backlog.
    }
    ~FakeDevice() {
        closing_ = true;
        server_.stop();
        thread_.join();
    }
    void SetBody(const std::string& code, std::string body) { bodies_[code] = std::move(body); }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    httplib::Server server_;
    std::map<std::string, std::string> bodies_;
    std::atomic<bool> closing_{false};
    std::thread thread_;
    int port_ = 0;
};

class CorruptStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(VEXONET_Init());
        device_.SetBody("3", kHeader + PacketHeader(1, 16u * 1024u * 1024u + 1) + "xxxx");
        device_.SetBody("4", kHeader + Frame({{1, "first"}}) + PacketHeader(1, 100) + "cut short");
        device_.SetBody("5", kHeader + Frame({{1, "only"}, {3, "{}"}}));
        device_.SetBody("8", Frame({{0, R"({"codec": "vp9", "width": 1, "height": 1})"},
                                    {9, "dropped type"},
                                    {1, "frame"}}));
    }
    void TearDown() override { VEXONET_Cleanup(); }

    // Logs in and starts stream `code` with the watcher's OnData; -2 when
    // the login fails.
    template <typename Watcher>
    int32_t Start(int32_t code, Watcher& watcher) {
        const int32_t login =
            VEXONET_LoginEx(device_.Address().c_str(), vexo::test::SetupXml("u", "p").c_str());
        const int32_t request[3] = {0, 0, code};
        return login < 0 ? -2
                         : VEXONET_StartRealData(login, request, &Watcher::OnData,
                                                 VEXONET_LINK_HTTP, &watcher);
    }

    // Starts a stream, waits for its end and returns the reason.
    int EndReason(int32_t code, StreamWatcher& watcher) {
        const int32_t handle = Start(code, watcher);
        EXPECT_GE(handle, 0);
        if (handle < 0) {
            return -1;
        }
        EXPECT_TRUE(vexo::test::WaitForEnd(handle, 5000ms));
        const int reason = VEXONET_GetLastError();
        EXPECT_EQ(VEXONET_StopRealData(handle), 1);
        return reason;
    }

    FakeDevice device_;
};

}  // namespace

TEST_F(CorruptStreamTest, StopReturnsPromptlyWhileTheDeviceIsSilent) {
    StreamWatcher watcher;
    const int32_t handle = Start(1, watcher);
    ASSERT_GE(handle, 0) << VEXONET_GetLastError();
    ASSERT_TRUE(watcher.WaitForPackets(1));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(VEXONET_GetRealDataState(handle), 1);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(VEXONET_StopRealData(handle), 1);
    const auto took = std::chrono::steady_clock::now() - before;
    // Generous bound against a stop that waits out a time-out.
    EXPECT_LT(took, 1000ms);
    EXPECT_EQ(watcher.Count(), 1u);
}

TEST_F(CorruptStreamTest, BrokenStreamsEndWithTheirReason) {
    StreamWatcher tooLong;
    EXPECT_EQ(EndReason(3, tooLong), VEXONET_ERR_TOO_LARGE);
    EXPECT_EQ(tooLong.Count(), 1u);  // the header only

    StreamWatcher cut;
    EXPECT_EQ(EndReason(4, cut), VEXONET_ERR_PROTOCOL);
    EXPECT_EQ(cut.Count(), 2u);
}

TEST_F(CorruptStreamTest, UnknownCodecIsPassedOnAndUnknownTypesDropped) {
    StreamWatcher watcher;
    EXPECT_EQ(EndReason(8, watcher), VEXONET_ERR_STREAM_ENDED);
    const auto packets = watcher.Packets();
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].type, VEXONET_DATA_HEADER);
    EXPECT_EQ(vexo::test::ParseJson(packets[0].payload)["codec"].asString(), "vp9");
    EXPECT_EQ(packets[1].type, VEXONET_DATA_VIDEO);
    EXPECT_EQ(packets[1].payload, "frame");
}

TEST_F(CorruptStreamTest, CallbackMayStopItsOwnStream) {
    struct SelfStopper {
        std::atomic<int> calls{0};
        std::atomic<int> stopResult{-1};
        static void OnData(int32_t handle, int32_t, const uint8_t*, int32_t, int32_t, void* user) {
            auto* self = static_cast<SelfStopper*>(user);
            if (self->calls++ == 0) {
                self->stopResult = VEXONET_StopRealData(handle);
            }
        }
    } stopper;
    const int32_t handle = Start(5, stopper);
    ASSERT_GE(handle, 0);
    const auto until = std::chrono::steady_clock::now() + 5s;
    while (stopper.stopResult == -1 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(10ms);
    }
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(stopper.stopResult, 1);
    EXPECT_EQ(stopper.calls, 1);  // the packets after the header never arrive
    EXPECT_EQ(VEXONET_GetRealDataState(handle), -1);
}
