// The geometry texts inside parameter values, as the device reads them.

#include "geometry_text.h"

#include <gtest/gtest.h>

namespace devsim {
namespace {

TEST(GeometryText, PolygonsMatchTheirCount) {
    const auto two = ParsePolygonText("2|(1.000000,2.000000),(3.000000,4.000000)");
    ASSERT_TRUE(two);
    ASSERT_EQ(two->size(), 2u);
    EXPECT_DOUBLE_EQ((*two)[1].x, 3.0);
    EXPECT_DOUBLE_EQ((*two)[1].y, 4.0);
    // The control's own text form has a blank after the first comma.
    EXPECT_TRUE(ParsePolygonText("3|(0.1, 0.2),(0.3,0.4),(0.5,0.6)"));
    EXPECT_TRUE(ParsePolygonText("")->empty());
    for (const char* bad :
         {"3|(1,2)", "2|(1,2),(3,4),(5,6)", "(1,2)", "|(1,2)", "0|", "2|(1,2)(3,4)", "2|(1,2),(3,4",
          "x|(1,2)", "2|(1;2),(3,4)", "1|(nan,1)", "1|(inf,1)", "1|(1e999,1)", "99999|(1,2)",
          "1|(0x10,1)", "1|(1,2) trailing"}) {
        EXPECT_FALSE(ParsePolygonText(bad)) << bad;
    }
}

TEST(GeometryText, RectanglesAndPoints) {
    const auto rect = ParseRectText("(-0.100000,0.200000,0.300000,-0.400000)");
    ASSERT_TRUE(rect);
    EXPECT_DOUBLE_EQ((*rect)[3], -0.4);
    EXPECT_FALSE(ParseRectText("(1,2,3)"));
    EXPECT_FALSE(ParseRectText("(1,2,3,4,5)"));
    EXPECT_FALSE(ParseRectText("1,2,3,4"));
    const auto point = ParsePointText("(0.5,-0.5)");
    ASSERT_TRUE(point);
    EXPECT_DOUBLE_EQ(point->y, -0.5);
    EXPECT_FALSE(ParsePointText("(0.5)"));
    EXPECT_FALSE(ParsePointText(""));
}

}  // namespace
}  // namespace devsim
