// What the simulated device refuses of linkage actions, arming schedules and
// scene tours, and its non-scene functions. (What it keeps of each is read
// back by the editors' host scripts.)

#include <gtest/gtest.h>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

const char* kRuleOwner =
    R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event","RuleToken":"Intrusion_Event 01")";

Json::Value With(const char* owner, const std::string& tail) {
    return J(std::string(owner) + tail);
}

// What a rule and an alarm keep as their actions is read back by the
// linkage editors' scripts (smart_editors.js, normal_editors.js); here,
// what the device refuses.
TEST(ActionTrigger, RefusesUnknownActionsAndStates) {
    SimDevice device;
    ExpectRefusals(
        device, "CMD_SetActionTrigger", With(kRuleOwner, "}"), "ActionTriggerData",
        {
            {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut9":"TRUE"}}}})", err::kUnknownAction},
            {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut1":"maybe"}}}})", err::kParamRange},
            {R"({"data":{"AlarmOutput":{"simp":{"AlarmOut1":true}}}})", err::kParamType},
            {R"({"simp":{"AlarmOutput":"8"}})", err::kParamRange},
            {R"({"data":[]})", err::kMemberType},
            {R"({"extra":{}})", err::kUnknownParam},
        });
    EXPECT_EQ(device.Refused("CMD_SetActionTrigger", With(kRuleOwner, "}")), err::kMissingMember);
    EXPECT_EQ(
        device.Refused(
            "CMD_GetActionTrigger",
            J(R"({"NormalAlarmType":"zelk:Alarm_Input_Event","NormalAlarmToken":"AlarmIn 09"})")),
        err::kUnknownAlarm);
}

// Weeks stored per rule and per alarm are the schedule editors' scripts
// (smart_editors.js, normal_editors.js).
TEST(GuardSchedules, RefusesBrokenAndOverlappingPeriods) {
    SimDevice device;
    ExpectRefusals(
        device, "CMD_SetGuardSchedules", With(kRuleOwner, "}"), "GuardSchedulesData",
        {
            {R"({"Mon":{"simp":{"GuardTime 1":"0|480","GuardTime 2":"479|600"}}})", err::kOverlap},
            {R"({"Mon":{"simp":{"GuardTime 1":"600|600"}}})", err::kEndBeforeStart},
            {R"({"Mon":{"simp":{"GuardTime 1":"0|1441"}}})", err::kSchedule},
            {R"({"Mon":{"simp":{"GuardTime 1":480}}})", err::kSchedule},
            {R"({"Someday":{"simp":null}})", err::kUnknownParam},
            {R"({"Mon":"all day"})", err::kMemberType},
        });
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

// Normal alarm data, its changes and a value out of range: the normal
// arming page's script (normal_parameters.js).
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

// The tours' rows read, changed and read back are the tour view's script
// (scene_tours.js); here, what the device refuses, changing nothing.
TEST(SceneTours, RefusalsChangeNothing) {
    SimDevice device;
    const Json::Value normal =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})"));
    const Json::Value timer =
        device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour"})"));
    ExpectRefusals(
        device, "CMD_SetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})"), "Data",
        {
            {R"({"Tour1":{"simp":{"StayTime":"9"}}})", err::kParamRange},
            {R"({"Tour1":{"simp":{"AnalyticsConfigurationToken":"Scene_404"}}})", err::kNoScene},
            {R"({"Tour8":{"simp":{"StayTime":"20"}}})", err::kNoTourRow},
            {R"({"Speed":"fast"})", err::kUnknownParam},
            {R"({"Tour1":7})", err::kMemberType},
        });
    ExpectRefusals(
        device, "CMD_SetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour"})"), "Data",
        {
            {R"({
            "Tour0":{"simp":{"AnalyticsConfigurationToken":"Scene_002","StartTime":"08:00","EndTime":"12:00"}},
            "Tour1":{"simp":{"AnalyticsConfigurationToken":"Scene_003","StartTime":"11:00","EndTime":"13:00"}}})",
             err::kOverlap},
            {R"({"Tour0":{"simp":{"AnalyticsConfigurationToken":"Scene_002","StartTime":"12:00","EndTime":"12:00"}}})",
             err::kEndBeforeStart},
            {R"({"Tour0":{"simp":{"StartTime":"7:00"}}})", err::kParamRange},
        });
    EXPECT_EQ(device.Refused("CMD_GetSceneTourData", J(R"({"SceneTourType":"Orbit"})")),
              err::kUnknownTour);
    EXPECT_EQ(device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"NormalSceneTour"})")),
              normal);
    EXPECT_EQ(device.Ok("CMD_GetSceneTourData", J(R"({"SceneTourType":"TimeSceneTour"})")), timer);
}

}  // namespace
}  // namespace devsim::test
