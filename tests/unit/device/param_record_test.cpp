// The JSON form of a parameter record: what EncodeParamRecord writes and
// what DecodeParamRecord makes of any reply.

#include <gtest/gtest.h>

#include "param_record.h"
#include "test_json.h"

namespace {

using vexo::test::J;

ParamRecord DecodeText(const std::string& text, ParamRecord record = {}) {
    DecodeParamRecord(J(text), record);
    return record;
}

TEST(EncodeParamRecord, WritesTokenPlainAndObjectMembers) {
    ParamRecord record;
    record.token = "rule-1";
    record.secondText = "never sent";
    record.funName = "intrusion";
    record.plainParams["Sensitivity"] = "50";
    ParamValue value;
    value.text = "Region";
    value.attributes["color"] = "red";
    record.objectParams["Area"] = value;

    Json::Value target;
    EncodeParamRecord(target, record, "RuleModuleData");

    EXPECT_EQ(target, J(R"j({"RuleModuleData": {
        "Token": "rule-1", "Sensitivity": "50",
        "Area": {"simp": {"color": "red"}, "name": "Region"}}})j"));
}

TEST(EncodeParamRecord, EmptyRecordAndValueKeepTokenNullSimpAndName) {
    Json::Value target;
    EncodeParamRecord(target, ParamRecord{}, "NonSceneData");
    EXPECT_EQ(target, J(R"j({"NonSceneData": {"Token": ""}})j"));
    ParamRecord record;
    record.objectParams["Line"] = ParamValue{};
    EXPECT_EQ(ParamRecordJson(record)["Line"], J(R"j({"simp": null, "name": ""})j"));
}

TEST(EncodeParamRecord, GeometryTextsUseSixDecimalsInListOrder) {
    ParamValue value;
    value.rectangles = {{-0.5f, 0.25f, 1.0f, 0.125f}, {0, 0, 0, 0}};
    value.points = {{0.1f, -0.2f}};
    value.polygons = {{{1, 2}, {3, 4}, {-0.5f, 0.75f}}, {}};
    value.ptzPositions = {{10.5f, -3.25f, 2.0f}};
    ParamRecord record;
    record.objectParams["Geo"] = value;
    const Json::Value geo = ParamRecordJson(record)["Geo"];

    EXPECT_EQ(geo["rect"], J(R"j([{"rectF": "(-0.500000,0.250000,1.000000,0.125000)"},
                                {"rectF": "(0.000000,0.000000,0.000000,0.000000)"}])j"));
    EXPECT_EQ(geo["point"], J(R"j([{"pointF": "(0.100000,-0.200000)"}])j"));
    EXPECT_EQ(
        geo["polygon"],
        J(R"j([{"VexoPolygon": "3|(1.000000,2.000000),(3.000000,4.000000),(-0.500000,0.750000)"},
                   {"VexoPolygon": ""}])j"));
    EXPECT_EQ(geo["PTZ"], J(R"j([{"ptzPoint": {"fPan": 10.5, "fTilt": -3.25, "fZoom": 2.0}}])j"));
}

TEST(DecodeParamRecord, TokenMemberSetsTheTokenAndUnmentionedEntriesStay) {
    ParamRecord earlier;
    earlier.token = "keep";
    earlier.funName = "loitering";
    earlier.plainParams["Old"] = "1";
    earlier.plainParams["Level"] = "2";
    earlier.objectParams["OldArea"].text = "x";
    ParamRecord record = DecodeText(R"j({"Level": "5", "Area": {"name": "A"}})j", earlier);
    EXPECT_EQ(record.token, "keep");
    EXPECT_EQ(record.funName, "loitering");
    EXPECT_EQ(record.plainParams, (std::map<QString, QString>{{"Level", "5"}, {"Old", "1"}}));
    EXPECT_EQ(record.objectParams.at("OldArea").text, "x");
    EXPECT_EQ(record.objectParams.at("Area").text, "A");

    record = DecodeText(R"j({"Token": "t-9", "Level": "3"})j");
    EXPECT_EQ(record.token, "t-9");
    EXPECT_EQ(record.plainParams, (std::map<QString, QString>{{"Level", "3"}}));
}

TEST(DecodeParamRecord, ObjectValueReplacesTheWholeEarlierValue) {
    ParamRecord earlier;
    earlier.objectParams["Area"].attributes["stale"] = "1";
    earlier.objectParams["Area"].points = {{1, 1}};
    const ParamRecord record = DecodeText(R"j({"Area": {"simp": {"a": "b"}}})j", earlier);
    const ParamValue& area = record.objectParams.at("Area");
    EXPECT_EQ(area.attributes, (std::map<QString, QString>{{"a", "b"}}));
    EXPECT_TRUE(area.points.empty());
}

TEST(DecodeParamRecord, NullSimpGivesNoAttributesAndEveryObjectMemberAddsSome) {
    const ParamRecord record = DecodeText(
        R"j({"V": {"simp": null, "name": "n"}, "W": {"extra": {"k": "v", "n": 5}, "simp": {"a": "1"}}})j");
    EXPECT_TRUE(record.objectParams.at("V").attributes.empty());
    EXPECT_EQ(record.objectParams.at("W").attributes,
              (std::map<QString, QString>{{"a", "1"}, {"k", "v"}}));
    // "zz" sorts after "name": the last string member in key order is the text.
    EXPECT_EQ(DecodeText(R"j({"V": {"name": "first", "zz": "last"}})j").objectParams.at("V").text,
              "last");
}

// Rectangles and points scan their text, with zeros for what is missing.
TEST(DecodeParamRecord, RectanglesAndPointsScanWithZerosForMissingFields) {
    const ParamRecord record = DecodeText(R"j({"V": {"rect": [
        {"rectF": "(0.1,0.2,0.3,0.4)"}, {"rectF": "(0.5,0.6)"}, {"other": 1}],
        "point": [{"pointF": "(0.25,-0.75)"}, {"pointF": " junk(1,2)tail"}, {"pointF": 7}]}})j");
    const auto& rects = record.objectParams.at("V").rectangles;
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_FLOAT_EQ(rects[0].Height, 0.4f);
    EXPECT_FLOAT_EQ(rects[1].Y, 0.6f);
    EXPECT_FLOAT_EQ(rects[1].Width, 0.0f);
    EXPECT_FLOAT_EQ(rects[2].X, 0.0f);
    const auto& points = record.objectParams.at("V").points;
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[0].Y, -0.75f);
    EXPECT_FLOAT_EQ(points[1].Y, 2.0f);
    EXPECT_FLOAT_EQ(points[2].X, 0.0f);
}

TEST(DecodeParamRecord, PolygonCountsAndMissingPairs) {
    const ParamRecord record = DecodeText(R"j({"V": {"polygon": [
        {"VexoPolygon": "2|(1,2),(3,4)"},
        {"VexoPolygon": "3|(1,2)"},
        {"VexoPolygon": "(1,2),(3,4)"},
        {"VexoPolygon": "0|(1,2)"},
        {"VexoPolygon": "-2|(1,2)"},
        {"VexoPolygon": "99999999999|(1,2)"},
        {"VexoPolygon": ""},
        {"other": "1|(5,6)"}]}})j");
    const auto& polygons = record.objectParams.at("V").polygons;
    ASSERT_EQ(polygons.size(), 2u);
    ASSERT_EQ(polygons[0].size(), 2u);
    EXPECT_FLOAT_EQ(polygons[0][0].X, 1);
    EXPECT_FLOAT_EQ(polygons[0][0].Y, 2);
    EXPECT_FLOAT_EQ(polygons[0][1].X, 3);
    EXPECT_FLOAT_EQ(polygons[0][1].Y, 4);
    ASSERT_EQ(polygons[1].size(), 3u);
    EXPECT_FLOAT_EQ(polygons[1][0].Y, 2);
    EXPECT_FLOAT_EQ(polygons[1][1].X, 0);
    EXPECT_FLOAT_EQ(polygons[1][2].Y, 0);
}

TEST(DecodeParamRecord, PtzMembersMissingOrNullAreZero) {
    const ParamRecord record = DecodeText(R"j({"V": {"PTZ": [
        {"ptzPoint": {"fPan": 1.5, "fTilt": -2, "fZoom": 3}},
        {"ptzPoint": {"fPan": 4, "fTilt": null}},
        {"ptzPoint": {"fPan": "5", "fTilt": [1], "fZoom": {}}},
        {"nothing": true}]}})j");
    const auto& ptz = record.objectParams.at("V").ptzPositions;
    ASSERT_EQ(ptz.size(), 4u);
    EXPECT_FLOAT_EQ(ptz[0].pan, 1.5f);
    EXPECT_FLOAT_EQ(ptz[0].tilt, -2);
    EXPECT_FLOAT_EQ(ptz[1].pan, 4);
    EXPECT_FLOAT_EQ(ptz[1].tilt, 0);
    EXPECT_FLOAT_EQ(ptz[1].zoom, 0);
    EXPECT_FLOAT_EQ(ptz[2].pan, 0);
    EXPECT_FLOAT_EQ(ptz[3].zoom, 0);
}

TEST(DecodeParamRecord, UnexpectedTypesAreIgnoredNotThrown) {
    ParamRecord earlier;
    earlier.plainParams["n"] = "kept";
    const ParamRecord record = DecodeText(R"j({"n": 5, "b": true, "a": [1, 2], "z": null,
        "V": {"rect": "notalist", "point": [1, "x", null], "simp": {"k": [1]}, "name": 3}})j",
                                          earlier);
    EXPECT_EQ(record.plainParams.size(), 1u);
    EXPECT_EQ(record.plainParams.at("n"), "kept");
    const ParamValue& v = record.objectParams.at("V");
    EXPECT_EQ(v.text, "notalist");  // any string member is the text, whatever its name
    EXPECT_TRUE(v.attributes.empty());
    EXPECT_TRUE(v.rectangles.empty());
    EXPECT_EQ(v.points.size(), 3u);  // elements without a text are (0, 0)

    ParamRecord untouched = earlier;
    DecodeParamRecord(J("[1, 2]"), untouched);
    DecodeParamRecord(J("\"text\""), untouched);
    EXPECT_EQ(untouched.plainParams, earlier.plainParams);
}

}  // namespace
