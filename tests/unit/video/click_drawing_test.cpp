// Which presses, moves and releases make which shape when a drawing tool
// draws on the video.
#include <gtest/gtest.h>

#include "click_drawing.h"

using namespace vexo;

namespace {

using Step = ClickDrawing::Step;
using Points = std::vector<GeoPoint>;

// Presses a polygon's corners; returns the step of the last press.
Step PressAll(ClickDrawing& drawing, const Points& corners) {
    Step step = Step::Ignored;
    for (const GeoPoint& p : corners) {
        step = drawing.Press(p);
        drawing.Release(p);
    }
    return step;
}

const Points kFive = {{100, 100}, {300, 90}, {350, 250}, {200, 320}, {80, 240}};

}  // namespace

// The start point's 18-pixel square is -9..+8 around it: a press there
// closes the polygon once it has three corners, a press just outside adds a
// corner; before three corners the square adds one too, and nothing closes.
TEST(ClickDrawingPolygon, APressOnTheStartPointClosesFromThreeCorners) {
    ClickDrawing drawing(DrawGesture::Polygon);
    EXPECT_EQ(PressAll(drawing, kFive), Step::Changed);
    EXPECT_EQ(drawing.Press({109, 109}), Step::Changed) << "outside the square";
    EXPECT_EQ(drawing.Points().size(), 6u);
    EXPECT_EQ(drawing.Press({92, 108}), Step::Finished);
    EXPECT_TRUE(drawing.Finished());
    EXPECT_EQ(drawing.Points().size(), 6u) << "the closing press adds no corner";
    EXPECT_EQ(drawing.Press({500, 500}), Step::Ignored);

    ClickDrawing early(DrawGesture::Polygon);
    PressAll(early, {{100, 100}, {300, 90}});
    EXPECT_FALSE(early.Close()) << "two corners close nothing";
    EXPECT_EQ(early.Press({101, 101}), Step::Changed);
    EXPECT_EQ(early.Points().size(), 3u);
    EXPECT_TRUE(early.Close());
    EXPECT_EQ(early.Points().size(), 3u);
}

TEST(ClickDrawingPolygon, TheEighthCornerClosesAndARepeatedPressAddsNone) {
    ClickDrawing drawing(DrawGesture::Polygon);
    Points corners;
    for (int i = 0; i < 7; ++i) {
        corners.push_back({50 + 60 * i, 100 + (i % 2) * 150});
    }
    EXPECT_EQ(PressAll(drawing, corners), Step::Changed);
    EXPECT_EQ(drawing.Press(corners.back()), Step::Ignored) << "the same pixel again";
    EXPECT_EQ(drawing.Press({500, 400}), Step::Finished);
    EXPECT_EQ(drawing.Points().size(), 8u);
    EXPECT_EQ(drawing.Points().back(), (GeoPoint{500, 400}));
}

// A double click's first press adds its corner; the double click closes a
// polygon of three corners or more and is a plain press before that.
TEST(ClickDrawingPolygon, ADoubleClickClosesFromThreeCorners) {
    ClickDrawing drawing(DrawGesture::Polygon);
    PressAll(drawing, {{10, 10}, {200, 10}});
    EXPECT_EQ(drawing.DoubleClick({200, 200}), Step::Changed);
    EXPECT_EQ(drawing.Points().size(), 3u);
    drawing.Press({10, 200});
    EXPECT_EQ(drawing.DoubleClick({10, 200}), Step::Finished);
    EXPECT_EQ(drawing.Points(), (Points{{10, 10}, {200, 10}, {200, 200}, {10, 200}}));
}

// The outline ends at the cursor, on the start point when the cursor is in
// its square and a press there would close the shape.
TEST(ClickDrawingPolygon, TheCursorSnapsToTheStartWhereAPressWouldClose) {
    ClickDrawing drawing(DrawGesture::Polygon);
    EXPECT_EQ(drawing.Move({5, 5}), Step::Ignored) << "nothing drawn yet";
    PressAll(drawing, {{100, 100}, {300, 100}});
    EXPECT_EQ(drawing.Move({104, 104}), Step::Changed);
    EXPECT_EQ(drawing.Cursor(), (GeoPoint{104, 104}));
    drawing.Press({300, 300});
    drawing.Move({104, 104});
    EXPECT_EQ(drawing.Cursor(), (GeoPoint{100, 100}));
    drawing.Move({120, 104});
    EXPECT_EQ(drawing.Cursor(), (GeoPoint{120, 104}));
}

// Whichever way the drag goes, corner 0 is the top-left, 2 the bottom-right.
TEST(ClickDrawingRectangle, PressDragReleaseInAnyDirection) {
    ClickDrawing drawing(DrawGesture::Rectangle);
    EXPECT_EQ(drawing.Move({50, 50}), Step::Ignored) << "no press yet";
    EXPECT_EQ(drawing.Press({300, 200}), Step::Changed);
    EXPECT_EQ(drawing.Move({150, 120}), Step::Changed);
    EXPECT_EQ(drawing.Points()[2], (GeoPoint{300, 200}));
    EXPECT_EQ(drawing.Release({100, 80}), Step::Finished);
    EXPECT_EQ(drawing.Points(), (Points{{100, 80}, {100, 200}, {300, 200}, {300, 80}}));
}

TEST(ClickDrawingRectangle, AClickOrAFlatDragDrawsNothing) {
    ClickDrawing drawing(DrawGesture::Rectangle);
    drawing.Press({100, 100});
    EXPECT_EQ(drawing.Release({100, 100}), Step::Changed);
    EXPECT_FALSE(drawing.Started());
    drawing.Press({100, 100});
    drawing.Release({250, 100});
    EXPECT_FALSE(drawing.Finished()) << "a rectangle without height";
    EXPECT_FALSE(drawing.Close());
    drawing.Press({100, 100});
    EXPECT_EQ(drawing.Release({101, 101}), Step::Finished);
}

// Two clicks, the end following the cursor in between; a press, a drag and
// a release farther than a click's wobble make the line too.
TEST(ClickDrawingLine, TwoClicksOrADrag) {
    ClickDrawing clicks(DrawGesture::TwoClicks);
    EXPECT_EQ(clicks.Press({100, 180}), Step::Changed);
    EXPECT_EQ(clicks.Release({103, 183}), Step::Ignored) << "within the wobble";
    clicks.Move({400, 90});
    EXPECT_EQ(clicks.Points(), (Points{{100, 180}, {400, 90}}));
    EXPECT_EQ(clicks.Press({100, 180}), Step::Ignored) << "both ends on one pixel";
    EXPECT_EQ(clicks.Press({500, 150}), Step::Finished);
    EXPECT_EQ(clicks.Points(), (Points{{100, 180}, {500, 150}}));

    ClickDrawing drag(DrawGesture::TwoClicks);
    drag.Press({100, 180});
    drag.Move({300, 185});
    EXPECT_EQ(drag.Release({300, 185}), Step::Finished);
    EXPECT_EQ(drag.Points(), (Points{{100, 180}, {300, 185}}));
}

TEST(ClickDrawingPoint, OnePressIsThePoint) {
    ClickDrawing drawing(DrawGesture::OneClick);
    EXPECT_EQ(drawing.Move({5, 5}), Step::Ignored);
    EXPECT_EQ(drawing.Press({320, 180}), Step::Finished);
    EXPECT_EQ(drawing.Points(), (Points{{320, 180}}));
}
