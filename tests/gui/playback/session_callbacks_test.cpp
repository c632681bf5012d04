// The session's data and draw callbacks driven as the network library
// drives them, with pictures encoded here: data before the header, the
// header opening and playing a port, the metadata option kept for it, the
// first-frame flag, the overlay calls gated on it, and stop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QWidget>

#include "audio_video_play.h"
#include "test_encoder.h"
#include "vexoplay.h"

namespace {

using vexo::test::Rgb;
using vexo::test::TestEncoder;

class SessionCallbacks : public ::testing::Test {
protected:
    void SetUp() override {
        VEXOPLAY_Init();
        window.resize(704, 576);
        window.show();
    }
    void TearDown() override {
        session.reset();
        VEXOPLAY_Cleanup();
        QApplication::processEvents();
    }
    void Deliver(int32_t type, QByteArrayView data) {
        CAudioVideoPlay::OnRealData(7, type, reinterpret_cast<const uint8_t*>(data.data()),
                                    static_cast<int32_t>(data.size()), 0, session.get());
    }
    void Header() { Deliver(0, QByteArray(R"({"codec":"h264","width":320,"height":240})")); }
    // Not logged in, so StartRealPlay fails and only binds the window and
    // rectangle: no handles yet.
    void Bind() {
        EXPECT_FALSE(session->StartRealPlay(1, &window, QRect(0, 0, 704, 576)));
        EXPECT_EQ(session->RealDataHandle(), -1);
        EXPECT_EQ(session->VideoRect(), QRect(0, 0, 704, 576));
    }
    void ShowFrame() {
        Deliver(1, encoder.Encode(Rgb{200, 30, 30}, Rgb{30, 30, 200}));
        ASSERT_EQ(VEXOPLAY_WaitIdle(session->PlayPort(), 5000), 1);
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }
    static std::string Option(int32_t port) {
        char text[128] = {};
        return VEXOPLAY_GetMetadataOption(port, text, sizeof text) >= 0 ? text : "<none>";
    }
    static std::string Language(int32_t port) {
        char text[32] = {};
        const int length =
            VEXOPLAY_GetMetadataConfig(port, "MetadataViewer.Language", text, sizeof text);
        return std::to_string(length) + " " + text;
    }

    QWidget window;
    std::unique_ptr<CAudioVideoPlay> session = std::make_unique<CAudioVideoPlay>();
    TestEncoder encoder{"libx264", 320, 240};
};

TEST_F(SessionCallbacks, DataBeforeTheHeaderIsDroppedThenTheHeaderOpensAndPlays) {
    Bind();
    Deliver(1, encoder.Encode(Rgb{255, 255, 255}, Rgb{0, 0, 0}));
    Deliver(3, QByteArray(R"({"time":1})"));
    EXPECT_EQ(session->PlayPort(), -1);
    Header();
    const int32_t port = session->PlayPort();
    ASSERT_GE(port, 0);
    EXPECT_TRUE(session->IsPlaying());
    VexoplayMediaInfo info{};
    ASSERT_EQ(VEXOPLAY_GetMediaInfo(port, &info), 1);
    EXPECT_EQ(info.packetsIn, 0u) << "nothing before the header reached the port";
    EXPECT_EQ(info.smoothLevel, 1);
    EXPECT_EQ(Language(port), "7 english") << "the text object's language name, as it spells it";
    EXPECT_EQ(Option(port), "") << "an empty option is not sent";
    // Other packet types are ignored.
    Deliver(9, QByteArray("xyz"));
    Deliver(-1, QByteArray("xyz"));
    VEXOPLAY_GetMediaInfo(port, &info);
    EXPECT_EQ(info.packetsIn, 0u);
}

TEST_F(SessionCallbacks, OptionSetBeforeTheStreamIsAppliedWhenTheHeaderArrives) {
    session = std::make_unique<CAudioVideoPlay>(QStringLiteral("chinese"));
    Bind();
    EXPECT_EQ(session->SetMetadataOption("objects=1"), 0) << "no port yet";
    Header();
    const int32_t port = session->PlayPort();
    ASSERT_GE(port, 0);
    EXPECT_EQ(Option(port), "objects=1");
    EXPECT_EQ(Language(port), "7 chinese");
    // While playing the option goes through at once and the result comes back.
    EXPECT_EQ(session->SetMetadataOption("objects=0"), 1);
    EXPECT_EQ(Option(port), "objects=0");
}

TEST_F(SessionCallbacks, ABrokenHeaderLeavesThePortNoneAndOverlaysIgnored) {
    Bind();
    Deliver(0, QByteArray(R"({"codec":"vp9","width":320,"height":240})"));
    EXPECT_EQ(session->PlayPort(), -1);
    EXPECT_FALSE(session->DrawPoint("p", "1|(10,10)"));
    EXPECT_FALSE(session->DeleteOverlay("p", false));
    EXPECT_TRUE(session->GetGeometryText("p").isEmpty());
}

TEST_F(SessionCallbacks, DrawingWaitsForTheFirstPictureAndStopKeepsTheFlag) {
    CAudioVideoPlay::OnDraw(0, nullptr, session.get());
    EXPECT_FALSE(session->FirstFrameDrawn()) << "a draw call while not playing counts for nothing";
    Bind();
    Header();
    ASSERT_GE(session->PlayPort(), 0);
    EXPECT_FALSE(session->FirstFrameDrawn());
    EXPECT_FALSE(session->HasPicture());
    EXPECT_FALSE(session->DrawRegion(0, 1, "4|(10,10),(100,10),(100,100),(10,100)", "r"))
        << "no picture drawn yet";
    ShowFrame();
    EXPECT_TRUE(session->FirstFrameDrawn());
    EXPECT_TRUE(session->HasPicture());
    ASSERT_TRUE(session->DrawRegion(0, 1, "4|(10,10),(100,10),(100,100),(10,100)", "r"));
    EXPECT_EQ(session->GetGeometryText("r"), "4|(10,10),(100,10),(100,100),(10,100)");
    EXPECT_GT(VEXOPLAY_GetOverlayItemCount(session->PlayPort()), 0);

    const int32_t port = session->PlayPort();
    EXPECT_TRUE(session->StopRealPlay());
    EXPECT_EQ(session->PlayPort(), -1);
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(port), -1) << "the port is closed";
    EXPECT_TRUE(session->FirstFrameDrawn()) << "stop does not reset the flag";
    EXPECT_FALSE(session->HasPicture());
    EXPECT_TRUE(session->GetGeometryText("r").isEmpty()) << "not playing";
}

}  // namespace
