// Presses on a video window with the renderer attached: which shape a press
// reaches when every shape of a rule is editable, and the tracker's loop
// driven by real mouse and key events.
#include <QTest>
#include <QTimer>

#include "audio_video_play.h"
#include "video_window.h"

using namespace vexo;

namespace {

class Tracking : public VideoTest {
protected:
    // Presses at `at` and, from inside the tracker's loop, runs `then`. A
    // safety Escape ends a loop the test failed to end.
    void PressAndThen(QWidget& target, QPoint at, std::function<void()> then) {
        QTimer::singleShot(0, &target, std::move(then));
        QTimer::singleShot(3000, &target, [&target] { QTest::keyClick(&target, Qt::Key_Escape); });
        QTest::mousePress(&target, Qt::LeftButton, {}, at);
        // A press that started no tracker returns at once: `then` runs now,
        // on the bare window, not inside the next press's loop.
        QApplication::processEvents();
    }
    void PressAndThen(QPoint at, std::function<void()> then) {
        PressAndThen(window, at, std::move(then));
    }
    // A drag from `from` to `to`, released there.
    void Drag(QPoint from, QPoint to) {
        PressAndThen(from, [this, to] {
            QTest::mouseMove(&window, to);
            QTest::mouseRelease(&window, Qt::LeftButton, {}, to);
        });
    }
    void Move(QPoint to) { QTest::mouseMove(&window, to); }
    void Release(QPoint at) { QTest::mouseRelease(&window, Qt::LeftButton, {}, at); }
    void Editable(const QString& key) { renderer.DeleteOverlay(key, true); }
};

}  // namespace

TEST_F(Tracking, EscapeAndTheRightButtonEndTrackingKeepingTheMoves) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(100,100),(300,100),(200,300)", "r"));
    PressAndThen({100, 100}, [&] {
        Move({120, 130});
        QTest::keyClick(&window, Qt::Key_A);  // other keys are ignored
        Move({130, 140});
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(renderer.Polygon("r")->points[0], (GeoPoint{130, 140}));
    Move({50, 50});  // tracking is over: no effect
    Release({50, 50});
    EXPECT_EQ(renderer.Polygon("r")->points[0], (GeoPoint{130, 140}));

    PressAndThen({300, 100}, [&] {
        Move({320, 90});
        QTest::mousePress(&window, Qt::RightButton, {}, {320, 90});
        Move({400, 90});
    });
    EXPECT_EQ(renderer.Polygon("r")->points[1], (GeoPoint{320, 90}));
    QTest::mouseRelease(&window, Qt::RightButton, {}, {400, 90});
    Release({400, 90});
}

// A rule's shapes all editable at once, as the pages draw them: a region, a
// wire whose end lies inside the region, a wire with arrows, a point; and
// another rule's region drawn without editing (eight points).
TEST_F(Tracking, APressReachesTheShapeUnderTheCursor) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(100,100),(400,100),(250,400)", "a-region"));
    // d = s = 50: arrow A is (50+x, 450), (100+x, 450), (75+x, 493) with x = 0.
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(0,450),(250,200)", "b-wire"));
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(0,450),(400,450)", "c-arrows"));
    ASSERT_TRUE(renderer.DrawPoint(port, "d-point", "1|(600,100)"));
    ASSERT_TRUE(renderer.DrawRegion(
        port, 0, 1,
        "8|(450,450),(500,450),(550,450),(550,500),(550,550),(500,550),(450,550),(450,500)",
        "e-other-rule"));
    Editable("b-wire");
    Editable("c-arrows");

    // The wire's end handle lies inside the region: the handle wins.
    Drag({252, 203}, {262, 183});
    EXPECT_EQ(renderer.Line("b-wire")->end, (GeoPoint{260, 180}));
    EXPECT_EQ(renderer.GetGeometryText("a-region"), "3|(100,100),(400,100),(250,400)");
    // Inside the region, away from every handle and wire: the region moves.
    Drag({300, 150}, {310, 160});
    EXPECT_EQ(renderer.GetGeometryText("a-region"), "3|(110,110),(410,110),(260,410)");
    EXPECT_EQ(renderer.Point("d-point")->point, (GeoPoint{600, 100}));

    // On an arrow, 30 pixels off its wire: the arrow turns, nothing moves.
    Drag({75, 480}, {75, 480});
    EXPECT_EQ(renderer.Line("c-arrows")->direction, 2) << "only arrow B left";
    EXPECT_EQ(renderer.Point("d-point")->point, (GeoPoint{600, 100}));

    // A point takes presses on its handle square (-10..+9) only.
    Drag({610, 100}, {650, 150});
    EXPECT_EQ(renderer.Point("d-point")->point, (GeoPoint{600, 100}));
    Drag({609, 91}, {649, 141});
    EXPECT_EQ(renderer.Point("d-point")->point, (GeoPoint{640, 150}));

    // On a shape nobody edits: it is selected.
    QTest::mouseClick(&window, Qt::LeftButton, {}, {500, 500});
    EXPECT_EQ(renderer.Polygon("e-other-rule")->selected, 1);
}

// Presses that start no tracker: arrows follow the click digits (1 = only
// arrow A, 2 = only arrow B; the parser reads them the other way round), a
// directed wire shows one arrow at a time, and of nested regions drawn
// without editing the one whose centre is nearest is selected.
TEST_F(Tracking, ClicksOffEveryHandleTurnArrowsOrSelect) {
    // d = s = 50: arrow A is (50,100),(100,100),(75,143), B is
    // (350,100),(300,100),(325,57); the presses lie 30 pixels off the wire.
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(0,100),(400,100)", "w"));
    ASSERT_TRUE(renderer.DrawLine(port, 1, 3, "1|(0,300),(400,300)", "d"));
    Editable("w");
    Editable("d");
    auto click = [this](QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); };
    click({75, 130});  // hide A: only B
    EXPECT_EQ(renderer.Line("w")->arrowAVisible, 0);
    EXPECT_EQ(renderer.Line("w")->direction, 2);
    click({75, 130});  // show A again: both
    EXPECT_EQ(renderer.Line("w")->direction, 0);
    click({325, 70});  // hide B: only A
    EXPECT_EQ(renderer.Line("w")->direction, 1);
    click({75, 330});  // the directed wire shows A and so hides B
    EXPECT_EQ(renderer.Line("d")->arrowAVisible, 1);
    EXPECT_EQ(renderer.Line("d")->arrowBVisible, 0);
    EXPECT_EQ(renderer.Line("d")->direction, 1);

    ASSERT_TRUE(renderer.DrawRegion(
        port, 0, 1,
        "8|(450,350),(550,350),(650,350),(650,450),(650,550),(550,550),(450,550),(450,450)",
        "a-outer"));
    ASSERT_TRUE(renderer.DrawRegion(
        port, 0, 1,
        "8|(560,460),(600,460),(640,460),(640,500),(640,540),(600,540),(560,540),(560,500)",
        "b-inner"));
    click({610, 505});
    EXPECT_EQ(renderer.Polygon("b-inner")->selected, 1);
    EXPECT_EQ(renderer.Polygon("a-outer")->selected, 0);
    click({690, 20});
    EXPECT_EQ(renderer.Polygon("b-inner")->selected, 0) << "a click on nothing deselects";
}

// A short wire's arrows lie within its line's handle distance: a press on
// one turns the arrow, it does not take the whole line.
TEST_F(Tracking, APressOnAnArrowCloseToItsWireTurnsIt) {
    // d = s = 30: arrow A is (130,100),(160,100),(145,125); the press lies
    // 9 pixels off the wire.
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(100,100),(340,100)", "w"));
    Editable("w");
    PressAndThen({145, 109}, [&] { Release({145, 109}); });
    EXPECT_EQ(renderer.Line("w")->arrowAVisible, 0);
    EXPECT_EQ(renderer.Line("w")->direction, 2);
    EXPECT_EQ(renderer.Line("w")->start, (GeoPoint{100, 100}));
}

TEST_F(Tracking, ClickDrawingNotifiesTheWindow) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 4, "clear", "zone"));
    for (QPoint p : {QPoint(50, 50), QPoint(400, 60), QPoint(300, 400)}) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, p);
    }
    QTest::mouseClick(&window, Qt::LeftButton, {}, {54, 47});  // on the start point: closes
    QApplication::processEvents();
    EXPECT_EQ(window.drawingEnded, 1);
    EXPECT_EQ(window.endedKey, "zone");
    EXPECT_EQ(window.endedCount, 3);
    EXPECT_EQ(renderer.GetGeometryText("zone"), "3|(50,50),(400,60),(300,400)");
}

namespace {

// A video window as the pane drives the session: mouse input in window
// pixels, the picture in a rectangle that does not start at the corner.
class SessionWindow : public QWidget {
public:
    explicit SessionWindow(CAudioVideoPlay& session) : session_(session) { setFixedSize(720, 560); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        session_.OnButtonDown(0, e->position().toPoint().x(), e->position().toPoint().y());
    }

private:
    CAudioVideoPlay& session_;
};

}  // namespace

TEST_F(Tracking, ADragFollowsTheMouseWhenTheVideoSitsAtAnOffset) {
    CAudioVideoPlay session;
    SessionWindow frame(session);
    frame.show();
    const QRect video(40, 30, 640, 480);
    EXPECT_FALSE(session.StartRealPlay(1, &frame, video)) << "not logged in: binds only";
    const QByteArray header = R"({"codec":"h264","width":640,"height":480})";
    CAudioVideoPlay::OnRealData(1, 0, reinterpret_cast<const uint8_t*>(header.data()),
                                static_cast<int32_t>(header.size()), 0, &session);
    ASSERT_GE(session.PlayPort(), 0);
    ASSERT_TRUE(session.Overlay().DrawRegion(session.PlayPort(), 0, 1,
                                             "3|(100,100),(300,100),(200,300)", "r"));
    // Window (145,133) is video (105,103): 5,3 from point 0.
    PressAndThen(frame, {145, 133}, [&] {
        QTest::mouseMove(&frame, {185, 163});
        QTest::mouseMove(&frame, {195, 183});
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, {195, 183});
    });
    EXPECT_EQ(session.GetGeometryText("r"), "3|(150,150),(300,100),(200,300)")
        << "the handle moved by the mouse's own distance";
    // The bounds are the video rectangle: window (675,100) is video x 635,
    // inside; window (690,100) is beyond its right edge and refused.
    PressAndThen(frame, {340, 130}, [&] {
        QTest::mouseMove(&frame, {675, 100});
        QTest::mouseMove(&frame, {690, 100});
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, {690, 100});
    });
    EXPECT_EQ(session.Overlay().Polygon("r")->points[1], (GeoPoint{635, 70}));
    session.StopRealPlay();
}
