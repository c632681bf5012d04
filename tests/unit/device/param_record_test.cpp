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

// Geometry read from any reply, shown in the form it is written back in:
// rectangles, points and PTZ positions take zeros for what is missing or of
// another type; a polygon needs a count of 1 or more, its missing pairs
// are zeros.
TEST(DecodeParamRecord, GeometryScansWithZerosForWhatIsMissing) {
    const ParamRecord record = DecodeText(R"j({"V": {
        "rect": [{"rectF": "(0.1,0.2,0.3,0.4)"}, {"rectF": "(0.5,0.6)"}, {"other": 1}],
        "point": [{"pointF": "(0.25,-0.75)"}, {"pointF": " junk(1,2)tail"}, {"pointF": 7}],
        "polygon": [{"VexoPolygon": "2|(1,2),(3,4)"}, {"VexoPolygon": "3|(1,2)"},
            {"VexoPolygon": "(1,2),(3,4)"}, {"VexoPolygon": "0|(1,2)"}, {"VexoPolygon": "-2|(1,2)"},
            {"VexoPolygon": "99999999999|(1,2)"}, {"VexoPolygon": ""}, {"other": "1|(5,6)"}],
        "PTZ": [{"ptzPoint": {"fPan": 1.5, "fTilt": -2, "fZoom": 3}},
            {"ptzPoint": {"fPan": 4, "fTilt": null}},
            {"ptzPoint": {"fPan": "5", "fTilt": [1], "fZoom": {}}}, {"nothing": true}]}})j");
    EXPECT_EQ(ParamRecordJson(record)["V"], J(R"j({"simp": null, "name": "",
        "rect": [{"rectF": "(0.100000,0.200000,0.300000,0.400000)"},
            {"rectF": "(0.500000,0.600000,0.000000,0.000000)"},
            {"rectF": "(0.000000,0.000000,0.000000,0.000000)"}],
        "point": [{"pointF": "(0.250000,-0.750000)"}, {"pointF": "(1.000000,2.000000)"},
            {"pointF": "(0.000000,0.000000)"}],
        "polygon": [{"VexoPolygon": "2|(1.000000,2.000000),(3.000000,4.000000)"},
            {"VexoPolygon": "3|(1.000000,2.000000),(0.000000,0.000000),(0.000000,0.000000)"}],
        "PTZ": [{"ptzPoint": {"fPan": 1.5, "fTilt": -2.0, "fZoom": 3.0}},
            {"ptzPoint": {"fPan": 4.0, "fTilt": 0.0, "fZoom": 0.0}},
            {"ptzPoint": {"fPan": 0.0, "fTilt": 0.0, "fZoom": 0.0}},
            {"ptzPoint": {"fPan": 0.0, "fTilt": 0.0, "fZoom": 0.0}}]})j"));
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
