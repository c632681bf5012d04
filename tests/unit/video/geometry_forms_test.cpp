// GeometryText forms and the pixel arithmetic of rule geometry.
#include <gtest/gtest.h>

#include "geometry_forms.h"

using namespace vexo;
using namespace vexo::geometry;

TEST(Conversions, DeviceCentreIsWindowCentre) {
    EXPECT_EQ(DeviceToPixel(0, 0, 704, 576), (GeoPoint{352, 288}));
    EXPECT_EQ(DeviceToPixel(-1, 1, 704, 576), (GeoPoint{0, 0}));
    EXPECT_EQ(DeviceToPixel(1, -1, 704, 576), (GeoPoint{704, 576}));
    // Truncation, not rounding: 0.999 * 352 = 351.6.
    EXPECT_EQ(DeviceToPixel(-0.001, 0.001, 704, 576), (GeoPoint{351, 287}));
}

TEST(Conversions, PixelToDeviceUsesIntegerHalves) {
    EXPECT_EQ(PixelToDevice(0, 0, 704, 576), QPointF(-1.0, 1.0));
    // Odd width 705: half is 352, so pixel 352 is the centre.
    EXPECT_DOUBLE_EQ(PixelToDevice(352, 288, 705, 577).x(), 0.0);
    EXPECT_EQ(PixelToDeviceText(0, 0, 704, 576), QStringLiteral("(-1.000000,1.000000)"));
    // A window with no centre does not divide by zero.
    EXPECT_EQ(PixelToDeviceText(5, 5, 1, 0), QStringLiteral("(0.000000,0.000000)"));
}

TEST(Conversions, RescaleRoundsAndZeroOldSizeGivesZero) {
    EXPECT_EQ(RescaleCoordinate(100, 704, 352), 50);
    EXPECT_EQ(RescaleCoordinate(3, 2, 3), 5);  // 4.5 + 0.5 truncated
    EXPECT_EQ(RescaleCoordinate(77, 0, 640), 0);
}

TEST(LeadingIntTest, ReadsLikeAtoiAndSaturates) {
    EXPECT_EQ(LeadingInt(u"  -12abc"), -12);
    EXPECT_EQ(LeadingInt(u"+7"), 7);
    EXPECT_EQ(LeadingInt(u"x5"), 0);
    EXPECT_EQ(LeadingInt(u""), 0);
    EXPECT_EQ(LeadingInt(u"99999999999999"), 2147483647);
    EXPECT_EQ(LeadingInt(u"-99999999999999"), -2147483647 - 1);
}

TEST(PolygonParse, ReadsPointsClosesWithSlotSevenAndRefusesBrokenTexts) {
    PolygonRecord r;
    ASSERT_TRUE(ParsePolygonText(u"3|(10,20),(30,40),(50,60)", r));
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.points[7], (GeoPoint{10, 20}));
    EXPECT_EQ(PolygonText(r), QStringLiteral("3|(10,20),(30,40),(50,60)"));
    ASSERT_TRUE(ParsePolygonText(u"8|(0,0),(1,1),(2,2),(3,3),(4,4),(5,5),(6,6),(7,7)", r));
    EXPECT_EQ(r.points[7], (GeoPoint{7, 7})) << "eight points keep their own last slot";
    EXPECT_TRUE(ParsePolygonText(u"0|", r));
    EXPECT_EQ(r.count, 8) << "a zero count is accepted and changes nothing";

    PolygonRecord refused;
    for (const char16_t* text :
         {u"9|(0,0),(1,1),(2,2),(3,3),(4,4),(5,5),(6,6),(7,7),(8,8)", u"2|(0,0),(1,1)",
          u"3|(0,0),(1,1)", u"(0,0),(1,1),(2,2)", u"3|(0 0),(1,1),(2,2)", u"3|)0,0(,(1,1),(2,2)",
          u"-3|(0,0),(1,1),(2,2)"}) {
        EXPECT_FALSE(ParsePolygonText(text, refused)) << QString::fromUtf16(text).toStdString();
    }
    EXPECT_FALSE(ParsePolygonText(u"4|(0,0),(1,1),(2,2),(3,3)", refused, 3)) << "exact count";
    EXPECT_EQ(refused.valid, 0) << "a refused text leaves the record alone";
}

TEST(LineParse, DirectionDigitsSetArrowVisibility) {
    // The parser's digits: 0 shows both arrows, 1 only arrow B, 2 only A.
    const int visible[3][2] = {{1, 1}, {0, 1}, {1, 0}};
    LineRecord line;
    for (int digit = 0; digit < 3; ++digit) {
        ASSERT_TRUE(ParseLineText(QStringLiteral("%1|(0,0),(100,0)").arg(digit), line));
        EXPECT_EQ(line.arrowAVisible, visible[digit][0]) << digit;
        EXPECT_EQ(line.arrowBVisible, visible[digit][1]) << digit;
    }
    EXPECT_FALSE(ParseLineText(u"3|(0,0),(100,0)", line));
    EXPECT_FALSE(ParseLineText(u"0|(0,0)", line));
    EXPECT_EQ(line.valid, 0) << "the record is zeroed before a refused parse";
}

TEST(LineParse, ReadBackFormRoundTrips) {
    LineRecord line;
    ASSERT_TRUE(ParseLineText(u"2|0.250|(5,6),(70,80)", line));
    EXPECT_EQ(line.start, (GeoPoint{5, 6}));
    EXPECT_EQ(line.end, (GeoPoint{70, 80}));
    line.lineKind = 3;
    line.margin = 0.25f;
    EXPECT_EQ(LineText(line), QStringLiteral("2|0.250|(5,6),(70,80)"));
    line.lineKind = 0;
    EXPECT_EQ(LineText(line), QStringLiteral("2|(5,6),(70,80)"));
}

TEST(PointParse, LastPointCountsAndZeroIsAccepted) {
    PointRecord p;
    ASSERT_TRUE(ParsePointText(u"2|(1,2),(3,4)", p));
    EXPECT_EQ(p.point, (GeoPoint{3, 4}));
    EXPECT_TRUE(ParsePointText(u"0|", p));
    EXPECT_EQ(p.point, (GeoPoint{3, 4}));
    EXPECT_FALSE(ParsePointText(u"2|(1,2)", p));
    EXPECT_FALSE(ParsePointText(u"1(1,2)", p));
    p.valid = 1;
    EXPECT_EQ(PointText(p), QStringLiteral("1|(3,4)"));
}

TEST(Arrows, SidesFromTheLengthCappedAt100) {
    LineRecord line;
    line.start = {0, 0};
    line.end = {100, 0};
    ComputeArrows(line);
    // d = 12.5, s = 12; 12.5 + 12 * cos(3.1415/3) = 18.50..., 12 * sin(3.1415/3) = 10.39...
    EXPECT_EQ(line.arrowA[0], (GeoPoint{12, 0}));
    EXPECT_EQ(line.arrowA[2], (GeoPoint{18, 10}));
    EXPECT_EQ(line.arrowB[1], (GeoPoint{75, 0}));
    EXPECT_EQ(line.arrowB[2], (GeoPoint{81, -10}));
    line.end = {1000, 0};
    ComputeArrows(line);
    EXPECT_EQ(line.arrowA[1].x - line.arrowA[0].x, 100);
    line.end = line.start;
    ComputeArrows(line);
    EXPECT_EQ(line.arrowA[1].x - line.arrowA[0].x, 100) << "a zero-length line keeps its arrows";
}

TEST(Band, HalfWidthFromBoxHeightAndMargin) {
    LineRecord line;
    line.start = {100, 100};
    line.end = {300, 100};
    line.margin = 0.1f;
    ComputeBand(line, 200);  // w = 20, horizontal: theta = pi/2
    EXPECT_EQ(std::vector(line.band, line.band + 4),
              (std::vector<GeoPoint>{{100, 120}, {100, 80}, {300, 80}, {300, 120}}));

    line.end = {100, 300};  // vertical: theta = 0
    ComputeBand(line, 200);
    EXPECT_EQ(line.band[0], (GeoPoint{80, 100}));
    EXPECT_EQ(line.band[2], (GeoPoint{120, 300}));

    line.margin = 0.0f;  // a new wire: the band lies on the line
    ComputeBand(line, 200);
    EXPECT_EQ(line.band[0], (GeoPoint{100, 100}));
    EXPECT_EQ(line.band[3], (GeoPoint{100, 300}));
}
