// Linkage actions, arming schedules, normal alarms, non-scene functions and
// scene tours on the simulated device.

#include <gtest/gtest.h>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

const char* kRuleOwner =
    R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event","RuleToken":"Intrusion_Event 01")";
const char* kAlarmOwner =
    R"({"NormalAlarmType":"zelk:Alarm_Input_Event","NormalAlarmToken":"AlarmIn 02")";

Json::Value With(const char* owner, const std::string& tail) {
    return J(std::string(owner) + tail);
}

TEST(ActionTrigger, RuleAndAlarmKeepTheirOwnActions) {
    SimDevice device;
    const Json::Value factory = device.Ok("CMD_GetActionTrigger", With(kRuleOwner, "}"));
    EXPECT_EQ(factory["data"]["AlarmOutput"]["simp"]["AlarmOut1"].asString(), "FALSE");
    EXPECT_TRUE(factory["simp"]["AlarmOutput"].isString());

    device.Ok("CMD_SetActionTrigger", With(kRuleOwner, R"(,"ActionTriggerData":{"simp":null,
        "data":{"AlarmOutput":{"simp":{"AlarmOut1":"True"},"name":""},
                "Notification":{"simp":{"SendEmail":"TRUE"},"name":""}}}})"));
    device.Ok("CMD_SetActionTrigger",
              With(kAlarmOwner, R"(,"ActionTriggerData":{"simp":{"Capture":"5"},"data":null}})"));

    const Json::Value rule = device.Ok("CMD_GetActionTrigger", With(kRuleOwner, "}"));
    EXPECT_EQ(rule["data"]["AlarmOutput"]["simp"]["AlarmOut1"].asString(), "TRUE");
    EXPECT_EQ(rule["data"]["AlarmOutput"]["simp"]["AlarmOut2"].asString(), "FALSE");
    EXPECT_EQ(rule["data"]["Notification"]["simp"]["SendEmail"].asString(), "TRUE");
    EXPECT_EQ(rule["simp"], factory["simp"]);
    const Json::Value alarm = device.Ok("CMD_GetActionTrigger", With(kAlarmOwner, "}"));
    EXPECT_EQ(alarm["simp"]["Capture"].asString(), "5");
    EXPECT_EQ(alarm["data"], factory["data"]);
    // Another rule was not touched.
    const Json::Value other = device.Ok(
        "CMD_GetActionTrigger",
        J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event","RuleToken":"Intrusion_Event 02"})"));
    EXPECT_EQ(other, factory);
}

TEST(ActionTrigger, RefusesUnknownActionsAndStates) {
    SimDevice device;
    struct Case {
        const char* data;
        const char* error;
    };
    const Case cases[] = {
        {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut9":"TRUE"}}}})", err::kUnknownAction},
        {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut1":"maybe"}}}})", err::kParamRange},
        {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut1":true}}}})", err::kParamType},
        {R"({"simp":{"AlarmOutput":"8"}})", err::kParamRange},
        {R"({"data":[]})", err::kMemberType},
        {R"({"extra":{}})", err::kUnknownParam},
    };
    for (const Case& c : cases) {
        Json::Value info = With(kRuleOwner, "}");
        info["ActionTriggerData"] = J(c.data);
        EXPECT_EQ(device.Refused("CMD_SetActionTrigger", info), c.error) << c.data;
    }
    EXPECT_EQ(device.Refused("CMD_SetActionTrigger", With(kRuleOwner, "}")), err::kMissingMember);
    EXPECT_EQ(
        device.Refused(
            "CMD_GetActionTrigger",
            J(R"({"NormalAlarmType":"zelk:Alarm_Input_Event","NormalAlarmToken":"AlarmIn 09"})")),
        err::kUnknownAlarm);
}

TEST(GuardSchedules, WeekIsStoredPerOwnerAndReadBackWithItsToken) {
    SimDevice device;
    Json::Value factory = device.Ok("CMD_GetGuardSchedules", With(kAlarmOwner, "}"));
    EXPECT_EQ(factory["Token"].asString(), "AlarmIn 02");
    EXPECT_EQ(factory["Sun"]["simp"]["GuardTime 1"].asString(), "0|1440");

    device.Ok("CMD_SetGuardSchedules", With(kRuleOwner, R"(,"GuardSchedulesData":{
        "Mon":{"simp":{"GuardTime 1":"0|480","GuardTime 2":"1020|1440"},"name":""},
        "Tue":{"simp":null,"name":""}}})"));
    const Json::Value week = device.Ok("CMD_GetGuardSchedules", With(kRuleOwner, "}"));
    EXPECT_EQ(week["Token"].asString(), "Intrusion_Event 01");
    EXPECT_EQ(week["Mon"]["simp"].size(), 2u);
    EXPECT_EQ(week["Mon"]["simp"]["GuardTime 2"].asString(), "1020|1440");
    EXPECT_TRUE(week["Tue"]["simp"].isNull());
    EXPECT_EQ(week["Wed"]["simp"]["GuardTime 1"].asString(), "0|1440");
    EXPECT_EQ(device.Ok("CMD_GetGuardSchedules", With(kAlarmOwner, "}")), factory);
}

TEST(GuardSchedules, RefusesBrokenAndOverlappingPeriods) {
    SimDevice device;
    struct Case {
        const char* data;
        const char* error;
    };
    const Case cases[] = {
        {R"({"Mon":{"simp":{"GuardTime 1":"0|480","GuardTime 2":"479|600"}}})", err::kOverlap},
        {R"({"Mon":{"simp":{"GuardTime 1":"600|600"}}})", err::kEndBeforeStart},
        {R"({"Mon":{"simp":{"GuardTime 1":"0|1441"}}})", err::kSchedule},
        {R"({"Mon":{"simp":{"GuardTime 1":480}}})", err::kSchedule},
        {R"({"Someday":{"simp":null}})", err::kUnknownParam},
        {R"({"Mon":"all day"})", err::kMemberType},
    };
    for (const Case& c : cases) {
        Json::Value info = With(kRuleOwner, "}");
        info["GuardSchedulesData"] = J(c.data);
        EXPECT_EQ(device.Refused("CMD_SetGuardSchedules", info), c.error) << c.data;
    }
    // Back-to-back periods do not overlap; sixteen is the most a day holds.
    Json::Value info = With(kRuleOwner, "}");
    for (int i = 0; i < 16; ++i) {
        info["GuardSchedulesData"]["Fri"]["simp"]["GuardTime " + std::to_string(i + 1)] =
            std::to_string(i * 60) + "|" + std::to_string(i * 60 + 60);
    }
    device.Ok("CMD_SetGuardSchedules", info);
    info["GuardSchedulesData"]["Fri"]["simp"]["GuardTime 17"] = "1000|1001";
    EXPECT_EQ(device.Refused("CMD_SetGuardSchedules", info), err::kSchedule);
}

TEST(NormalAlarms, ListDataAndChanges) {
    SimDevice device;
    const Json::Value list = device.Ok("CMD_GetAllNormalAlarmFunName");
    ASSERT_GE(list.size(), 4u);
    bool found = false;
    for (const Json::Value& alarm : list) {
        found = found || (alarm["NormalAlarmType"].asString() == "zelk:Alarm_Input_Event" &&
                          alarm["NormalAlarmToken"].asString() == "AlarmIn 02");
    }
    EXPECT_TRUE(found);
    Json::Value modify = With(kAlarmOwner, R"(,"NormalAlarmData":{"InputType":"NormallyClosed",
        "AlarmName":"Back door"}})");
    device.Ok("CMD_ModifyNormalAlarmData", modify);
    const Json::Value data = device.Ok("CMD_GetNormalAlarmData", With(kAlarmOwner, "}"));
    EXPECT_EQ(data["Token"].asString(), "AlarmIn 02");
    EXPECT_EQ(data["InputType"].asString(), "NormallyClosed");
    EXPECT_EQ(data["AlarmName"].asString(), "Back door");
    modify["NormalAlarmData"] = J(R"({"InputType":"Sometimes"})");
    EXPECT_EQ(device.Refused("CMD_ModifyNormalAlarmData", modify), err::kParamRange);
}

TEST(NonScene, ModifyAndResetWithTheRecordSentAlong) {
    SimDevice device;
    const Json::Value name = J(R"({"NonSceneName":"zelk:Counting_Report_Settings"})");
    Json::Value modify = name;
    modify["CMDType"] = "Modify";
    modify["NonSceneData"] = J(R"({"CounterResetTime":"1439","ReportInterval":"Minutes60"})");
    device.Ok("CMD_ModifyNonSceneParam", modify);
    EXPECT_EQ(device.Ok("CMD_GetNonSceneParam", name)["CounterResetTime"].asString(), "1439");
    modify["NonSceneData"] = J(R"({"CounterResetTime":"1440"})");
    EXPECT_EQ(device.Refused("CMD_ModifyNonSceneParam", modify), err::kParamRange);
    Json::Value reset = modify;
    reset["CMDType"] = "Reset";  // the record travels along and is not applied
    device.Ok("CMD_ModifyNonSceneParam", reset);
    const Json::Value after = device.Ok("CMD_GetNonSceneParam", name);
    EXPECT_EQ(after["CounterResetTime"].asString(), "0");
    EXPECT_EQ(after["ReportInterval"].asString(), "Minutes15");
    EXPECT_EQ(device.Refused("CMD_GetNonSceneParam", J(R"({"NonSceneName":"zelk:None"})")),
              err::kUnknownNonScene);
}

TEST(SceneTours, NormalTourRowsNameScenesWithinTheStayRange) {
    SimDevice device;
    const Json::Value tour =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})"));
    EXPECT_EQ(tour["StayTime"].asString(), "30");
    EXPECT_EQ(tour["Tour0"]["simp"]["AnalyticsConfigurationToken"].asString(), "Scene_002");
    EXPECT_TRUE(tour["Tour7"].isObject());

    device.Ok("CMD_SetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour","Data":{
        "Tour2":{"simp":{"AnalyticsConfigurationToken":"Scene_003","StayTime":"3600","ClearFlag":"True"},"name":""}}})"));
    const Json::Value after =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})"));
    EXPECT_EQ(after["Tour2"]["simp"]["StayTime"].asString(), "3600");
    EXPECT_EQ(after["Tour2"]["simp"]["ClearFlag"].asString(), "true");
    EXPECT_EQ(after["Tour0"], tour["Tour0"]);

    struct Case {
        const char* data;
        const char* error;
    };
    const Case cases[] = {
        {R"({"Tour1":{"simp":{"StayTime":"9"}}})", err::kParamRange},
        {R"({"Tour1":{"simp":{"AnalyticsConfigurationToken":"Scene_404"}}})", err::kNoScene},
        {R"({"Tour8":{"simp":{"StayTime":"20"}}})", err::kNoTourRow},
        {R"({"Speed":"fast"})", err::kUnknownParam},
        {R"({"Tour1":7})", err::kMemberType},
    };
    for (const Case& c : cases) {
        Json::Value info = J(R"({"SceneTourType":"NormalSceneTour"})");
        info["Data"] = J(c.data);
        EXPECT_EQ(device.Refused("CMD_SetSceneTourData", info), c.error) << c.data;
    }
    EXPECT_EQ(device.Refused("CMD_GetSceneTourData", J(R"({"SceneTourType":"Orbit"})")),
              err::kUnknownTour);
}

TEST(SceneTours, TimerTourWindowsMustNotOverlap) {
    SimDevice device;
    device.Ok("CMD_SetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour","Data":{
        "Enabled":"true","Sun":"false",
        "Tour0":{"simp":{"AnalyticsConfigurationToken":"Scene_002","StartTime":"08:00","EndTime":"12:00"}},
        "Tour1":{"simp":{"AnalyticsConfigurationToken":"Scene_003","StartTime":"12:00","EndTime":"24:00"}}}})"));
    const Json::Value tour =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour"})"));
    EXPECT_EQ(tour["Enabled"].asString(), "true");
    EXPECT_EQ(tour["Sun"].asString(), "false");
    EXPECT_EQ(tour["Tour1"]["simp"]["EndTime"].asString(), "24:00");

    EXPECT_EQ(device.Refused("CMD_SetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour","Data":{
        "Tour2":{"simp":{"AnalyticsConfigurationToken":"Scene_001","StartTime":"11:00","EndTime":"13:00"}}}})")),
              err::kOverlap);
    EXPECT_EQ(device.Refused("CMD_SetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour","Data":{
        "Tour0":{"simp":{"StartTime":"12:00","EndTime":"12:00"}}}})")),
              err::kEndBeforeStart);
    EXPECT_EQ(device.Refused("CMD_SetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour","Data":{
        "Tour0":{"simp":{"StartTime":"7:00"}}}})")),
              err::kParamRange);
    EXPECT_EQ(device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour"})")), tour);
}

}  // namespace
}  // namespace devsim::test
