// Hit-test arithmetic: handle squares, point in polygon, segment distance.
#include <gtest/gtest.h>

#include "shape_hit.h"

using namespace vexo;
using namespace vexo::hit;

TEST(HandleSquare, Size20CoversMinus10ToPlus9) {
    const GeoPoint h{100, 100};
    EXPECT_TRUE(OnHandle(h, {90, 90}, 20));
    EXPECT_TRUE(OnHandle(h, {109, 109}, 20));
    EXPECT_FALSE(OnHandle(h, {110, 100}, 20));
    EXPECT_FALSE(OnHandle(h, {100, 89}, 20));
    // Size 10: -5..+4.
    EXPECT_TRUE(OnHandle(h, {95, 104}, 10));
    EXPECT_FALSE(OnHandle(h, {105, 100}, 10));
}

TEST(PolygonContains, InsideOutsideAndEdges) {
    const GeoPoint square[4] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    EXPECT_TRUE(PointInPolygon({50, 50}, square, 4));
    EXPECT_FALSE(PointInPolygon({150, 50}, square, 4));
    EXPECT_FALSE(PointInPolygon({-5, 50}, square, 4));
    EXPECT_TRUE(PointInPolygon({100, 50}, square, 4)) << "a point on an edge is inside";
    EXPECT_TRUE(PointInPolygon({0, 0}, square, 4));
    // Ray through a vertex of a concave shape counts once.
    const GeoPoint arrow[4] = {{0, 0}, {50, 50}, {0, 100}, {100, 50}};
    EXPECT_TRUE(PointInPolygon({70, 50}, arrow, 4));
    EXPECT_FALSE(PointInPolygon({20, 50}, arrow, 4));
    EXPECT_FALSE(PointInPolygon({10, 10}, square, 2)) << "fewer than 3 points hold nothing";
}

TEST(SegmentDistance, AxisParallelAndSlanted) {
    EXPECT_DOUBLE_EQ(DistanceToSegment({5, 50}, {0, 0}, {0, 100}), 5.0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({5, 150}, {0, 0}, {0, 100}), 100000.0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({50, 7}, {0, 0}, {100, 0}), 7.0);
    EXPECT_DOUBLE_EQ(DistanceToSegment({-1, 0}, {0, 0}, {100, 0}), 100000.0);
    EXPECT_NEAR(DistanceToSegment({0, 10}, {-10, -10}, {10, 10}), std::sqrt(50.0), 1e-9);
    EXPECT_DOUBLE_EQ(DistanceToSegment({20, 20}, {-10, -10}, {10, 10}), 100000.0);
}

TEST(BoundsTest, EmptyAcceptsAllAndFarEdgesAreInside) {
    EXPECT_TRUE(InBounds(QRect(), {-5000, 5000}));
    const QRect video(0, 0, 704, 576);
    EXPECT_TRUE(InBounds(video, {704, 576}));
    EXPECT_FALSE(InBounds(video, {705, 0}));
    EXPECT_FALSE(InBounds(video, {0, -1}));
}
