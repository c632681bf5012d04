// Shape trackers driven by real mouse and key events on the video window.
#include <QTest>
#include <QTimer>

#include "video_window.h"

using namespace vexo;

namespace {

class Tracking : public VideoTest {
protected:
    // Presses at `at` and, from inside the tracker's loop, runs `then`. A
    // safety Escape ends a loop the test failed to end.
    void PressAndThen(QPoint at, std::function<void()> then) {
        QTimer::singleShot(0, &window, std::move(then));
        QTimer::singleShot(3000, &window, [this] { QTest::keyClick(&window, Qt::Key_Escape); });
        QTest::mousePress(&window, Qt::LeftButton, {}, at);
    }
    void Move(QPoint to) { QTest::mouseMove(&window, to); }
    void Release(QPoint at) { QTest::mouseRelease(&window, Qt::LeftButton, {}, at); }
    void EditableRegion() {
        ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(100,100),(300,100),(200,300)", "r"));
        renderer.DeleteOverlay("r", true);
    }
};

}  // namespace

TEST_F(Tracking, DraggingAPointHandleMovesItAndItsOutline) {
    EditableRegion();
    const int32_t outline = renderer.Items("r")->front().id;
    PressAndThen({105, 103}, [&] {
        Move({150, 150});
        Move({160, 170});
        Release({160, 170});
    });
    // The grab offset (5,3) is kept: the handle lands at (155,167).
    EXPECT_EQ(renderer.Polygon("r")->points[0], (GeoPoint{155, 167}));
    EXPECT_EQ(renderer.Polygon("r")->points[7], (GeoPoint{155, 167}));
    EXPECT_EQ(renderer.GetGeometryText("r"), QStringLiteral("3|(155,167),(300,100),(200,300)"));
    EXPECT_EQ(renderer.Items("r")->front().id, outline);
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(port), 10) << "tracking only edits items";
}

TEST_F(Tracking, PressOutsideEveryShapeCreatesNoTracker) {
    EditableRegion();
    QTest::mousePress(&window, Qt::LeftButton, {}, {600, 500});
    // Not tracking: these moves reach the window, not a tracker.
    Move({100, 100});
    Release({100, 100});
    EXPECT_EQ(renderer.GetGeometryText("r"), QStringLiteral("3|(100,100),(300,100),(200,300)"));
}

TEST_F(Tracking, RegionStaysWhenOnePointWouldLeaveTheVideo) {
    EditableRegion();
    PressAndThen({200, 150}, [&] {
        Move({210, 150});  // fine: shifts by +10
        Move({650, 150});  // point 1 would reach x = 750
        Release({650, 150});
    });
    EXPECT_EQ(renderer.GetGeometryText("r"), QStringLiteral("3|(110,100),(310,100),(210,300)"));
}

TEST_F(Tracking, EscapeEndsTrackingAndKeepsTheMoves) {
    EditableRegion();
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
}

TEST_F(Tracking, RightButtonEndsTracking) {
    EditableRegion();
    PressAndThen({300, 100}, [&] {
        Move({320, 90});
        QTest::mousePress(&window, Qt::RightButton, {}, {320, 90});
        Move({400, 90});
    });
    EXPECT_EQ(renderer.Polygon("r")->points[1], (GeoPoint{320, 90}));
    QTest::mouseRelease(&window, Qt::RightButton, {}, {400, 90});
    Release({400, 90});
}

TEST_F(Tracking, PointTrackerAcceptsAnyPosition) {
    ASSERT_TRUE(renderer.DrawPoint(port, "p", "1|(10,10)"));
    // A point tracker takes every press; the offset carries the point out of
    // the video rectangle.
    PressAndThen({600, 500}, [&] {
        Move({100, 100});
        Release({100, 100});
    });
    EXPECT_EQ(renderer.GetGeometryText("p"), QStringLiteral("1|(-490,-390)"));
}

TEST_F(Tracking, WireEndDragRecomputesArrows) {
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(100,100),(300,100)", "w"));
    renderer.DeleteOverlay("w", true);
    PressAndThen({300, 100}, [&] {
        Move({500, 100});
        Release({500, 100});
    });
    const LineRecord& line = *renderer.Line("w");
    EXPECT_EQ(line.end, (GeoPoint{500, 100}));
    EXPECT_EQ(line.arrowA[0], (GeoPoint{150, 100})) << "d = 400 / 8";
}

TEST_F(Tracking, ClickDrawingNotifiesTheWindow) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 4, "clear", "zone"));
    for (QPoint p : {QPoint(50, 50), QPoint(400, 60), QPoint(300, 400)}) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, p);
    }
    QTest::mouseClick(&window, Qt::LeftButton, {}, {54, 47});  // on the start point: closes
    QApplication::processEvents();
    EXPECT_EQ(window.drawingEnded, 1);
    EXPECT_EQ(window.endedKey, QStringLiteral("zone"));
    EXPECT_EQ(window.endedCount, 3);
    EXPECT_EQ(renderer.GetGeometryText("zone"), QStringLiteral("3|(50,50),(400,60),(300,400)"));
}
