// The play library carries the camera's capture time of each picture, named
// by the metadata packet that follows the picture's video packet, through
// the decoder to the painted picture: VEXOPLAY_GetShownCaptureTime, read in
// the draw callback that follows each painted picture. The targets the
// viewer draws come from the same packet.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <string>
#include <vector>

#include "test_encoder.h"
#include "vexoplay.h"

namespace {

using vexo::test::Rgb;
using vexo::test::TestEncoder;

constexpr Rgb kGrey{128, 128, 128};

// What the draw callback saw: the capture time of each picture just painted
// (0 when the call said none), the port it named and whether it handed over
// an active painter.
struct PaintLog {
    std::vector<int64_t> captures;
    int32_t port = -2;
    bool painterGiven = true;
    static void OnDraw(int32_t port, void* dc, void* user) {
        auto* self = static_cast<PaintLog*>(user);
        self->port = port;
        self->painterGiven &= dc != nullptr && static_cast<QPainter*>(dc)->isActive();
        int64_t capture = 0;
        if (VEXOPLAY_GetShownCaptureTime(port, &capture) != 1) {
            capture = 0;
        }
        if (self->captures.empty() || self->captures.back() != capture) {
            self->captures.push_back(capture);
        }
    }
};

class CaptureTime : public ::testing::Test {
protected:
    void SetUp() override {
        VEXOPLAY_Init();
        window.resize(320, 240);
        window.show();
        const std::string header = R"({"codec":"h264","width":160,"height":120})";
        port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header.data()),
                                   static_cast<int32_t>(header.size()));
        ASSERT_GE(port, 0);
        ASSERT_EQ(VEXOPLAY_SetDrawFunCallBack(port, &PaintLog::OnDraw, &log), 1);
        ASSERT_EQ(VEXOPLAY_Play(port, &window, 0, 0), 1);
    }
    void TearDown() override {
        VEXOPLAY_Stop(port);
        VEXOPLAY_CloseStream(port);
        VEXOPLAY_Cleanup();
        QApplication::processEvents();
    }
    int Picture() {
        const std::vector<uint8_t> packet = encoder.Encode(kGrey, kGrey);
        return VEXOPLAY_InputData(port, packet.data(), static_cast<int32_t>(packet.size()));
    }
    int Metadata(const std::string& text) {
        return VEXOPLAY_InputData(port, reinterpret_cast<const uint8_t*>(text.data()),
                                  static_cast<int32_t>(text.size()));
    }
    int Stamp(long long captureUs) {
        return Metadata(R"({"capture_us": )" + std::to_string(captureUs) + R"(, "frame": 1})");
    }
    // Waits for the decoder, then lets the window paint.
    void Settle() {
        EXPECT_EQ(VEXOPLAY_WaitIdle(port, 5000), 1);
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }
    int64_t Shown() {
        int64_t capture = -1;
        return VEXOPLAY_GetShownCaptureTime(port, &capture) == 1 ? capture : 0;
    }

    QWidget window;
    TestEncoder encoder{"libx264", 160, 120};
    PaintLog log;
    int32_t port = -1;
};

TEST_F(CaptureTime, EachPaintedPictureNamesItsOwnCaptureTime) {
    Settle();
    EXPECT_EQ(Shown(), 0) << "nothing painted yet";
    EXPECT_TRUE(log.captures.empty()) << "no draw call while only the idle picture shows";
    // Stamps arrive long before their pictures leave the decoder queue.
    constexpr long long kBase = 1764970000000000LL;
    for (int i = 1; i <= 40; ++i) {
        ASSERT_EQ(Picture(), 1);
        ASSERT_EQ(Stamp(kBase + 1000LL * i), 1);
    }
    Settle();
    EXPECT_EQ(Shown(), kBase + 40000);
    ASSERT_FALSE(log.captures.empty());
    int64_t last = 0;
    for (const int64_t capture : log.captures) {
        EXPECT_GT(capture, last) << "painted in capture order";
        EXPECT_EQ(capture % 1000, 0) << "every painted picture had its stamp";
        last = capture;
    }
    EXPECT_EQ(log.port, port);
    EXPECT_TRUE(log.painterGiven);

    int64_t capture = 0;
    EXPECT_EQ(VEXOPLAY_GetShownCaptureTime(port, nullptr), 0);
    EXPECT_EQ(VEXOPLAY_GetShownCaptureTime(port + 1000, &capture), 0);
    EXPECT_EQ(VEXOPLAY_GetShownCaptureTime(-1, &capture), 0);
    EXPECT_EQ(VEXOPLAY_SetDrawFunCallBack(port + 1000, &PaintLog::OnDraw, &log), 0);
    ASSERT_EQ(VEXOPLAY_Stop(port), 1);
    EXPECT_EQ(Shown(), 0) << "the window shows its idle picture again";
}

TEST_F(CaptureTime, APictureWithoutMetadataHasNoCaptureTime) {
    ASSERT_EQ(Picture(), 1);
    ASSERT_EQ(Stamp(5000), 1);
    Settle();
    ASSERT_EQ(Shown(), 5000);
    // The next picture comes without metadata: the previous picture's stamp
    // must not be taken for it.
    ASSERT_EQ(Picture(), 1);
    Settle();
    int64_t capture = 77;
    EXPECT_EQ(VEXOPLAY_GetShownCaptureTime(port, &capture), 0);
    EXPECT_EQ(capture, 77) << "left untouched";
    // A second metadata packet after one picture does not restamp it.
    ASSERT_EQ(Picture(), 1);
    ASSERT_EQ(Stamp(6000), 1);
    ASSERT_EQ(Stamp(9999), 1);
    Settle();
    EXPECT_EQ(Shown(), 6000);
}

TEST_F(CaptureTime, MetadataThatNamesNoTimeIsIgnored) {
    // Before any picture: belongs to nothing.
    ASSERT_EQ(Stamp(123), 1);
    const std::vector<std::string> hostile = {
        "{not json",
        R"({"capture_us": "1764970000000001"})",
        R"({"capture_us": -5})",
        R"({"capture_us": 12.5})",
        R"({"frame": 3})",
        "{" + std::string(70 * 1024, ' ') + R"("capture_us": 8})",
    };
    for (const std::string& text : hostile) {
        ASSERT_EQ(Picture(), 1);
        ASSERT_EQ(Metadata(text), 1) << text.substr(0, 60);
        Settle();
        EXPECT_EQ(Shown(), 0) << text.substr(0, 60);
    }
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port, &info);
    EXPECT_EQ(info.framesDecoded, hostile.size());
    EXPECT_EQ(info.packetsDropped, 0u) << "metadata never reaches the decoder";
    // Stamps work again right after.
    ASSERT_EQ(Picture(), 1);
    ASSERT_EQ(Stamp(4242), 1);
    Settle();
    EXPECT_EQ(Shown(), 4242);
}

// The viewer draws each picture with the targets of its own metadata, as
// many boxes as that packet names, for the functions of the option only.
TEST_F(CaptureTime, EachPictureIsDrawnWithItsOwnTargets) {
    auto packet = [](int targets) {
        std::string text =
            R"({"capture_us": 1, "functions": ["zelk:Intrusion_Event"], "targets": [)";
        for (int i = 0; i < targets; ++i) {
            text += (i ? "," : "") + std::string(R"({"id": )") + std::to_string(i + 1) +
                    R"(, "class": "person", "box": [-0.5, 0.5, -0.4, 0.1]})";
        }
        return text + "]}";
    };
    auto boxes = [this] { return window.property("vexoMetadataTargets").toInt(); };
    ASSERT_EQ(VEXOPLAY_SetMetadataOption(port, "zelk:Intrusion_Event"), 1);
    for (int targets = 1; targets <= 3; ++targets) {
        ASSERT_EQ(Picture(), 1);
        ASSERT_EQ(Metadata(packet(targets)), 1);
        Settle();
        EXPECT_EQ(boxes(), targets);
    }
    ASSERT_EQ(Picture(), 1);  // without metadata: no boxes of another picture
    Settle();
    EXPECT_EQ(boxes(), 0);
    ASSERT_EQ(VEXOPLAY_SetMetadataOption(port, "zelk:Loitering_Event"), 1);
    ASSERT_EQ(Picture(), 1);
    ASSERT_EQ(Metadata(packet(2)), 1);
    Settle();
    EXPECT_EQ(boxes(), 0) << "the camera runs no loitering rules";
}

}  // namespace
