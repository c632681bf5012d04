// The overlay renderer drawing through the real play library.
#include <gtest/gtest.h>

#include "audio_video_play.h"
#include "play_fixture.h"
#include "show_ai_config.h"

using namespace vexo;

namespace {

class Renderer : public ::testing::Test, public PlayPortFixture {
protected:
    CShowAIConfig renderer;
};

const QString kKey = QStringLiteral("Detection Region");
const std::vector<int32_t> kPolygonKinds = {1, 4, 4, 4, 4, 4, 4, 4, 4, 4};

}  // namespace

// Outline, label where the rule has one, 8 handles (hidden until selected),
// start marker; a rectangle has no marker, an empty polygon hides its label.
TEST_F(Renderer, PolygonItemsByKind) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "4|(10,10),(100,10),(100,80),(10,80)", kKey));
    const ItemList& items = *renderer.Items(kKey);
    EXPECT_EQ(Kinds(items), kPolygonKinds);
    ASSERT_EQ(Count(), 10);
    for (int32_t i = 0; i < Count(); ++i) {
        EXPECT_EQ(At(i).id, items[static_cast<size_t>(i)].id);
        EXPECT_EQ(At(i).shown, i == 0 ? 1 : 0) << "handles start hidden";
    }

    ASSERT_TRUE(renderer.DrawRegion(port, 3, 1, "3|(10,10),(100,10),(50,80)", "a"));
    EXPECT_EQ(Kinds(*renderer.Items("a")), (std::vector<int32_t>{1, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 10, "4|(10,10),(100,10),(100,80),(10,80)", "b"));
    EXPECT_EQ(Kinds(*renderer.Items("b")), (std::vector<int32_t>{2, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(renderer.Polygon("b")->shapeKind, kShapeRectangle);

    ASSERT_TRUE(renderer.DrawRegion(port, 2, 1, "0|", "empty"));
    EXPECT_EQ(renderer.Polygon("empty")->editable, 0);
    EXPECT_EQ(Shown(renderer.Items("empty")->at(1).id), 0) << "label of an empty polygon";
    EXPECT_EQ(renderer.GetGeometryText("empty"), QString());
}

TEST_F(Renderer, RefusedTextsDrawNothing) {
    EXPECT_FALSE(renderer.DrawRegion(port, 0, 1, "2|(0,0),(1,1)", kKey));
    EXPECT_FALSE(renderer.DrawLine(port, 0, 2, "5|(0,0),(1,1)", "w"));
    EXPECT_FALSE(renderer.DrawPoint(port, "p", "garbage"));
    EXPECT_FALSE(renderer.Draw(port, 4, 0, 1, "3|(0,0),(1,1),(2,2)", "x"));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(renderer.Items(kKey), nullptr);
}

TEST_F(Renderer, WireItemsArrowsAndReadBack) {
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "1|(100,100),(300,100)", "wire"));
    const ItemList& items = *renderer.Items("wire");
    EXPECT_EQ(Kinds(items), (std::vector<int32_t>{5, 5, 5, 1, 1, 4, 4, 1, 3, 3}));
    EXPECT_EQ(Shown(items[5].id), 1) << "end circles are shown when added";
    const LineRecord& line = *renderer.Line("wire");
    EXPECT_EQ(std::tuple(line.lineKind, line.editable, line.arrowAVisible), std::tuple(3, 0, 0));
    EXPECT_EQ(renderer.GetGeometryText("wire"), QStringLiteral("1|0.000|(100,100),(300,100)"));

    ASSERT_TRUE(renderer.SetLineBox("wire", QRect(0, 0, 704, 576)));
    ASSERT_TRUE(renderer.SetLineMargin("wire", 0.05f));
    EXPECT_EQ(renderer.Line("wire")->band[0], (GeoPoint{100, 128}));
    EXPECT_EQ(renderer.GetGeometryText("wire"), QStringLiteral("1|0.050|(100,100),(300,100)"));
    EXPECT_EQ(Count(), 10) << "redraws never add items";

    ASSERT_TRUE(renderer.DrawLine(port, 1, 3, "0|(0,0),(10,0)", "directed"));
    EXPECT_EQ(renderer.Line("directed")->lineKind, 4);
}

TEST_F(Renderer, DeleteWithKeepOnlyMakesEditable) {
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(0,0),(100,0)", "w"));
    const ItemList before = *renderer.Items("w");
    ASSERT_TRUE(renderer.DeleteOverlay("w", true));
    EXPECT_EQ(renderer.Line("w")->editable, 1);
    EXPECT_EQ(Count(), 10);

    ASSERT_TRUE(renderer.DeleteOverlay("w", false));
    EXPECT_EQ(renderer.Line("w"), nullptr);
    EXPECT_EQ(renderer.Items("w"), nullptr);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(renderer.GetGeometryText("w"), QString());
}

TEST_F(Renderer, RescaleMovesPolygonsAndLinesButNotPoints) {
    renderer.DrawRegion(port, 0, 1, "3|(100,100),(200,100),(150,200)", "r");
    renderer.DrawLine(port, 0, 2, "0|(0,0),(704,576)", "w");
    renderer.DrawPoint(port, "p", "1|(70,70)");
    const auto ids = *renderer.Items("r");
    renderer.Rescale(QRect(0, 0, 704, 576), QRect(0, 0, 352, 288));
    EXPECT_EQ(renderer.GetGeometryText("r"), QStringLiteral("3|(50,50),(100,50),(75,100)"));
    EXPECT_EQ(renderer.Line("w")->end, (GeoPoint{352, 288}));
    EXPECT_EQ(renderer.Point("p")->point, (GeoPoint{70, 70}));
    EXPECT_EQ(renderer.Items("r")->front().id, ids.front().id) << "redraw reuses ids";

    renderer.Rescale(QRect(), QRect(0, 0, 352, 288));
    EXPECT_EQ(renderer.Polygon("r")->points[1], (GeoPoint{}));
}

TEST_F(Renderer, ClickDrawingBuildsAndClosesAPolygon) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 4, "clear", kKey));
    ASSERT_NE(renderer.Items(kKey), nullptr);
    const size_t itemCount = renderer.Items(kKey)->size();
    EXPECT_FALSE(renderer.EndDrawing(kKey)) << "nothing drawn yet";
    const QRect view(0, 0, 704, 576);
    renderer.OnButtonDown(1, {10, 10}, view);
    EXPECT_TRUE(renderer.IsDrawing());
    renderer.OnButtonDown(1, {200, 10}, view);
    renderer.OnButtonDown(1, {200, 200}, view);
    renderer.OnMouseMove(0, {15, 14}, view);  // snaps onto the start point
    EXPECT_EQ(Count(), static_cast<int32_t>(itemCount));
    EXPECT_TRUE(renderer.EndDrawing(kKey));
    EXPECT_FALSE(renderer.IsDrawing());
    EXPECT_EQ(renderer.LastDrawingKey(), kKey);
    EXPECT_EQ(renderer.GetGeometryText(kKey), QStringLiteral("3|(10,10),(200,10),(200,200)"));
    EXPECT_EQ(renderer.Polygon(kKey)->points[7], (GeoPoint{10, 10}));
}

TEST_F(Renderer, EighthClickEndsTheDrawing) {
    renderer.DrawRegion(port, 0, 4, "clear", kKey);
    const QRect view(0, 0, 704, 576);
    for (int i = 0; i < 8; ++i) {
        renderer.OnButtonDown(1, {100 + 50 * i, 300 + (i % 2) * 100}, view);
    }
    EXPECT_FALSE(renderer.IsDrawing());
    EXPECT_EQ(renderer.Polygon(kKey)->count, 8);
    EXPECT_EQ(renderer.Polygon(kKey)->points[7], (GeoPoint{450, 400}));
    // Later clicks no longer draw into the key.
    renderer.OnButtonDown(1, {5, 5}, view);
    EXPECT_EQ(renderer.Polygon(kKey)->points[0], (GeoPoint{100, 300}));
}

// A page may draw its panel before its picture starts, on a session whose
// last picture (another page's) had another size: starting the picture must
// not scale the shapes from that size. A real resize scales them, and a
// shape the operator did not touch is still as its owner drew it.
TEST_F(Renderer, ThePictureScalesShapesFromThePixelsTheyWereDrawnIn) {
    CAudioVideoPlay session(QStringLiteral("english"));
    session.ResizeVideo(QRect(0, 0, 640, 360));  // another page played last
    CShowAIConfig& overlay = session.Overlay();
    overlay.SetVideoRect(QRect(0, 0, 704, 576));  // this page's panel draws
    ASSERT_TRUE(overlay.DrawLine(port, 0, 2, "0|(100,100),(300,200)", "w"));
    ASSERT_TRUE(overlay.DrawRegion(port, 0, 1, "3|(10,10),(100,10),(50,80)", "r"));
    overlay.KeepAsDrawn("w");
    overlay.KeepAsDrawn("r");

    session.ResizeVideo(QRect(0, 0, 704, 576));  // its picture starts
    EXPECT_EQ(overlay.Line("w")->start, (GeoPoint{100, 100}));
    EXPECT_TRUE(overlay.IsAsDrawn("w"));

    session.ResizeVideo(QRect(0, 0, 352, 288));  // the window shrinks
    EXPECT_EQ(overlay.Line("w")->end, (GeoPoint{150, 100}));
    EXPECT_EQ(overlay.GetGeometryText("r"), QStringLiteral("3|(5,5),(50,5),(25,40)"));
    EXPECT_TRUE(overlay.IsAsDrawn("w") && overlay.IsAsDrawn("r")) << "a resize is no edit";

    ASSERT_TRUE(overlay.MoveShapePoint("r", 1, {60, 5}));
    EXPECT_FALSE(overlay.IsAsDrawn("r"));
    overlay.DeleteOverlay("w", false);
    EXPECT_FALSE(overlay.IsAsDrawn("w")) << "a removed shape is forgotten";
}
