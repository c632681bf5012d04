// The play library's reading of the cameras' metadata packets, and what its
// viewer draws of them between the picture and the overlay items.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "metadata_painter.h"
#include "picture_metadata.h"

namespace vexoplay {
namespace {

bool Parse(const std::string& text, PictureMetadata& metadata) {
    return ParsePictureMetadata(reinterpret_cast<const uint8_t*>(text.data()),
                                static_cast<int32_t>(text.size()), metadata);
}

// As the simulated camera sends it: a walker on the left, a car on the
// right, and a wire crossing.
const std::string kPacket =
    R"({"capture_us": 1700000000000000, "frame": 7, "scene": "Scene_001",)"
    R"( "functions": ["zelk:Intrusion_Event", "zelk:Wire_Cross_Event"],)"
    R"( "targets": [{"id": 17, "class": "person", "box": [-0.8, 0.2, -0.7, -0.2]},)"
    R"( {"id": 3, "class": "vehicle", "box": [0.2, -0.4, 0.6, -0.6]}],)"
    R"( "events": [{"function": "zelk:Wire_Cross_Event", "rule": "Wire 01", "target": 3,)"
    R"( "state": "start", "direction": "AtoB", "shape": [[0.0, 0.0], [0.0, -0.9]]}]})";

TEST(PictureMetadata, ReadsTargetsEventsAndFunctions) {
    PictureMetadata metadata;
    ASSERT_TRUE(Parse(kPacket, metadata));
    EXPECT_EQ(metadata.captureUs, 1700000000000000);
    EXPECT_EQ(metadata.functions, QStringList({"zelk:Intrusion_Event", "zelk:Wire_Cross_Event"}));
    ASSERT_EQ(metadata.targets.size(), 2U);
    EXPECT_EQ(metadata.targets[0].id, 17);
    EXPECT_FALSE(metadata.targets[0].vehicle);
    EXPECT_TRUE(metadata.targets[1].vehicle);
    EXPECT_DOUBLE_EQ(metadata.targets[1].box.left(), 0.2);
    EXPECT_DOUBLE_EQ(metadata.targets[1].box.top(), -0.4);
    EXPECT_DOUBLE_EQ(metadata.targets[1].box.bottom(), -0.6);
    ASSERT_EQ(metadata.events.size(), 1U);
    EXPECT_EQ(metadata.events[0].rule, "Wire 01");
    EXPECT_TRUE(metadata.events[0].start);
    ASSERT_EQ(metadata.events[0].shape.size(), 2U);
    EXPECT_DOUBLE_EQ(metadata.events[0].shape[1].y(), -0.9);
}

TEST(PictureMetadata, BrokenPacketsAreIgnoredAndBadEntriesLeftOut) {
    PictureMetadata metadata;
    EXPECT_FALSE(Parse("not json", metadata));
    EXPECT_FALSE(Parse("[1, 2]", metadata));
    EXPECT_FALSE(Parse(R"({"targets": [)", metadata));
    EXPECT_FALSE(Parse("{\"pad\": \"" + std::string(70000, 'x') + "\"}", metadata));
    EXPECT_FALSE(ParsePictureMetadata(nullptr, 10, metadata));

    ASSERT_TRUE(Parse(R"({"capture_us": "soon", "functions": "zelk:Intrusion_Event",)"
                      R"( "targets": [7, {"id": "a", "class": "person", "box": [0, 0, 1, -1]},)"
                      R"( {"id": 1, "class": "ghost", "box": [0, 0, 1, -1]},)"
                      R"( {"id": 2, "class": "person", "box": [0, 0, 1]},)"
                      R"( {"id": 3, "class": "person", "box": [0.5, 0, 0.1, -1]},)"
                      R"( {"id": 4, "class": "person", "box": ["0", 0, 1, -1]},)"
                      R"( {"id": 5, "class": "person", "box": [-9, 9, 0.5, -0.5]}],)"
                      R"( "events": [{"function": 1, "rule": "x", "state": "start"},)"
                      R"( {"function": "f", "rule": "r", "state": "maybe"},)"
                      R"( {"function": "f", "rule": "r", "state": "end", "shape": [[0, "x"]]}]})",
                      metadata));
    EXPECT_EQ(metadata.captureUs, 0);
    EXPECT_TRUE(metadata.functions.isEmpty());
    // Only the last target reads, clamped into the picture.
    ASSERT_EQ(metadata.targets.size(), 1U);
    EXPECT_EQ(metadata.targets[0].id, 5);
    EXPECT_DOUBLE_EQ(metadata.targets[0].box.left(), -1.0);
    EXPECT_DOUBLE_EQ(metadata.targets[0].box.top(), 1.0);
    ASSERT_EQ(metadata.events.size(), 1U);
    EXPECT_FALSE(metadata.events[0].start);
    EXPECT_TRUE(metadata.events[0].shape.empty());

    std::string crowded = R"({"targets": [)";
    for (int i = 0; i < 400; ++i) {
        crowded += R"({"id": 1, "class": "person", "box": [0, 0.1, 0.1, 0]},)";
    }
    crowded += R"({"id": 1, "class": "person", "box": [0, 0.1, 0.1, 0]}]})";
    ASSERT_TRUE(Parse(crowded, metadata));
    EXPECT_EQ(metadata.targets.size(), kMaxMetadataTargets);
}

class Viewer : public ::testing::Test {
protected:
    Viewer() : image_(400, 200, QImage::Format_RGB32) { EXPECT_TRUE(Parse(kPacket, metadata_)); }

    MetadataDrawn Draw(const QString& option, const QString& language = "english",
                       const std::vector<std::vector<QPointF>>& fired = {}) {
        image_.fill(Qt::black);
        QPainter painter(&image_);
        return PaintMetadata(painter, image_.rect(), &metadata_, MetadataChoice::FromOption(option),
                             language, fired);
    }
    // The walker's box: x -0.8 to -0.7 is 40 to 60 px, y 0.2 to -0.2 is
    // 80 to 120 px; its left edge.
    QRgb WalkerEdge() const { return image_.pixel(40, 100); }

    QImage image_;
    PictureMetadata metadata_;
};

TEST_F(Viewer, TargetsOnlyForTheFunctionsInTheOption) {
    EXPECT_EQ(Draw("").boxes, 0);
    EXPECT_EQ(WalkerEdge(), qRgb(0, 0, 0));
    EXPECT_EQ(Draw("zelk:Loitering_Event").boxes, 0);  // the camera does not run it
    EXPECT_EQ(WalkerEdge(), qRgb(0, 0, 0));

    const MetadataDrawn drawn = Draw("zelk:Wire_Cross_Event");
    EXPECT_EQ(drawn.boxes, 2);
    EXPECT_NE(WalkerEdge(), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.labels, QStringList({"Person", "Vehicle"}));
    // The metadata menu's boxes come for every function, classes only when
    // asked for.
    const MetadataDrawn menu = Draw("zelk:ShowTargetBox,zelk:ShowTrack");
    EXPECT_EQ(menu.boxes, 2);
    EXPECT_TRUE(menu.labels.isEmpty());
    EXPECT_EQ(Draw("zelk:ShowTargetBox; zelk:ShowObjectClass").labels.size(), 2);
}

TEST_F(Viewer, ClassesInTheViewersLanguage) {
    EXPECT_EQ(Draw("zelk:Intrusion_Event", "chinese").labels,
              QStringList({QStringLiteral("行人"), QStringLiteral("车辆")}));
    EXPECT_EQ(Draw("zelk:Intrusion_Event", "Chinese").labels.first(), QStringLiteral("行人"));
}

TEST_F(Viewer, FiredShapesAreRed) {
    // A line down the middle of the picture, from its centre.
    const MetadataDrawn drawn = Draw("", "english", {{{0.0, 0.0}, {0.0, -0.9}}});
    EXPECT_EQ(drawn.shapes, 1);
    const QColor middle = image_.pixelColor(200, 150);
    EXPECT_GT(middle.red(), 200);
    EXPECT_LT(middle.green(), 60);
    EXPECT_EQ(image_.pixel(200, 50), qRgb(0, 0, 0));           // above the line's start
    EXPECT_EQ(Draw("", "english", {{{0.0, 0.0}}}).shapes, 0);  // a point is no shape
}

}  // namespace
}  // namespace vexoplay
