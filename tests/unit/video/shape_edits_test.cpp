// Snapping, and the renderer's side of undo and exact input: a snapshot put
// back restores the shape exactly, typed moves act as the tracker's handles
// do, the arrows move the selected point or the whole shape.
#include <gtest/gtest.h>

#include "play_fixture.h"
#include "shape_snap.h"
#include "show_ai_config.h"

using namespace vexo;

namespace {

const QRect kView(0, 0, 640, 360);

TEST(SnapPoint, EdgesAndOtherPointsPullEachAxisWithinSixPixels) {
    const QSize frame(640, 360);
    EXPECT_EQ(SnapPoint({6, 354}, frame, {}), (GeoPoint{0, 360})) << "both edges, 6 away";
    EXPECT_EQ(SnapPoint({7, 353}, frame, {}), (GeoPoint{7, 353})) << "7 away stays";
    EXPECT_EQ(SnapPoint({636, 3}, frame, {}), (GeoPoint{640, 0}));
    // Lined up with another point on one axis only.
    EXPECT_EQ(SnapPoint({204, 150}, frame, {{200, 90}}), (GeoPoint{200, 150}));
    // The nearest target wins; an edge before a point at the same distance.
    EXPECT_EQ(SnapPoint({100, 100}, frame, {{103, 0}, {98, 0}}), (GeoPoint{98, 100}));
    EXPECT_EQ(SnapPoint({3, 100}, frame, {{6, 0}}), (GeoPoint{0, 100}));
    EXPECT_EQ(SnapPoint({3, 3}, QSize(), {}), (GeoPoint{3, 3})) << "no frame, no edges";
}

class ShapeEdits : public ::testing::Test, public PlayPortFixture {
protected:
    void SetUp() override {
        renderer.SetVideoRect(kView);
        ASSERT_TRUE(
            renderer.DrawRegion(port, 0, 1, "4|(100,100),(300,100),(300,200),(100,200)", "r"));
        ASSERT_TRUE(renderer.DrawLine(port, 0, 2, "0|(50,300),(250,300)", "w"));
        renderer.SetShapeListener(this, [this](const QString& key) { changed.push_back(key); });
    }
    CShowAIConfig renderer;
    std::vector<QString> changed;
};

TEST_F(ShapeEdits, ARestoredSnapshotIsTheShapeAsItWasAndKeepsTodaysFlags) {
    const ShapeSnapshot before = renderer.Snapshot("r");
    ASSERT_TRUE(renderer.MoveShapePoint("r", 1, {320, 60}));
    EXPECT_FALSE(SameShape(before, renderer.Snapshot("r")));
    renderer.SelectShape("r", 1);
    const int32_t items = Count();
    renderer.Restore("r", before);
    EXPECT_TRUE(SameShape(before, renderer.Snapshot("r")));
    EXPECT_EQ(renderer.GetGeometryText("r"), "4|(100,100),(300,100),(300,200),(100,200)");
    EXPECT_EQ(renderer.Polygon("r")->selected, 1) << "still selected";
    EXPECT_EQ(Count(), items) << "its items were replaced, not added to";
    // An emptied shape comes back too.
    const ShapeSnapshot wire = renderer.Snapshot("w");
    renderer.EmptyShape(port, "w");
    ASSERT_TRUE(renderer.IsEmptied("w"));
    renderer.Restore("w", wire);
    EXPECT_FALSE(renderer.IsEmptied("w"));
    EXPECT_EQ(renderer.GetGeometryText("w"), "0|0.000|(50,300),(250,300)");
}

TEST_F(ShapeEdits, TypedPointsMoveAsHandlesDoInsideTheVideo) {
    EXPECT_TRUE(renderer.MoveShapePoint("r", 2, {640, 360})) << "the far edges are inside";
    EXPECT_EQ(renderer.GetGeometryText("r"), "4|(100,100),(300,100),(640,360),(100,200)");
    EXPECT_FALSE(renderer.MoveShapePoint("r", 0, {641, 0})) << "off the picture";
    EXPECT_FALSE(renderer.MoveShapePoint("r", 0, {100, 100})) << "no move, no change";
    EXPECT_EQ(changed, std::vector<QString>{"r"}) << "each real move is told once";
    // -1 moves the whole shape so that its first point lands there; the wire
    // is moved the same way, though its tool is not out.
    EXPECT_TRUE(renderer.MoveShapePoint("w", -1, {60, 310}));
    EXPECT_EQ(renderer.GetGeometryText("w"), "0|0.000|(60,310),(260,310)");
}

TEST_F(ShapeEdits, ArrowsMoveTheSelectedPointOrTheWholeShape) {
    EXPECT_FALSE(renderer.NudgeSelection(1, 0)) << "nothing selected";
    renderer.SelectShape("r", 3);
    EXPECT_TRUE(renderer.NudgeSelection(-10, 1));
    EXPECT_EQ(renderer.GetGeometryText("r"), "4|(100,100),(300,100),(300,200),(90,201)");
    renderer.SelectShape("r", -1);
    EXPECT_TRUE(renderer.NudgeSelection(1, -1));
    EXPECT_EQ(renderer.GetGeometryText("r"), "4|(101,99),(301,99),(301,199),(91,200)");
    // A click inside a shape (no tracker without a window) selects it
    // whole; a click on nothing selects nothing.
    renderer.OnButtonDown(1, {600, 20}, kView);
    EXPECT_EQ(renderer.SelectedKey(), "");
    renderer.OnButtonDown(1, {200, 150}, kView);
    EXPECT_EQ(renderer.SelectedKey(), "r");
    EXPECT_EQ(renderer.SelectedPoint(), -1);
}

}  // namespace
