// The renderer's drawing tools through the real play library: a tool draws
// its key's new shape, the other keys wait, Escape brings the old shape
// back, the delete tool empties a key.
#include <gtest/gtest.h>

#include "play_fixture.h"
#include "show_ai_config.h"

using namespace vexo;

namespace {

const QRect kView(0, 0, 640, 360);

class DrawingTool : public ::testing::Test, public PlayPortFixture {
protected:
    void SetUp() override {
        renderer.SetVideoRect(kView);
        ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "4|(10,10),(100,10),(100,80),(10,80)", "a"));
        ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(300,10),(400,10),(350,80)", "b"));
        baseItems = Count();
    }
    void Click(int x, int y) {
        renderer.OnButtonDown(1, {x, y}, kView);
        renderer.OnButtonUp(0, {x, y}, kView);
    }
    CShowAIConfig renderer;
    int32_t baseItems = 0;
};

// The new shape replaces the old one at the first press; its outline runs to
// the cursor until it is closed. Meanwhile the other key takes no input, and
// takes it again when the tool is put away.
TEST_F(DrawingTool, APolygonByClicksReplacesTheOldShape) {
    renderer.StartTool(port, "a", ShapeForm::Region, DrawGesture::Polygon);
    EXPECT_EQ(renderer.Polygon("b")->editable, 0);
    EXPECT_EQ(renderer.Polygon("a")->editable, 1);
    Click(200, 200);
    EXPECT_TRUE(renderer.ToolDrawing());
    Click(300, 200);
    Click(300, 300);
    renderer.OnMouseMove(0, {250, 340}, kView);
    EXPECT_EQ(renderer.Polygon("a")->count, 3);
    EXPECT_EQ(Count(), baseItems) << "the old items gave way to as many new ones";
    Click(205, 195);  // the start point's square
    EXPECT_FALSE(renderer.ToolDrawing());
    EXPECT_EQ(renderer.GetGeometryText("a"), QStringLiteral("3|(200,200),(300,200),(300,300)"));
    EXPECT_EQ(renderer.Polygon("a")->points[7], (GeoPoint{200, 200}));
    EXPECT_EQ(renderer.GetGeometryText("b"), QStringLiteral("3|(300,10),(400,10),(350,80)"));

    Click(500, 300);  // a finished drawing: the next press starts none
    EXPECT_FALSE(renderer.ToolDrawing());
    renderer.StopTool();
    EXPECT_EQ(renderer.Polygon("b")->editable, 1);
    EXPECT_FALSE(renderer.ToolActive());
}

// Escape gives the drawing up and puts the old shape back, items and all;
// the tool stays out for another try.
TEST_F(DrawingTool, EscapeBringsTheOldShapeBack) {
    std::vector<QString> changed;
    renderer.SetShapeListener(this, [&changed](const QString& key) { changed.push_back(key); });
    renderer.StartTool(port, "a", ShapeForm::Region, DrawGesture::Polygon);
    EXPECT_FALSE(renderer.CancelDrawing()) << "nothing drawn yet";
    Click(200, 200);
    Click(300, 200);
    EXPECT_TRUE(renderer.CancelDrawing());
    EXPECT_EQ(renderer.GetGeometryText("a"), QStringLiteral("4|(10,10),(100,10),(100,80),(10,80)"));
    EXPECT_EQ(Count(), baseItems);
    EXPECT_TRUE(renderer.ToolActive());
    EXPECT_TRUE(changed.empty());
    Click(200, 200);
    Click(300, 200);
    Click(300, 300);
    Click(200, 300);
    renderer.CompleteDrawing();  // a save closes what can be closed
    EXPECT_EQ(renderer.Polygon("a")->count, 4);
    EXPECT_EQ(changed, std::vector<QString>{"a"});
}

// A shape too small to close when the tool goes away is given up.
TEST_F(DrawingTool, PuttingTheToolAwayGivesUpAnUnfinishedShape) {
    renderer.StartTool(port, "a", ShapeForm::Region, DrawGesture::Polygon);
    Click(200, 200);
    Click(300, 200);
    renderer.StopTool();
    EXPECT_EQ(renderer.GetGeometryText("a"), QStringLiteral("4|(10,10),(100,10),(100,80),(10,80)"));
}

// A wire drawn anew keeps the old one's margin and arrows; the new line
// follows the cursor after its first click.
TEST_F(DrawingTool, AWireByTwoClicksKeepsItsMarginAndArrows) {
    ASSERT_TRUE(renderer.DrawLine(port, 0, 2, "2|(100,180),(500,180)", "w"));
    renderer.SetLineBox("w", kView);
    renderer.SetLineMargin("w", 0.1f);
    renderer.StartTool(port, "w", ShapeForm::Wire, DrawGesture::TwoClicks);
    Click(50, 50);
    renderer.OnMouseMove(0, {150, 60}, kView);
    EXPECT_EQ(renderer.Line("w")->end, (GeoPoint{150, 60}));
    Click(250, 50);
    EXPECT_FALSE(renderer.ToolDrawing());
    const LineRecord& line = *renderer.Line("w");
    EXPECT_EQ(std::tuple(line.arrowAVisible, line.arrowBVisible, line.margin),
              std::tuple(1, 0, 0.1f));
    EXPECT_EQ(line.editable, 1);
    EXPECT_EQ(renderer.GetGeometryText("w"), QStringLiteral("2|0.100|(50,50),(250,50)"));
}

// The delete tool empties a key until it is drawn again; Escape during a new
// drawing brings the emptied state back.
TEST_F(DrawingTool, AnEmptiedKeyReadsBackEmptyUntilDrawnAgain) {
    renderer.EmptyShape(port, "a");
    EXPECT_TRUE(renderer.IsEmptied("a"));
    EXPECT_EQ(renderer.GetGeometryText("a"), QString());
    EXPECT_EQ(renderer.Items("a"), nullptr);
    renderer.StartTool(port, "a", ShapeForm::Point, DrawGesture::OneClick);
    Click(320, 180);
    EXPECT_FALSE(renderer.IsEmptied("a"));
    EXPECT_EQ(renderer.GetGeometryText("a"), QStringLiteral("1|(320,180)"));

    renderer.EmptyShape(port, "b");
    renderer.StartTool(port, "b", ShapeForm::Region, DrawGesture::Polygon);
    Click(10, 10);
    EXPECT_TRUE(renderer.CancelDrawing());
    EXPECT_TRUE(renderer.IsEmptied("b"));
}

// A shape with more points than a record holds is drawn whole and never
// read back as a record.
TEST_F(DrawingTool, AnOutlineIsDrawnButNotReadBack) {
    std::vector<GeoPoint> ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back({100 + 20 * i, 100 + (i % 2) * 40});
    }
    ASSERT_TRUE(renderer.DrawOutline(port, "many", ten, true));
    EXPECT_EQ(renderer.Items("many")->size(), 1u);
    EXPECT_EQ(renderer.GetGeometryText("many"), QString());
    renderer.Rescale(kView, QRect(0, 0, 320, 180));
    EXPECT_EQ(renderer.Outline("many")->back(), (GeoPoint{140, 70}));
}

}  // namespace
