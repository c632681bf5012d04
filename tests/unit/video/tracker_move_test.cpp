// Shape trackers without the mouse: hit tests and handle moves per class.
#include <gtest/gtest.h>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "play_fixture.h"
#include "shape_trackers.h"

using namespace vexo;

namespace {

class Trackers : public ::testing::Test, public PlayPortFixture {
protected:
    PolygonRecord Polygon(const char* text) {
        PolygonRecord r;
        EXPECT_TRUE(geometry::ParsePolygonText(QString::fromLatin1(text), r));
        r.editable = 1;
        overlay::AddPolygonItems(port, 1, r, items);
        return r;
    }
    ItemList items;
    const QRect video{0, 0, 704, 576};
};

}  // namespace

TEST_F(Trackers, RegionHandlesWholeShapeAndMisses) {
    PolygonRecord r = Polygon("3|(100,100),(300,100),(200,300)");
    CRegionShapeTracker t(port, items, &r);
    t.SetHandleSize(20);
    EXPECT_EQ(t.HitTest({109, 91}), 0);
    EXPECT_EQ(t.HitTest({300, 100}), 1);
    EXPECT_EQ(t.HitTest({200, 150}), 3) << "inside: the whole shape";
    EXPECT_EQ(t.HitTest({600, 500}), -1);
    r.editable = 0;
    EXPECT_EQ(t.HitTest({100, 100}), -1) << "not editable";
}

TEST_F(Trackers, RegionMoveKeepsEveryPointInsideTheVideo) {
    PolygonRecord r = Polygon("3|(100,100),(300,100),(200,300)");
    CRegionShapeTracker t(port, items, &r);
    t.SetBounds(video);
    t.MoveHandleTo(3, 150, 120);  // whole shape: point 0 to (150,120)
    EXPECT_EQ(r.points[2], (GeoPoint{250, 320}));
    EXPECT_EQ(r.points[7], (GeoPoint{150, 120}));
    t.MoveHandleTo(3, 500, 120);  // point 1 would reach x = 700, fine
    EXPECT_EQ(r.points[1], (GeoPoint{700, 120}));
    t.MoveHandleTo(3, 510, 120);  // point 1 would leave at x = 710
    EXPECT_EQ(r.points[0], (GeoPoint{500, 120})) << "the whole region stays where it was";
    t.MoveHandleTo(0, 20, 30);
    EXPECT_EQ(r.points[0], (GeoPoint{20, 30}));
    EXPECT_EQ(r.points[7], (GeoPoint{20, 30})) << "the closing copy follows point 0";
    t.MoveHandleTo(1, -1, 30);
    EXPECT_EQ(r.points[1], (GeoPoint{700, 120}));
    // The outline item follows the record.
    EXPECT_EQ(Count(), 10);
}

TEST_F(Trackers, RectangleCornerDragsItsNeighbours) {
    PolygonRecord r = Polygon("4|(100,100),(300,100),(300,200),(100,200)");
    r.shapeKind = kShapeRectangle;
    CRectShapeTracker t(port, items, &r);
    t.SetBounds(video);
    t.SetHandleSize(20);
    EXPECT_EQ(t.HitTest({300, 200}), 2);
    EXPECT_EQ(t.HitTest({200, 150}), 4);
    t.MoveHandleTo(2, 400, 250);
    EXPECT_EQ(std::vector(r.points, r.points + 4),
              (std::vector<GeoPoint>{{100, 100}, {400, 100}, {400, 250}, {100, 250}}));
    t.MoveHandleTo(0, 50, -5);  // top edge would leave the video
    EXPECT_EQ(r.points[0], (GeoPoint{100, 100}));
    t.MoveHandleTo(4, 0, 0);
    EXPECT_EQ(r.points[2], (GeoPoint{300, 150}));
    EXPECT_EQ(r.points[7], (GeoPoint{0, 0}));
}

TEST_F(Trackers, WireHandlesAndMoves) {
    LineRecord line;
    ASSERT_TRUE(geometry::ParseLineText(u"0|(100,100),(300,100)", line));
    line.lineKind = 3;
    line.box = video;
    line.margin = 0.05f;  // band half-width 28
    geometry::ComputeArrows(line);
    geometry::ComputeBand(line, video.height());
    overlay::AddLineItems(port, line, items);
    CWireShapeTracker t(port, items, &line);
    t.SetHandleSize(20);
    t.SetBand(line.band);
    t.SetBounds(video);
    EXPECT_EQ(t.HitTest({100, 100}), 1);
    EXPECT_EQ(t.HitTest({305, 95}), 2);
    EXPECT_EQ(t.HitTest({200, 110}), 3);
    EXPECT_EQ(t.HitTest({200, 125}), 4) << "outside the handle distance, inside the band";
    EXPECT_EQ(t.HitTest({200, 140}), -1);

    t.MoveHandleTo(3, 400, 300);
    EXPECT_EQ(line.start, (GeoPoint{400, 300}));
    EXPECT_EQ(line.end, (GeoPoint{600, 300}));
    EXPECT_EQ(line.arrowA[0], (GeoPoint{425, 300})) << "arrows follow the line";
    EXPECT_EQ(line.band[0], (GeoPoint{400, 328}));
    t.MoveHandleTo(3, 600, 300);  // the end would leave the video
    EXPECT_EQ(line.start, (GeoPoint{400, 300}));
    t.MoveHandleTo(4, 0, 0);  // the band handle moves nothing
    EXPECT_EQ(line.start, (GeoPoint{400, 300}));
    t.MoveHandleTo(2, 704, 576);
    EXPECT_EQ(line.end, (GeoPoint{704, 576}));
}

TEST_F(Trackers, LineTrackerUsesSmallEndHandles) {
    LineRecord line;
    ASSERT_TRUE(geometry::ParseLineText(u"0|(100,100),(300,100)", line));
    overlay::AddLineItems(port, line, items);
    CLineShapeTracker t(port, items, &line);
    t.SetHandleSize(20);
    EXPECT_EQ(t.HitTest({104, 104}), 0);
    EXPECT_EQ(t.HitTest({106, 100}), 2) << "beyond -5..+4 the end is the whole line";
    EXPECT_EQ(t.HitTest({300, 96}), 1);
    t.MoveHandleTo(2, 0, 0);
    EXPECT_EQ(line.end, (GeoPoint{200, 0}));
}

TEST_F(Trackers, PointTrackerAcceptsAnyPosition) {
    PointRecord p;
    p.point = {10, 10};
    overlay::AddPointItems(port, p, items);
    CPointShapeTracker t(port, items, &p);
    t.SetBounds(video);
    EXPECT_EQ(t.HitTest({600, 600}), 1);
    t.MoveHandleTo(1, -50, 9000);
    EXPECT_EQ(p.point, (GeoPoint{-50, 9000}));
}
