// Normal alarm, non-scene, trigger, schedule and tour operations against
// the device.

#include "command_fixture.h"

namespace {

using AlarmTourCommands = CommandFixture;

ParamRecord Owner(const QString& funName, const QString& token) {
    ParamRecord record;
    record.funName = funName;
    record.token = token;
    return record;
}

TEST_F(AlarmTourCommands, NormalAlarmNamesAppendAsPairs) {
    Acknowledge("CMD_GetAllNormalAlarmFunName",
                R"([{"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"},
                    {"NormalAlarmType": "Disk", "NormalAlarmToken": "disk"}])");
    std::vector<NormalAlarmFun> funs(1);
    ASSERT_EQ(channel_.GetAllNormalAlarmFunName(funs), 1);
    EXPECT_EQ(SentInfo("CMD_GetAllNormalAlarmFunName"), Json::Value(""));
    ASSERT_EQ(funs.size(), 3u);
    EXPECT_EQ(funs[1].type, "IO");
    EXPECT_EQ(funs[2].token, "disk");
}

TEST_F(AlarmTourCommands, NormalAlarmDataNeverSendsTheSceneToken) {
    Acknowledge("CMD_GetNormalAlarmData", R"({"Enable": "TRUE"})");
    ParamRecord alarm = Owner("IO", "io-1");
    ASSERT_EQ(channel_.GetNormalAlarmData("s1", alarm), 1);
    EXPECT_EQ(SentInfo("CMD_GetNormalAlarmData"),
              J(R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"})"));
    EXPECT_EQ(alarm.plainParams.at("Enable"), "TRUE");

    Acknowledge("CMD_ModifyNormalAlarmData");
    ASSERT_EQ(channel_.ModifyNormalAlarmData("s1", alarm), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyNormalAlarmData"),
              J(R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1",
                   "NormalAlarmData": {"Token": "io-1", "Enable": "TRUE"}})"));
}

TEST_F(AlarmTourCommands, NonSceneResetCarriesDataAndReadsBack) {
    Acknowledge("CMD_ModifyNonSceneParam");
    Acknowledge("CMD_GetNonSceneParam", R"({"Mtu": "1500"})");
    ParamRecord network = Owner("Network", "");
    network.plainParams["Mtu"] = "9000";
    ASSERT_EQ(channel_.ResetNonSceneParam(network), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyNonSceneParam"), J(R"({"NonSceneName": "Network",
        "CMDType": "Reset", "NonSceneData": {"Token": "", "Mtu": "9000"}})"));
    EXPECT_EQ(SentInfo("CMD_GetNonSceneParam"), J(R"({"NonSceneName": "Network"})"));
    EXPECT_EQ(network.plainParams.at("Mtu"), "1500");

    ASSERT_EQ(channel_.ModifyNonSceneParam(network), 1);
    EXPECT_EQ(SentInfo("CMD_ModifyNonSceneParam")["CMDType"], "Modify");
    EXPECT_EQ(SentInfo("CMD_ModifyNonSceneParam")["NonSceneData"]["Mtu"], "1500");
}

TEST_F(AlarmTourCommands, TriggerAndScheduleIdentityFollowsTheOwner) {
    Acknowledge("CMD_GetActionTrigger");
    Acknowledge("CMD_GetGuardSchedules");
    ParamRecord record = Owner("IO", "io-1");
    ASSERT_EQ(channel_.GetActionTrigger("zelk:NormalAlarm", record), 1);
    EXPECT_EQ(SentInfo("CMD_GetActionTrigger"),
              J(R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"})"));
    ASSERT_EQ(channel_.GetGuardSchedules("zelk:NormalAlarm", record), 1);
    EXPECT_EQ(SentInfo("CMD_GetGuardSchedules"),
              J(R"({"NormalAlarmType": "IO", "NormalAlarmToken": "io-1"})"));

    record = Owner("intrusion", "r1");
    ASSERT_EQ(channel_.GetActionTrigger("s1", record), 1);
    EXPECT_EQ(SentInfo("CMD_GetActionTrigger"),
              J(R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"));
    ASSERT_EQ(channel_.GetGuardSchedules("s1", record), 1);
    EXPECT_EQ(SentInfo("CMD_GetGuardSchedules"),
              J(R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1"})"));
}

TEST_F(AlarmTourCommands, SetActionTriggerWithEmptyRecordSendsNulls) {
    Acknowledge("CMD_SetActionTrigger");
    ASSERT_EQ(channel_.SetActionTrigger("s1", Owner("intrusion", "r1")), 1);
    EXPECT_EQ(SentInfo("CMD_SetActionTrigger"),
              J(R"({"SceneToken": "s1", "SmartFunName": "intrusion", "RuleToken": "r1",
                   "ActionTriggerData": {"simp": null, "data": null}})"));
}

TEST_F(AlarmTourCommands, TriggerReadsBackAndRefusalLeavesRecord) {
    Acknowledge("CMD_GetActionTrigger", R"({"simp": {"AlarmOut": "TRUE"},
        "data": {"Record": {"simp": {"ch": "1"}, "name": "rec"}}})");
    ParamRecord record = Owner("intrusion", "r1");
    ASSERT_EQ(channel_.GetActionTrigger("s1", record), 1);
    EXPECT_EQ(record.plainParams.at("AlarmOut"), "TRUE");
    EXPECT_EQ(record.objectParams.at("Record").attributes.at("ch"), "1");

    Refuse("CMD_GetActionTrigger");
    ParamRecord untouched = Owner("intrusion", "r1");
    EXPECT_EQ(channel_.GetActionTrigger("s1", untouched), 0);
    EXPECT_TRUE(untouched.plainParams.empty());
}

TEST_F(AlarmTourCommands, GuardSchedulesTokenComesBackButIsNeverSent) {
    Acknowledge("CMD_GetGuardSchedules", R"({"Token": "g-1", "Monday": "08:00-18:00"})");
    ParamRecord record = Owner("IO", "io-1");
    ASSERT_EQ(channel_.GetGuardSchedules("zelk:NormalAlarm", record), 1);
    EXPECT_EQ(record.token, "g-1");

    Acknowledge("CMD_SetGuardSchedules");
    ASSERT_EQ(channel_.SetGuardSchedules("zelk:NormalAlarm", record), 1);
    EXPECT_EQ(SentInfo("CMD_SetGuardSchedules"),
              J(R"({"NormalAlarmType": "IO", "NormalAlarmToken": "g-1",
                   "GuardSchedulesData": {"Monday": "08:00-18:00"}})"));
}

TEST_F(AlarmTourCommands, TourDataTravelsBothWays) {
    Acknowledge("CMD_GetSceneTourData", R"({"Enable": "true",
        "Step1": {"simp": null, "name": "s2"}, "Step2": {"simp": {"StayTime": "30"}, "name": "s3"}})");
    TourRecord tour;
    tour.tourType = "NormalTour";
    ASSERT_EQ(channel_.GetSceneTourData(tour), 1);
    EXPECT_EQ(SentInfo("CMD_GetSceneTourData"), J(R"({"SceneTourType": "NormalTour"})"));
    EXPECT_TRUE(tour.entries.at("Step1").attributes.empty());
    EXPECT_EQ(tour.entries.at("Step2").attributes.at("StayTime"), "30");

    Acknowledge("CMD_SetSceneTourData");
    ASSERT_EQ(channel_.SetSceneTourData(tour), 1);
    EXPECT_EQ(SentInfo("CMD_SetSceneTourData"), J(R"({"SceneTourType": "NormalTour", "Data": {
        "Enable": "true", "Step1": {"simp": null, "name": "s2"},
        "Step2": {"simp": {"StayTime": "30"}, "name": "s3"}}})"));
}

}  // namespace
