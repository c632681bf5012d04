// The point table's texts: what it accepts as typed coordinates, where a
// typed value lands, and the size it shows.
#include <gtest/gtest.h>

#include "point_table_text.h"

using namespace vexo;

TEST(PointTableText, TypedCoordinatesArePlainNumbersOnThePicture) {
    const auto p = ReadTypedPoint(" -0.600", "+.5");
    ASSERT_TRUE(p);
    EXPECT_FLOAT_EQ(p->X, -0.6f);
    EXPECT_FLOAT_EQ(p->Y, 0.5f);
    EXPECT_TRUE(ReadTypedPoint("1", "-1")) << "the edges";
    // Texts the device parser would read wrongly or that lie off the picture.
    for (const char* bad : {"1.001", "", "-", "0.5,0.7", "0.1)", "nan", "inf", "1e-3", "0x1p-1",
                            "(0.5", "0.5 0.5", "--1", "0..5"}) {
        EXPECT_FALSE(ReadTypedPoint(QString::fromLatin1(bad), "0")) << bad;
        EXPECT_FALSE(ReadTypedPoint("0", QString::fromLatin1(bad))) << bad;
    }
}

TEST(PointTableText, AShownValueTypedBackLandsOnItsOwnPixel) {
    const QSize video(640, 360);
    for (int px = 0; px <= 640; px += 7) {
        for (int py : {0, 1, 59, 179, 180, 359, 360}) {
            const double fx = (px - 320) / 320.0;
            const double fy = -(py - 180) / 180.0;
            const auto typed = ReadTypedPoint(TableCoordinateText(fx), TableCoordinateText(fy));
            ASSERT_TRUE(typed) << px << "," << py;
            EXPECT_EQ(TypedPixel(*typed, video), (GeoPoint{px, py})) << px << "," << py;
        }
    }
    EXPECT_EQ(TableCoordinateText(-0.0001), "0.000") << "no negative zero";
    EXPECT_EQ(TableCoordinateText(-0.6), "-0.600");
}

TEST(PointTableText, SizeIsAreaShareOrLengthShare) {
    const QSize video(640, 360);
    EXPECT_EQ(ShapeSizeText({{0, 0}, {320, 0}, {320, 180}, {0, 180}}, false, video, false),
              "Area: 25.0 % of the picture");
    EXPECT_EQ(ShapeSizeText({{0, 0}, {0, 180}, {320, 180}, {320, 0}}, false, video, false),
              "Area: 25.0 % of the picture")
        << "either winding";
    EXPECT_EQ(ShapeSizeText({{0, 0}, {320, 0}}, true, video, false),
              "Length: 50.0 % of the picture's width");
    EXPECT_EQ(ShapeSizeText({{10, 10}}, false, video, false), "") << "a point has no size";
}
