// What a device stored differently from what it was sent.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "factory_config.h"
#include "record_compare.h"

namespace {

using vexo::review::CompareStored;
using vexo::test::ParseTestJson;

std::string Polygon(int count, double shift = 0) {
    std::string text = std::to_string(count) + "|";
    for (int i = 0; i < count; ++i) {
        char pair[64];
        std::snprintf(pair, sizeof pair, "%s(%f,%f)", i ? "," : "", -0.5 + 0.1 * i + shift,
                      i % 2 ? 0.4 : -0.4);
        text += pair;
    }
    return text;
}

Json::Value Region(const std::string& polygon) {
    Json::Value record;
    record["Token"] = "Intrusion_Event 01";
    record["DetectionRegion"]["name"] = "";
    record["DetectionRegion"]["simp"] = Json::Value();
    record["DetectionRegion"]["polygon"][0]["VexoPolygon"] = polygon;
    return record;
}

TEST(CompareStored, AShapeCutToFewerPointsGivesBothCounts) {
    const auto differences = CompareStored(Region(Polygon(12)), Region(Polygon(10)));
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].name, "DetectionRegion");
    EXPECT_EQ(differences[0].sent, "12 points");
    EXPECT_EQ(differences[0].stored, "10 points");
}

TEST(CompareStored, PointsDifferOnlyBeyondTheDevicesSixDecimals) {
    EXPECT_TRUE(CompareStored(Region(Polygon(4)), Region(Polygon(4, 4e-7))).empty());
    Json::Value moved = Region(Polygon(4));
    moved["DetectionRegion"]["polygon"][0]["VexoPolygon"] =
        "4|(-0.500000,-0.400000),(-0.400000,0.400000),(-0.300000,-0.400000),(-0.200000,0.350000)";
    const auto differences = CompareStored(Region(Polygon(4)), moved);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].name, "DetectionRegion point 4");
    EXPECT_EQ(differences[0].sent, "(-0.200000, 0.400000)");
    EXPECT_EQ(differences[0].stored, "(-0.200000, 0.350000)");
}

TEST(CompareStored, ClampedValuesAndAttributesButNotBooleanCaseOrUnreturnedMembers) {
    const Json::Value sent = ParseTestJson(R"j({"Token": "W", "Sensitivity": "150",
        "Enable": "TRUE", "WriteOnly": "1", "RuleName": "Gate",
        "Wire": {"name": "", "simp": {"Margin": "99"},
                 "rect": [{"rectF": "(0.1,0.1,0.2,0.2)"}]}})j");
    const Json::Value stored = ParseTestJson(R"j({"Token": "", "Sensitivity": "100",
        "Enable": "true", "RuleName": "Gate",
        "Wire": {"name": "", "simp": {"Margin": "50"},
                 "rect": [{"rectF": "(0.100000,0.100000,0.200000,0.250000)"}]}})j");
    const auto differences = CompareStored(sent, stored);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0].name, "Sensitivity");
    EXPECT_EQ(differences[0].sent, "150");
    EXPECT_EQ(differences[0].stored, "100");
    EXPECT_EQ(differences[1].name, "Wire.Margin");
    EXPECT_EQ(differences[2].name, "Wire");
    EXPECT_THAT(differences[2].stored, ::testing::HasSubstr("0.250000"));
}

TEST(CompareStored, AClearedShapeIsAShapeWithNoPoints) {
    Json::Value cleared = Region("");
    cleared["DetectionRegion"].removeMember("polygon");
    const auto differences = CompareStored(Region(Polygon(3)), cleared);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].stored, "0 points");
}

}  // namespace
