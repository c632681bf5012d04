// The window against the simulator: the device's shapes land on the overlay
// over the picture, the video window takes the picture's proportions, the
// mouse on the video edits the shapes, and failures end in a message.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTest>
#include <QTimer>

#include <QRadioButton>

#include "device_command_channel.h"
#include "edit_target_bar.h"
#include "live_view_fixture.h"
#include "ptz_strip.h"
#include "video_frame.h"

using namespace liveview;
using namespace liveview::test;

namespace {

// Device space to the pixels of a w x h window, as the factory shapes are
// placed: x from -1 (left) to 1, y from 1 (top) to -1. The shapes hold
// their coordinates as floats, so -0.6 is a hair above it, and at some
// window sizes that decides which pixel the truncation gives.
vexo::GeoPoint Pixel(double fx, double fy, QSize size) {
    const double x = static_cast<float>(fx);
    const double y = static_cast<float>(fy);
    return {static_cast<int32_t>((x + 1.0) * size.width() / 2.0),
            static_cast<int32_t>((1.0 - y) * size.height() / 2.0)};
}

class WindowTest : public LiveViewTest {
protected:
    VideoSurface* Surface() const { return window->Frame()->Surface(); }
    vexo::CShowAIConfig& Overlay() { return window->Session().Overlay(); }
    // Presses on the video and, from inside the shape tracker's loop,
    // drags to `to` and releases. Escape ends a loop the test failed to end.
    void Drag(QPoint from, QPoint to) {
        QTimer::singleShot(0, Surface(), [this, to] {
            QTest::mouseMove(Surface(), to);
            QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
        });
        QTimer::singleShot(3000, Surface(), [this] { QTest::keyClick(Surface(), Qt::Key_Escape); });
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        // A press that started no tracker returns at once: the move and the
        // release then reach the bare video window.
        RunFor(50);
    }
    static void ExpectProportions(QSize video, QSize picture) {
        // Within the rounding of one side.
        EXPECT_NEAR(double(video.width()) / video.height(),
                    double(picture.width()) / picture.height(), 1.0 / video.height() * 2);
    }
};

}  // namespace

TEST_F(WindowTest, FactoryShapesLandWhereTheDevicePutsThemAndStayThereOnResize) {
    OpenLiveWindow();
    const QSize video = Surface()->size();
    ExpectProportions(video, {1280, 720});
    EXPECT_LT(video.height(), window->Frame()->height()) << "black bars above and below";
    EXPECT_EQ(window->Session().VideoRect(), QRect(QPoint(), video));

    // The default scene's intrusion region (-0.6..0.6 square), its wire
    // (-0.5,0)-(0.5,0) and the calibration point (0,-0.5).
    const vexo::PolygonRecord* region = Overlay().Polygon("region");
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(region->count, 4);
    EXPECT_EQ(region->points[0], Pixel(-0.6, 0.6, video));
    EXPECT_EQ(region->points[2], Pixel(0.6, -0.6, video));
    const vexo::LineRecord* wire = Overlay().Line("wire");
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(wire->start, Pixel(-0.5, 0.0, video));
    EXPECT_EQ(wire->end, Pixel(0.5, 0.0, video));
    EXPECT_EQ(wire->editable, 0) << "only the edit target, the region, can be dragged";
    EXPECT_EQ(region->editable, 1);
    EXPECT_EQ(wire->arrowBVisible, 1) << "A to B: the arrow near the end";
    EXPECT_EQ(wire->arrowAVisible, 0);
    EXPECT_EQ(window->ShapesOnOverlay().Pixels().point, Pixel(0.0, -0.5, video));
    EXPECT_EQ(Overlay().Point("point"), nullptr)
        << "while the region is edited the point is drawn in a read-only form";
    ASSERT_NE(Overlay().Items("point"), nullptr);
    EXPECT_FALSE(Overlay().Items("point")->empty());
    EXPECT_GT(VEXOPLAY_GetOverlayItemCount(window->Session().PlayPort()), 0);
    EXPECT_TRUE(window->StatusText().contains("the device's rules"))
        << window->StatusText().toStdString();

    // A resized window keeps every shape on the same spot of the picture.
    const vexo::GeoPoint corner = region->points[0];
    const vexo::GeoPoint spot = window->ShapesOnOverlay().Pixels().point;
    window->resize(620, 700);
    ASSERT_TRUE(RunUntil([&] { return Surface()->size() != video; }, 5000));
    RunFor(100);
    const QSize after = Surface()->size();
    ExpectProportions(after, {1280, 720});
    EXPECT_EQ(window->Session().VideoRect(), QRect(QPoint(), after));
    // The same spot as a share of the picture's width and height, before and after.
    auto expectSameSpot = [&](vexo::GeoPoint now, vexo::GeoPoint was, const char* what) {
        EXPECT_NEAR(double(now.x) / after.width(), double(was.x) / video.width(), 0.01) << what;
        EXPECT_NEAR(double(now.y) / after.height(), double(was.y) / video.height(), 0.01) << what;
    };
    window->ShapesOnOverlay().Capture();
    expectSameSpot(Overlay().Polygon("region")->points[0], corner, "the region's corner");
    expectSameSpot(window->ShapesOnOverlay().Pixels().point, spot, "the point moves too");
}

TEST_F(WindowTest, DraggingOnTheVideoEditsTheChosenShapeOnly) {
    OpenLiveWindow();
    ASSERT_TRUE(window->EditBar()->ButtonFor(EditTarget::Region)->isChecked());
    const vexo::GeoPoint corner = Overlay().Polygon("region")->points[0];
    const vexo::GeoPoint spot = window->ShapesOnOverlay().Pixels().point;
    Drag({corner.x, corner.y}, {corner.x + 30, corner.y + 20});
    const vexo::GeoPoint moved{corner.x + 30, corner.y + 20};
    EXPECT_EQ(Overlay().Polygon("region")->points[0], moved);

    // A drag beside the region reaches no shape: the point stays.
    Drag({5, Surface()->height() - 5}, {60, Surface()->height() - 40});
    window->ShapesOnOverlay().Capture();
    EXPECT_EQ(window->ShapesOnOverlay().Pixels().point, spot);

    // The wire's end lies inside the region: only once the wire is the
    // edit target does a press there grab the wire instead of the region.
    QTest::mouseClick(window->EditBar()->ButtonFor(EditTarget::Wire), Qt::LeftButton);
    ASSERT_EQ(window->ShapesOnOverlay().Target(), EditTarget::Wire);
    const vexo::LineRecord* wire = Overlay().Line("wire");
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(wire->editable, 1);
    EXPECT_EQ(Overlay().Polygon("region")->editable, 0);
    EXPECT_EQ(Overlay().Polygon("region")->points[0], moved)
        << "the region keeps its edit when it stops being the target";
    const vexo::GeoPoint end = wire->end;
    Drag({end.x, end.y}, {end.x - 40, end.y + 25});
    EXPECT_EQ(Overlay().Line("wire")->end, (vexo::GeoPoint{end.x - 40, end.y + 25}));
    EXPECT_EQ(Overlay().Polygon("region")->points[0], moved);

    // And the point follows a drag once it is the target.
    QTest::mouseClick(window->EditBar()->ButtonFor(EditTarget::Point), Qt::LeftButton);
    EXPECT_EQ(Overlay().Line("wire")->editable, 0);
    EXPECT_EQ(Overlay().Line("wire")->end, (vexo::GeoPoint{end.x - 40, end.y + 25}))
        << "the wire keeps its edit";
    EXPECT_EQ(Overlay().Line("wire")->arrowBVisible, 1) << "and its arrow";
    Drag({spot.x, spot.y}, {spot.x + 15, spot.y - 10});
    EXPECT_EQ(Overlay().Point("point")->point, (vexo::GeoPoint{spot.x + 15, spot.y - 10}));
}

TEST_F(WindowTest, ARefusedLoginIsToldAndNothingPlays) {
    options.password = "not-the-password";
    OpenWindow();
    EXPECT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::LoginFailed);
    EXPECT_EQ(gaveUp, 1);
    EXPECT_EQ(liveReady, 0);
    EXPECT_TRUE(window->StatusText().contains("refused the user name or password"))
        << window->StatusText().toStdString();
    EXPECT_FALSE(window->Session().IsPlaying());
    EXPECT_FALSE(window->Ptz()->isEnabled());
}

// A device that takes the connection and never answers: the login waits
// for the exchange time-out on a thread of its own, and the window keeps
// running its timers (and painting) all the while.
TEST_F(WindowTest, ASilentDeviceDoesNotFreezeTheWindow) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(listen(listener, 8), 0);  // connections wait in the backlog, unanswered
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    options.device = QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port));
    VEXONET_SetTimeouts(1000, 1500);

    window = std::make_unique<LiveViewWindow>(options);
    QObject::connect(window.get(), &LiveViewWindow::GaveUp, [this] { ++gaveUp; });
    window->show();
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    window->Start();
    EXPECT_EQ(gaveUp, 0) << "Start does not wait for the device";
    EXPECT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::Idle);
    ASSERT_TRUE(RunUntil([this] { return gaveUp > 0; }, 10000));
    close(listener);
    EXPECT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::LoginFailed);
    // The reason is the login thread's own error, not the window thread's.
    EXPECT_TRUE(window->StatusText().contains("did not answer in time"))
        << window->StatusText().toStdString();
    // 1.5 s of waiting at one tick per 50 ms: far more than a handful.
    EXPECT_GE(ticks, 10) << "the window's own timers ran during the login";
}

// Closing the window while its login is under way ends cleanly: the
// result that comes later is dropped with the window.
TEST_F(WindowTest, ClosingDuringTheLoginEndsCleanly) {
    int reports = 0;
    for (int i = 0; i < 3; ++i) {
        auto early = std::make_unique<LiveViewWindow>(options);
        QObject::connect(early.get(), &LiveViewWindow::LiveReady, [&] { ++reports; });
        QObject::connect(early.get(), &LiveViewWindow::GaveUp, [&] { ++reports; });
        early->show();
        early->Start();
        early.reset();
    }
    RunFor(300);
    EXPECT_EQ(reports, 0) << "no result reached a closed window";
    // The device is none the worse: a window opened now goes live.
    OpenLiveWindow();
}

TEST_F(WindowTest, ADeviceThatGoesAwayIsToldAndThePtzStripStops) {
    OpenLiveWindow();
    EXPECT_TRUE(window->Ptz()->isEnabled());
    sim.Kill();
    ASSERT_TRUE(RunUntil(
        [&] { return window->CurrentPhase() == LiveViewWindow::Phase::StreamEnded; }, 10000));
    EXPECT_TRUE(window->StatusText().startsWith("The live video stopped"))
        << window->StatusText().toStdString();
    EXPECT_FALSE(window->Session().IsPlaying());
    EXPECT_FALSE(window->Ptz()->isEnabled());
    EXPECT_EQ(gaveUp, 1);
}
