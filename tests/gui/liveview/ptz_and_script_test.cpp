// The PTZ strip moves the dome while a button is held, a refusal is told,
// and a scripted run writes the window after its PTZ move.
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "live_view_fixture.h"
#include "ptz_strip.h"
#include "screenshot_script.h"

using namespace liveview;
using namespace liveview::test;

namespace {

constexpr int kRight = 9;

class PtzTest : public LiveViewTest {
protected:
    // A second operator on the same device, to watch the head.
    void LoginObserver() {
        ASSERT_TRUE(
            observer.ParamInit(&observerSession, options.device, options.user, options.password));
    }
    float Pan() {
        PtzPosition position;
        EXPECT_TRUE(observer.GetPTZPosition(position));
        return position.pan;
    }
    // Runs the window as a scripted run does and returns the picture file.
    QString RunScripted(const char* name) {
        options.screenshotFile =
            QString::fromStdString(vexo::test::MakeTempFolder("liveview-shot")) + "/" + name;
        window = std::make_unique<LiveViewWindow>(options);
        ScreenshotScript script(*window, options);
        window->show();
        QTimer::singleShot(0, window.get(), &LiveViewWindow::Start);
        EXPECT_EQ(QApplication::exec(), 0);
        return options.screenshotFile;
    }
    CAudioVideoPlay observerSession;
    DeviceCommandChannel observer;
};

}  // namespace

TEST_F(PtzTest, HoldingAButtonMovesTheDomeUntilReleasedAndARefusalIsTold) {
    OpenLiveWindow();
    LoginObserver();
    const float start = Pan();
    QPushButton* right = window->Ptz()->ButtonFor(kRight);
    ASSERT_NE(right, nullptr);
    QTest::mousePress(right, Qt::LeftButton);
    RunFor(500);
    const float held = Pan();
    EXPECT_GT(held, start + 0.01f) << "moving right while held";
    QTest::mouseRelease(right, Qt::LeftButton);
    const float released = Pan();
    RunFor(500);
    const float stopped = Pan();
    EXPECT_NEAR(stopped, released, 1e-3) << "stopped on release";
    EXPECT_FALSE(window->StatusText().contains(QStringLiteral("PTZ")));

    // Another operator holds the head.
    ASSERT_TRUE(observer.PTZLock(QStringLiteral("60000")));
    QTest::mousePress(right, Qt::LeftButton);
    QTest::mouseRelease(right, Qt::LeftButton);
    EXPECT_TRUE(window->StatusText().startsWith(QStringLiteral("The dome did not take")))
        << window->StatusText().toStdString();
    EXPECT_FLOAT_EQ(Pan(), stopped);
}

TEST_F(PtzTest, AScriptedRunWritesTheWindowAfterItsPtzMove) {
    options.afterMs = 200;
    options.ptz = PtzMove{kRight, 400};
    const QImage shot(RunScripted("after.png"));
    ASSERT_FALSE(shot.isNull()) << "the PNG was written";
    EXPECT_EQ(shot.size(), window->size() * window->devicePixelRatio());
    EXPECT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::Live);
    LoginObserver();
    EXPECT_GT(Pan(), 0.01f) << "the move ran before the shot";
    const float after = Pan();
    RunFor(300);
    EXPECT_NEAR(Pan(), after, 1e-3) << "and was stopped";
}

TEST_F(PtzTest, AScriptedRunAgainstAMissingDeviceStillWritesItsMessage) {
    sim.Stop();
    options.afterMs = 0;
    EXPECT_FALSE(QImage(RunScripted("failed.png")).isNull());
    EXPECT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::LoginFailed);
}
