// The shapes the live view takes from the device: those of the selected
// scene, the edges of the picture for coordinates beyond it, and demo shapes
// only where the device has none.
#include <QRegularExpression>
#include <cmath>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "device_shapes.h"
#include "live_view_fixture.h"

using namespace liveview;
using namespace liveview::test;

namespace {

class DeviceShapesTest : public LiveViewTest {
protected:
    void SetUp() override {
        LiveViewTest::SetUp();
        ASSERT_TRUE(channel.ParamInit(&session, options.device, options.user, options.password));
    }
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
};

}  // namespace

TEST_F(DeviceShapesTest, AnEditedRuleIsWhatTheViewShows) {
    // Change the default scene's first intrusion rule to a five-point
    // region: the view must show the device's value, not a remembered one.
    ParamRecord rule;
    rule.funName = QStringLiteral("zelk:Intrusion_Event");
    rule.token = QStringLiteral("Intrusion_Event 01");
    rule.objectParams[QStringLiteral("DetectionRegion")].polygons = {
        {{-0.9f, 0.9f}, {0.0f, 0.95f}, {0.9f, 0.9f}, {0.8f, -0.8f}, {-0.8f, -0.8f}}};
    ASSERT_TRUE(channel.ModifyRuleParam(QStringLiteral("Scene_001"), rule));

    const LiveShapes shapes = ReadDeviceShapes(channel);
    ASSERT_TRUE(shapes.region);
    ASSERT_EQ(shapes.region->points.size(), 5u);
    EXPECT_FLOAT_EQ(shapes.region->points[1].Y, 0.95f);
    EXPECT_TRUE(shapes.region->source.contains(QStringLiteral("Intrusion_Event 01")));
    ASSERT_TRUE(shapes.wire);
    EXPECT_TRUE(shapes.wire->source.contains(QStringLiteral("Wire_Cross_Event")));
    EXPECT_EQ(shapes.wire->direction, 1) << "the factory wire counts A to B";
    ASSERT_TRUE(shapes.point) << "the calibration module carries a point";
    EXPECT_TRUE(AllFromDevice(shapes));
}

TEST_F(DeviceShapesTest, ASceneWithoutRulesGetsDemoShapesForWhatIsMissing) {
    QString token;
    ASSERT_TRUE(channel.AddScene(QStringLiteral("Empty"), token));
    ASSERT_TRUE(channel.SetCurScene(token));

    const LiveShapes fromDevice = ReadDeviceShapes(channel);
    // The new scene has no analytics functions; its modules' horizon line
    // and shielded area are no rule shapes.
    EXPECT_FALSE(fromDevice.region);
    EXPECT_FALSE(fromDevice.wire);

    const LiveShapes shown = WithDemoShapes(fromDevice);
    ASSERT_TRUE(shown.region && shown.wire && shown.point);
    EXPECT_TRUE(shown.region->source.isEmpty());
    EXPECT_FALSE(AllFromDevice(shown));
    if (fromDevice.point) {
        EXPECT_EQ(shown.point->source, fromDevice.point->source) << "the device's point is kept";
    }
}

TEST_F(DeviceShapesTest, CoordinatesBeyondThePictureArePulledOntoIt) {
    // Every rule and module read answers a hostile record.
    ASSERT_EQ(sim.Script("CMD_GetRuleModuleParam", R"json({"ack": "0", "errinfo": "", "info": {
        "Direction": "Any",
        "DetectionRegion": {"polygon": [{"VexoPolygon": "3|(1e30,-7),(nan,0.5),(0.25,inf)"}]},
        "Wire": {"polygon": [{"VexoPolygon": "2|(-3,0),(0.5,-1e9)"}]},
        "Spot": {"point": [{"pointF": "(9,-9)"}]}}})json"),
              200);

    const LiveShapes shapes = ReadDeviceShapes(channel);
    ASSERT_TRUE(shapes.region && shapes.wire && shapes.point);
    for (const PointF& p : shapes.region->points) {
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
        EXPECT_LE(std::fabs(p.X), 1.0f);
        EXPECT_LE(std::fabs(p.Y), 1.0f);
    }
    EXPECT_EQ(std::pair(shapes.region->points[0].X, shapes.region->points[0].Y),
              std::pair(1.0f, -1.0f));
    EXPECT_FLOAT_EQ(shapes.wire->start.X, -1.0f);
    EXPECT_FLOAT_EQ(shapes.wire->end.Y, -1.0f);
    EXPECT_EQ(shapes.wire->direction, 0) << "\"Any\" shows both arrows";
    EXPECT_EQ(std::pair(shapes.point->point.X, shapes.point->point.Y), std::pair(1.0f, -1.0f));
}

TEST_F(DeviceShapesTest, ReadsStopAtTheFirstSignOfADeviceOutOfReach) {
    // Rule and module reads lose their connection; everything else works.
    ASSERT_EQ(sim.ControlText(R"({"fault": {"op": "CMD_GetRuleModuleParam", "kind": "drop"}})"),
              200);

    const LiveShapes shapes = ReadDeviceShapes(channel);
    EXPECT_FALSE(shapes.region || shapes.wire || shapes.point);
    int reads = 0;
    for (const Json::Value& line : sim.Journal()) {
        reads += line["request"].asString().find("CMD_GetRuleModuleParam") != std::string::npos;
    }
    // One read, and at most the network library's one retry of it: the
    // default scene alone has four rules and a dozen modules to read.
    EXPECT_GE(reads, 1);
    EXPECT_LE(reads, 2);
}
