// A wire's end labels: "A" beside arrow A, "B" beside arrow B, across the
// line from each arrow, shown for wires and hidden where there is no arrow.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "play_fixture.h"
#include "show_ai_config.h"

using namespace vexo;

namespace {

class WireLabels : public ::testing::Test, public PlayPortFixture {
protected:
    CShowAIConfig renderer;
};

double Distance(GeoPoint a, GeoPoint b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

// Which side of the line from `s` to `e` the point lies on (sign of the cross product).
int Side(GeoPoint s, GeoPoint e, GeoPoint p) {
    const double cross =
        (double(e.x) - s.x) * (double(p.y) - s.y) - (double(e.y) - s.y) * (double(p.x) - s.x);
    return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

}  // namespace

TEST_F(WireLabels, EachLetterStandsBesideItsOwnArrowAcrossTheLine) {
    for (const char* text :
         {"0|(100,100),(400,100)", "1|(500,400),(120,90)", "2|(50,300),(60,20)"}) {
        ASSERT_TRUE(renderer.DrawLine(port, 1, 2, text, "wire")) << text;
        const LineRecord& line = *renderer.Line("wire");
        const GeoPoint a = overlay::EndLabelSpot(line, false);
        const GeoPoint b = overlay::EndLabelSpot(line, true);
        EXPECT_LT(Distance(a, line.start), Distance(a, line.end)) << text << ": A by the start";
        EXPECT_LT(Distance(b, line.end), Distance(b, line.start)) << text << ": B by the end";
        // A few pixels off the middle of the arrow's base (the edge on the line).
        const auto baseMiddle = [](const GeoPoint* arrow) {
            return GeoPoint{(arrow[0].x + arrow[1].x) / 2, (arrow[0].y + arrow[1].y) / 2};
        };
        EXPECT_NEAR(Distance(a, baseMiddle(line.arrowA)), 12, 2) << text;
        EXPECT_NEAR(Distance(b, baseMiddle(line.arrowB)), 12, 2) << text;
        // Across the line from the arrow's point, so the letter never covers it.
        EXPECT_EQ(Side(line.start, line.end, a), -Side(line.start, line.end, line.arrowA[2]))
            << text;
        EXPECT_EQ(Side(line.start, line.end, b), -Side(line.start, line.end, line.arrowB[2]))
            << text;
        ASSERT_TRUE(renderer.DeleteOverlay("wire", false));
    }
}

TEST_F(WireLabels, ShownForWiresAndHiddenWithoutArrows) {
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(100,100),(300,100)", "wire"));
    const ItemList& items = *renderer.Items("wire");
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[8].kind, kItemOsd);
    EXPECT_EQ(items[9].kind, kItemOsd);
    EXPECT_EQ(Shown(items[8].id), 1);
    EXPECT_EQ(Shown(items[9].id), 1);

    // The letters follow the wire when the picture is resized.
    const GeoPoint before = overlay::EndLabelSpot(*renderer.Line("wire"), true);
    renderer.Rescale(QRect(0, 0, 704, 576), QRect(0, 0, 1408, 1152));
    EXPECT_EQ(renderer.Line("wire")->end, (GeoPoint{600, 200}));
    EXPECT_NE(overlay::EndLabelSpot(*renderer.Line("wire"), true), before);
    EXPECT_EQ(Shown(items[9].id), 1);
    EXPECT_EQ(Count(), 10) << "a redraw adds no items";

    // A wire of no length has no arrows, and so no letters.
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "0|(100,100),(100,100)", "dot"));
    const ItemList& dot = *renderer.Items("dot");
    ASSERT_EQ(dot.size(), 10u);
    EXPECT_EQ(Shown(dot[8].id), 0);
    EXPECT_EQ(Shown(dot[9].id), 0);
}
