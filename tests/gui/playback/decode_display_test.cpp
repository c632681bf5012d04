// The play library decodes what InputData gets and shows the newest picture
// scaled into the window, under the overlay items: pictures encoded here
// with libavcodec, then corrupt packets, a stream that stops, MJPEG, a
// resize and the per-port settings. How a picture reaches the pixels is the
// picture painter's test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QThread>
#include <QWidget>
#include <random>

#include "show_ai_config.h"
#include "test_encoder.h"
#include "vexoplay.h"

namespace {

using vexo::test::Rgb;
using vexo::test::TestEncoder;

constexpr Rgb kRed{230, 20, 20};
constexpr Rgb kBlue{20, 20, 230};
constexpr Rgb kWhite{240, 240, 240};

class BlackWindow : public QWidget {
public:
    BlackWindow() {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::black, Qt::black));
        resize(704, 576);
    }
};

class Playback : public ::testing::Test {
protected:
    void SetUp() override {
        VEXOPLAY_Init();
        window.show();
    }
    void TearDown() override {
        for (int32_t p : ports_) {
            VEXOPLAY_Stop(p);
            VEXOPLAY_CloseStream(p);
        }
        VEXOPLAY_Cleanup();
        QApplication::processEvents();
    }
    int32_t Open(const char* codec, int width, int height) {
        const QByteArray header = QByteArray(R"({"codec":")") + codec + R"(","width":)" +
                                  QByteArray::number(width) + R"(,"height":)" +
                                  QByteArray::number(height) + "}";
        const int32_t p = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header.data()),
                                              static_cast<int32_t>(header.size()));
        if (p >= 0) {
            ports_.push_back(p);
        }
        return p;
    }
    // A port opened and playing into the window; -1 when it did not open.
    int32_t Playing(const char* codec, int width, int height) {
        const int32_t p = Open(codec, width, height);
        EXPECT_TRUE(p >= 0 && VEXOPLAY_Play(p, &window, 0, 0) == 1) << codec;
        return p;
    }
    static int Feed(int32_t p, const std::vector<uint8_t>& packet) {
        return VEXOPLAY_InputData(p, packet.data(), static_cast<int32_t>(packet.size()));
    }
    // Waits for the decoder, then lets the window paint.
    QImage Settle(int32_t p) {
        EXPECT_EQ(VEXOPLAY_WaitIdle(p, 5000), 1);
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static VexoplayMediaInfo Info(int32_t p) {
        VexoplayMediaInfo info{};
        VEXOPLAY_GetMediaInfo(p, &info);
        return info;
    }
    static QSize Size(const VexoplayMediaInfo& info) { return {info.width, info.height}; }
    static bool Near(QRgb pixel, Rgb want, int tolerance = 40) {
        return std::abs(qRed(pixel) - want.r) <= tolerance &&
               std::abs(qGreen(pixel) - want.g) <= tolerance &&
               std::abs(qBlue(pixel) - want.b) <= tolerance;
    }

    BlackWindow window;
    std::vector<int32_t> ports_;
};

TEST_F(Playback, NoUsablePictureReadsSixteenByNine) {
    const int32_t p = Playing("h264", 320, 240);
    ASSERT_GE(p, 0);
    const VexoplayMediaInfo info = Info(p);
    EXPECT_EQ(Size(info), QSize(16, 9));
    EXPECT_EQ(info.streamWidth, 320);
    EXPECT_EQ(info.codec, VEXOPLAY_CODEC_H264);
    const QImage image = Settle(p);
    EXPECT_EQ(image.pixel(352, 288), qRgb(0, 0, 0)) << "the idle picture until a frame arrives";

    VexoplayMediaInfo unknown{};
    EXPECT_EQ(VEXOPLAY_GetMediaInfo(p + 1000, &unknown), 0);
    EXPECT_EQ(Size(unknown), QSize(16, 9));
    EXPECT_EQ(VEXOPLAY_GetMediaInfo(p, nullptr), 0);
}

TEST_F(Playback, DecodedPictureFillsTheWindowUnderTheOverlay) {
    const int32_t p = Playing("h264", 320, 240);
    ASSERT_GE(p, 0);
    vexo::CShowAIConfig overlay;
    overlay.SetVideoWindow(&window);
    overlay.SetVideoRect(window.rect());
    ASSERT_TRUE(overlay.DrawRegion(p, 0, 1, "4|(100,100),(600,100),(600,500),(100,500)", "r"));

    TestEncoder encoder("libx264", 320, 240);
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(Feed(p, encoder.Encode(kRed, kBlue)), 1);
    }
    const QImage image = Settle(p);
    const VexoplayMediaInfo info = Info(p);
    EXPECT_EQ(Size(info), QSize(320, 240));
    EXPECT_EQ(info.framesDecoded, 5u);
    EXPECT_EQ(info.packetsIn, 5u);
    // 320 x 240 scaled to 704 x 576: the halves meet at x = 352.
    EXPECT_TRUE(Near(image.pixel(50, 288), kRed)) << std::hex << image.pixel(50, 288);
    EXPECT_TRUE(Near(image.pixel(340, 50), kRed));
    EXPECT_TRUE(Near(image.pixel(364, 50), kBlue));
    EXPECT_TRUE(Near(image.pixel(700, 570), kBlue)) << "scaled to the window's corner";
    EXPECT_EQ(image.pixel(350, 100), qRgb(0, 255, 0)) << "the overlay is painted over the video";

    // A resized window gets the next picture at its new size.
    window.resize(400, 300);
    ASSERT_EQ(Feed(p, encoder.Encode(kRed, kBlue)), 1);
    const QImage resized = Settle(p);
    ASSERT_EQ(resized.size(), QSize(400, 300));
    EXPECT_TRUE(Near(resized.pixel(190, 150), kRed));
    EXPECT_TRUE(Near(resized.pixel(399, 299), kBlue));
}

TEST_F(Playback, CorruptPacketsAreSkippedAndDecodingGoesOn) {
    const int32_t p = Playing("h264", 320, 240);
    ASSERT_GE(p, 0);
    TestEncoder encoder("libx264", 320, 240);
    ASSERT_EQ(Feed(p, encoder.Encode(kRed, kRed)), 1);
    Settle(p);
    ASSERT_EQ(Info(p).framesDecoded, 1u);

    // Random bytes, a truncated access unit, a lone start code, a NAL of
    // a type that does not exist.
    std::mt19937 random(7);
    std::vector<uint8_t> noise(4000);
    for (auto& byte : noise) {
        byte = static_cast<uint8_t>(random());
    }
    EXPECT_EQ(Feed(p, noise), 1);
    std::vector<uint8_t> truncated = encoder.Encode(kWhite, kWhite);
    truncated.resize(truncated.size() / 3);
    EXPECT_EQ(Feed(p, truncated), 1);
    EXPECT_EQ(Feed(p, {0, 0, 0, 1}), 1);
    EXPECT_EQ(Feed(p, {0, 0, 0, 1, 0x1f, 0xff, 0xff, 0xff}), 1);
    Settle(p);

    // Good pictures decode again after the damage.
    const uint32_t decodedBefore = Info(p).framesDecoded;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(Feed(p, encoder.Encode(kBlue, kBlue)), 1);
    }
    const QImage image = Settle(p);
    EXPECT_GE(Info(p).framesDecoded, decodedBefore + 3);
    EXPECT_TRUE(Near(image.pixel(352, 288), kBlue)) << std::hex << image.pixel(352, 288);
    EXPECT_EQ(Info(p).packetsIn, 8u);
}

TEST_F(Playback, InputDataRefusesWhatItCannotQueue) {
    const int32_t p = Open("h264", 320, 240);
    ASSERT_GE(p, 0);
    const uint8_t byte = 0;
    EXPECT_EQ(VEXOPLAY_InputData(-1, &byte, 1), 0) << "no port yet";
    EXPECT_EQ(VEXOPLAY_InputData(p + 1000, &byte, 1), 0);
    EXPECT_EQ(VEXOPLAY_InputData(p, nullptr, 10), 0);
    EXPECT_EQ(VEXOPLAY_InputData(p, &byte, 0), 0);
    EXPECT_EQ(VEXOPLAY_InputData(p, &byte, -5), 0);
    // Refused by its length before anything is read.
    EXPECT_EQ(VEXOPLAY_InputData(p, &byte, 16 * 1024 * 1024 + 1), 0);
    EXPECT_EQ(Info(p).packetsIn, 0u);
    // A closed port takes nothing.
    ASSERT_EQ(VEXOPLAY_CloseStream(p), 1);
    EXPECT_EQ(VEXOPLAY_InputData(p, &byte, 1), 0);
}

TEST_F(Playback, AStreamThatStopsLeavesTheLastPicture) {
    const int32_t p = Playing("h264", 320, 240);
    ASSERT_GE(p, 0);
    TestEncoder encoder("libx264", 320, 240);
    ASSERT_EQ(Feed(p, encoder.Encode(kRed, kBlue)), 1);
    Settle(p);
    QThread::msleep(300);
    window.update();
    const QImage image = Settle(p);
    EXPECT_TRUE(Near(image.pixel(50, 288), kRed));
    EXPECT_EQ(Info(p).width, 320) << "still a usable picture";

    // Stop shows the idle picture again; the port keeps its picture.
    ASSERT_EQ(VEXOPLAY_Stop(p), 1);
    const QImage idle = Settle(p);
    EXPECT_EQ(idle.pixel(50, 288), qRgb(0, 0, 0));
}

TEST_F(Playback, MjpegStreamsDecode) {
    const int32_t p = Playing("mjpeg", 256, 192);
    ASSERT_GE(p, 0);
    TestEncoder encoder("mjpeg", 256, 192);
    ASSERT_EQ(Feed(p, encoder.Encode(kBlue, kRed)), 1);
    const QImage image = Settle(p);
    const VexoplayMediaInfo info = Info(p);
    EXPECT_EQ(info.codec, VEXOPLAY_CODEC_MJPEG);
    EXPECT_EQ(Size(info), QSize(256, 192));
    EXPECT_TRUE(Near(image.pixel(100, 288), kBlue, 60)) << std::hex << image.pixel(100, 288);
    EXPECT_TRUE(Near(image.pixel(600, 288), kRed, 60)) << std::hex << image.pixel(600, 288);
}

TEST_F(Playback, ClosingWithQueuedPacketsDoesNotWait) {
    const int32_t p = Open("h264", 1280, 720);
    ASSERT_GE(p, 0);
    TestEncoder encoder("libx264", 1280, 720);
    const std::vector<uint8_t> packet = encoder.Encode(kRed, kBlue);
    for (int i = 0; i < 200; ++i) {
        Feed(p, packet);
    }
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(VEXOPLAY_CloseStream(p), 1);
    EXPECT_LT(timer.elapsed(), 1000);
    ports_.clear();
}

TEST_F(Playback, HeadersThatCannotOpenAPort) {
    for (const char* header :
         {R"({"codec":"hevc","width":320,"height":240})", R"({"codec":"h264","width":0})",
          R"({"codec":"h264","width":320,"height":240,"extradata":"!!notbase64"})",
          R"({"codec":"h264","width":320,"height":240,"extradata":5})", "garbage"}) {
        EXPECT_EQ(VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header),
                                      static_cast<int32_t>(strlen(header))),
                  -1)
            << header;
    }
    EXPECT_EQ(VEXOPLAY_Play(Open("h264", 320, 240), nullptr, 0, 0), 0);
    QObject notAWidget;
    EXPECT_EQ(VEXOPLAY_Play(ports_.back(), &notAWidget, 0, 0), 0);
}

}  // namespace
