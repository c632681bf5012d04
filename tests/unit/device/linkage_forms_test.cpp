// The trigger, schedule and tour JSON forms and their owner identity.

#include <gtest/gtest.h>

#include "linkage_forms.h"
#include "test_json.h"
#include "tour_forms.h"

namespace {

using vexo::test::J;

ParamRecord RuleRecord() {
    ParamRecord record;
    record.token = "rule-7";
    record.funName = "intrusion";
    return record;
}

// Only the exact owner token addresses a normal alarm; any other names a
// scene's rule.
TEST(TriggerOwnerInfo, TheNormalAlarmTokenSelectsTheAlarmIdentity) {
    EXPECT_EQ(TriggerOwnerInfo("zelk:NormalAlarm", RuleRecord()),
              J(R"({"NormalAlarmType": "intrusion", "NormalAlarmToken": "rule-7"})"));
    for (const char* token : {"scene-1", "zelk:normalalarm", "zelk:NormalAlarm ", ""}) {
        Json::Value want = J(R"({"SmartFunName": "intrusion", "RuleToken": "rule-7"})");
        want["SceneToken"] = token;
        EXPECT_EQ(TriggerOwnerInfo(token, RuleRecord()), want) << token;
    }
}

TEST(ActionTriggerForm, PlainParamsInSimpObjectParamsInDataNullWhenEmpty) {
    EXPECT_EQ(ActionTriggerJson(ParamRecord{}), J(R"({"simp": null, "data": null})"));
    ParamRecord record = RuleRecord();
    record.plainParams["AlarmOut"] = "TRUE";
    record.objectParams["Record"].text = "ch1";
    record.objectParams["Snap"].attributes["count"] = "3";
    EXPECT_EQ(ActionTriggerJson(record), J(R"({"simp": {"AlarmOut": "TRUE"}, "data": {
        "Record": {"simp": null, "name": "ch1"},
        "Snap": {"simp": {"count": "3"}, "name": ""}}})"));
}

TEST(ActionTriggerForm, ReadsSimpAndAnyOtherObjectAndIgnoresTheRest) {
    ParamRecord record;
    record.plainParams["Kept"] = "1";
    ReadActionTrigger(J(R"({
        "simp": {"AlarmOut": "TRUE", "Bad": 1},
        "data": {"Record": {"simp": {"ch": "2"}, "name": "rec", "extra": {"x": "y"}}, "Skip": "str"},
        "more": {"Mail": {"name": "to"}},
        "Token": "ignored", "list": [1]})"),
                      record);
    EXPECT_EQ(record.plainParams,
              (std::map<QString, QString>{{"AlarmOut", "TRUE"}, {"Kept", "1"}}));
    ASSERT_EQ(record.objectParams.size(), 2u);
    EXPECT_EQ(record.objectParams.at("Record").text, "rec");
    EXPECT_EQ(record.objectParams.at("Record").attributes,
              (std::map<QString, QString>{{"ch", "2"}}));
    EXPECT_EQ(record.objectParams.at("Mail").text, "to");
    EXPECT_TRUE(record.token.isEmpty());
}

TEST(GuardSchedulesForm, WritesNoTokenEvenWhenTheRecordHasOne) {
    ParamRecord record = RuleRecord();
    record.plainParams["Monday"] = "00:00-24:00";
    record.plainParams["Token"] = "sneaked";
    record.objectParams["Holiday"].text = "h";
    EXPECT_EQ(GuardSchedulesJson(record), J(R"({"Monday": "00:00-24:00",
        "Holiday": {"simp": null, "name": "h"}})"));
}

TEST(GuardSchedulesForm, TokenMemberOfReplySetsRecordToken) {
    ParamRecord record = RuleRecord();
    ReadGuardSchedules(J(R"({"Token": "sched-1", "Monday": "08:00-18:00",
        "Week": {"name": "w", "simp": {"d": "1"}, "junk": [1]}, "n": 1})"),
                       record);
    EXPECT_EQ(record.token, "sched-1");
    EXPECT_EQ(record.plainParams, (std::map<QString, QString>{{"Monday", "08:00-18:00"}}));
    EXPECT_EQ(record.objectParams.at("Week").text, "w");
    EXPECT_EQ(record.objectParams.at("Week").attributes, (std::map<QString, QString>{{"d", "1"}}));
}

TEST(SceneTourForm, WritesPlainValuesAndEntries) {
    TourRecord tour;
    tour.tourType = "TimerTour";
    tour.plainValues["Enable"] = "true";
    tour.entries["Step1"].text = "scene-2";
    tour.entries["Step1"].attributes["StayTime"] = "30";
    tour.entries["Step2"].text = "scene-3";
    EXPECT_EQ(SceneTourJson(tour), J(R"({"Enable": "true",
        "Step1": {"simp": {"StayTime": "30"}, "name": "scene-2"},
        "Step2": {"simp": null, "name": "scene-3"}})"));
}

TEST(SceneTourForm, ReadsEntriesNullSimpAndKeepsOtherContents) {
    TourRecord tour;
    tour.tourType = "NormalTour";
    tour.plainValues["Old"] = "x";
    tour.entries["Step1"].attributes["stale"] = "1";
    ReadSceneTourData(J(R"({"Enable": "false", "Step1": {"simp": null, "name": "s1"},
        "Step2": {"simp": {"StayTime": "10", "bad": false}, "name": "s2"}, "n": 4, "a": []})"),
                      tour);
    EXPECT_EQ(tour.tourType, "NormalTour");
    EXPECT_EQ(tour.plainValues, (std::map<QString, QString>{{"Enable", "false"}, {"Old", "x"}}));
    EXPECT_EQ(tour.entries.size(), 2u);
    EXPECT_EQ(tour.entries.at("Step1").text, "s1");
    EXPECT_TRUE(tour.entries.at("Step1").attributes.empty());
    EXPECT_EQ(tour.entries.at("Step2").attributes,
              (std::map<QString, QString>{{"StayTime", "10"}}));

    const TourRecord before = tour;
    ReadSceneTourData(J("[{\"a\": \"b\"}]"), tour);
    ReadSceneTourData(J("\"text\""), tour);
    EXPECT_EQ(tour.plainValues, before.plainValues) << "a reply that is no object changes nothing";
    EXPECT_EQ(tour.entries.size(), 2u);
}

}  // namespace
