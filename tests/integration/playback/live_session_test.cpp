// The session against the simulator: the device's stream reaches the
// window, the selector picks the stream, a start while playing replaces the
// stream, and a device that dies in mid-stream leaves a session that stops
// cleanly and starts again once it is back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "audio_video_play.h"
#include "sim_process.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

using vexo::test::SimProcess;

class LiveSession : public ::testing::Test {
protected:
    void SetUp() override {
        VEXONET_Init();
        VEXOPLAY_Init();
        ASSERT_TRUE(sim_.Start());
        ASSERT_TRUE(session_->Login(QString::fromStdString(sim_.Address()), SimProcess::kUser,
                                    SimProcess::kPassword));
        window_.resize(704, 576);
        window_.show();
    }
    void TearDown() override {
        session_.reset();
        VEXOPLAY_Cleanup();
        VEXONET_Cleanup();
    }
    // Runs the UI thread until the first picture is drawn.
    bool WaitForPicture(int timeoutMs = 15000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            if (session_->IsPlaying() && session_->HasPicture() && session_->FirstFrameDrawn()) {
                return true;
            }
        }
        return false;
    }
    VexoplayMediaInfo Info() const {
        VexoplayMediaInfo info{};
        VEXOPLAY_GetMediaInfo(session_->PlayPort(), &info);
        return info;
    }

    SimProcess sim_;
    QWidget window_;
    std::unique_ptr<CAudioVideoPlay> session_ = std::make_unique<CAudioVideoPlay>();
};

TEST_F(LiveSession, SubStreamReachesTheWindowAndStopsCleanly) {
    ASSERT_TRUE(session_->StartRealPlay(0, &window_, QRect(0, 0, 704, 576)));
    EXPECT_GE(session_->RealDataHandle(), 0);
    ASSERT_TRUE(WaitForPicture());
    EXPECT_EQ(Info().width, 704) << "selector 0 asks for stream code 5";
    EXPECT_EQ(Info().height, 576);
    EXPECT_TRUE(session_->DrawPoint("p", "1|(100,100)"));

    EXPECT_TRUE(session_->StopRealPlay());
    EXPECT_EQ(session_->RealDataHandle(), -1);
    EXPECT_FALSE(session_->IsPlaying());
}

TEST_F(LiveSession, StartWhilePlayingStopsTheOldStreamFirst) {
    ASSERT_TRUE(session_->StartRealPlay(0, &window_, QRect(0, 0, 704, 576)));
    ASSERT_TRUE(WaitForPicture());
    const int32_t oldPort = session_->PlayPort();
    // Selector 1 asks for the main stream.
    ASSERT_TRUE(session_->StartRealPlay(1, &window_, QRect(0, 0, 704, 576)));
    // The network library may hand the freed handle out again, so the old
    // stream shows through its port, which is never reused.
    EXPECT_EQ(VEXONET_GetRealDataState(session_->RealDataHandle()), 1);
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(oldPort), -1) << "the old port is closed";
    ASSERT_TRUE(WaitForPicture());
    EXPECT_EQ(Info().width, 1280);
}

TEST_F(LiveSession, DeviceKilledInMidStreamStopsCleanlyAndStartsAgainWhenBack) {
    ASSERT_TRUE(session_->StartRealPlay(0, &window_, QRect(0, 0, 704, 576)));
    ASSERT_TRUE(WaitForPicture());
    const int32_t handle = session_->RealDataHandle();
    const uint32_t framesBefore = Info().framesDecoded;

    sim_.Kill();
    // The stream ends by itself; the session still holds its handles and
    // the window keeps the last picture.
    QElapsedTimer timer;
    timer.start();
    while (VEXONET_GetRealDataState(handle) == 1 && timer.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_EQ(VEXONET_GetRealDataState(handle), 0) << "the stream noticed the device is gone";
    EXPECT_TRUE(session_->IsPlaying());
    EXPECT_TRUE(session_->HasPicture()) << "the last picture stays";
    EXPECT_GE(Info().framesDecoded, framesBefore);

    EXPECT_TRUE(session_->StopRealPlay());
    EXPECT_EQ(session_->RealDataHandle(), -1);
    EXPECT_FALSE(session_->IsPlaying());

    // Nobody listens: the start fails with the network library's reason and
    // leaves the session stopped.
    EXPECT_FALSE(session_->StartRealPlay(0, &window_, QRect(0, 0, 704, 576)));
    EXPECT_EQ(session_->LastStartError(), VEXONET_ERR_CONNECT);
    EXPECT_EQ(session_->RealDataHandle(), -1);
    EXPECT_FALSE(session_->IsPlaying());

    // Back on the same port (a new process that forgot the session): the same
    // login plays again.
    ASSERT_TRUE(sim_.Restart());
    ASSERT_TRUE(session_->StartRealPlay(0, &window_, QRect(0, 0, 704, 576)))
        << session_->LastStartError();
    EXPECT_TRUE(WaitForPicture());
    EXPECT_TRUE(session_->StopRealPlay());
}

}  // namespace
