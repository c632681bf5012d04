// Every operation against the simulator's own device model: what the
// channel decodes, and that what it wrote is what the device keeps, also
// across a restart of the device.

#include <algorithm>

#include "command_fixture.h"

namespace {

constexpr const char* kIntrusion = "zelk:Intrusion_Event";

class DeviceModel : public CommandFixture {
protected:
    // The token of the device's default scene.
    QString DefaultScene() {
        std::vector<SceneRecord> scenes;
        EXPECT_EQ(channel_.GetSceneList(scenes), 1);
        for (const SceneRecord& scene : scenes) {
            if (scene.kind == kDefaultScene) {
                return scene.token;
            }
        }
        ADD_FAILURE() << "no default scene";
        return QString();
    }

    // Restarts the device on its state folder and logs the channel in again.
    void RestartDevice() {
        ASSERT_TRUE(sim_.Restart());
        ASSERT_EQ(
            channel_.ParamInit(&session_, QString::fromStdString(sim_.Address()),
                               vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword),
            1);
    }

    ParamRecord ReadRule(const QString& scene, const QString& token) {
        ParamRecord record;
        record.funName = kIntrusion;
        record.token = token;
        EXPECT_EQ(channel_.GetRuleParam(scene, record), 1) << LastError().toStdString();
        return record;
    }
};

TEST_F(DeviceModel, ScenesAddChangeAndDelete) {
    std::vector<SceneRecord> scenes;
    ASSERT_EQ(channel_.GetSceneList(scenes), 1);
    ASSERT_GE(scenes.size(), 1u);
    EXPECT_EQ(std::count_if(scenes.begin(), scenes.end(),
                            [](const SceneRecord& s) { return s.kind == kDefaultScene; }),
              1);
    EXPECT_EQ(std::count_if(scenes.begin(), scenes.end(),
                            [](const SceneRecord& s) { return s.selected == 1; }),
              1);

    QString token;
    ASSERT_EQ(channel_.AddScene("Dock", token), 1) << LastError().toStdString();
    ASSERT_FALSE(token.isEmpty());

    QStringList refused;
    ASSERT_EQ(channel_.ModifyScene(
                  token, "Dock", {"zelk:Face_Detection_Event", "zelk:Crowd_Action_Event"}, refused),
              1)
        << LastError().toStdString();
    EXPECT_EQ(refused, QStringList{"zelk:Crowd_Action_Event"});
    QStringList enabled;
    channel_.GetSceneSmartFuns(token, enabled);
    EXPECT_EQ(enabled, QStringList{"zelk:Face_Detection_Event"});
    std::map<QString, QString> modules;
    ASSERT_EQ(channel_.GetSceneModuleList(token, modules), 1);
    EXPECT_FALSE(modules.empty());

    RestartDevice();
    QStringList all;
    ASSERT_EQ(channel_.GetAllSupportSmartFunName(token, all), 1);
    EXPECT_TRUE(all.contains("zelk:Crowd_Action_Event"));
    channel_.GetSceneSmartFuns(token, enabled);
    EXPECT_EQ(enabled, QStringList{"zelk:Face_Detection_Event"});

    ASSERT_EQ(channel_.DelScene(token), 1) << LastError().toStdString();
    channel_.GetSceneSmartFuns(token, enabled);
    EXPECT_TRUE(enabled.isEmpty());
    std::vector<SceneRecord> after;
    ASSERT_EQ(channel_.GetSceneList(after), 1);
    EXPECT_EQ(after.size(), scenes.size());

    EXPECT_EQ(channel_.DelScene(DefaultScene()), 0);
    EXPECT_FALSE(LastError().isEmpty());
}

TEST_F(DeviceModel, RuleLifecycleKeepsWhatWasWritten) {
    const QString scene = DefaultScene();
    QStringList tokens;
    ASSERT_EQ(channel_.QueryRule(scene, kIntrusion, tokens), 1);
    const qsizetype before = tokens.size();

    ParamRecord rule;
    rule.funName = kIntrusion;
    rule.token = "Gate rule";
    ASSERT_EQ(channel_.AddRule(scene, rule), 1) << LastError().toStdString();
    ASSERT_TRUE(rule.plainParams.count("Sensitivity"));  // the defaults were read back
    const QString defaultSensitivity = rule.plainParams.at("Sensitivity");

    rule.plainParams["Sensitivity"] = "87";
    rule.objectParams["DetectionRegion"].polygons = {{{-0.5f, 0.5f}, {0.5f, 0.5f}, {0, -0.5f}}};
    ASSERT_EQ(channel_.ModifyRuleParam(scene, rule), 1) << LastError().toStdString();

    ParamRecord tooHigh = rule;
    tooHigh.plainParams["Sensitivity"] = "500";
    EXPECT_EQ(channel_.ModifyRuleParam(scene, tooHigh), 0);
    EXPECT_FALSE(LastError().isEmpty());

    RestartDevice();
    ParamRecord stored = ReadRule(scene, "Gate rule");
    EXPECT_EQ(stored.plainParams["Sensitivity"], "87");
    ASSERT_EQ(stored.objectParams["DetectionRegion"].polygons.size(), 1u);
    const auto& polygon = stored.objectParams["DetectionRegion"].polygons[0];
    ASSERT_EQ(polygon.size(), 3u);
    EXPECT_FLOAT_EQ(polygon[2].Y, -0.5f);

    tokens.clear();
    channel_.QueryRule(scene, kIntrusion, tokens);
    EXPECT_EQ(tokens.size(), before + 1);
    EXPECT_TRUE(tokens.contains("Gate rule"));

    ASSERT_EQ(channel_.ResetRuleParam(scene, stored), 1);
    EXPECT_EQ(stored.plainParams["Sensitivity"], defaultSensitivity);
    EXPECT_EQ(ReadRule(scene, "Gate rule").plainParams["Sensitivity"], defaultSensitivity);

    ASSERT_EQ(channel_.DelRule(scene, kIntrusion, "Gate rule"), 1);
    tokens.clear();
    channel_.QueryRule(scene, kIntrusion, tokens);
    EXPECT_FALSE(tokens.contains("Gate rule"));
}

TEST_F(DeviceModel, ModuleParametersAndRanges) {
    const QString scene = DefaultScene();
    std::map<QString, QString> modules;
    ASSERT_EQ(channel_.GetSceneModuleList(scene, modules), 1);
    ASSERT_TRUE(modules.count("zelk:Target_Size_Filter"));

    ParamRecord module;
    module.funName = "zelk:Target_Size_Filter";
    ASSERT_EQ(channel_.GetModuleParam(scene, module), 1) << LastError().toStdString();
    ASSERT_EQ(module.objectParams["MinTargetSize"].rectangles.size(), 1u);
    module.plainParams["FilterEnable"] = "true";
    module.objectParams["MinTargetSize"].rectangles[0] = {-0.1f, 0.1f, 0.2f, -0.2f};
    ASSERT_EQ(channel_.ModifyModuleParam(scene, module), 1) << LastError().toStdString();

    ParamRecord back;
    back.funName = module.funName;
    ASSERT_EQ(channel_.GetModuleParam(scene, back), 1);
    EXPECT_EQ(back.plainParams["FilterEnable"], "true");
    ASSERT_EQ(back.objectParams["MinTargetSize"].rectangles.size(), 1u);
    EXPECT_FLOAT_EQ(back.objectParams["MinTargetSize"].rectangles[0].Width, 0.2f);

    ASSERT_EQ(channel_.ResetModuleParam(scene, back), 1);
    EXPECT_EQ(back.plainParams["FilterEnable"], "false");

    ParamRange range;
    range.paramName = "Sensitivity";
    ASSERT_EQ(channel_.GetParamRange("Rule", kIntrusion, range), 1) << LastError().toStdString();
    EXPECT_FALSE(range.description.isEmpty());
    EXPECT_EQ(range.rangeMap["minInclusive"], "1");
    EXPECT_EQ(range.rangeMap["maxInclusive"], "100");
}

TEST_F(DeviceModel, NormalAlarmAndNonSceneParameters) {
    std::vector<NormalAlarmFun> alarms;
    ASSERT_EQ(channel_.GetAllNormalAlarmFunName(alarms), 1);
    ASSERT_FALSE(alarms.empty());
    const bool listed = std::any_of(alarms.begin(), alarms.end(), [](const NormalAlarmFun& f) {
        return f.type == "zelk:Alarm_Input_Event" && f.token == "AlarmIn 01";
    });
    EXPECT_TRUE(listed);

    ParamRecord alarm;
    alarm.funName = "zelk:Alarm_Input_Event";
    alarm.token = "AlarmIn 01";
    ASSERT_EQ(channel_.GetNormalAlarmData("unused", alarm), 1) << LastError().toStdString();
    alarm.plainParams["InputType"] = "NormallyClosed";
    ASSERT_EQ(channel_.ModifyNormalAlarmData("unused", alarm), 1) << LastError().toStdString();

    ParamRecord nonScene;
    nonScene.funName = "zelk:Counting_Report_Settings";
    ASSERT_EQ(channel_.GetNonSceneParam(nonScene), 1) << LastError().toStdString();
    nonScene.plainParams["ReportInterval"] = "Minutes60";
    ASSERT_EQ(channel_.ModifyNonSceneParam(nonScene), 1) << LastError().toStdString();

    RestartDevice();
    ParamRecord alarmBack = alarm;
    alarmBack.plainParams.clear();
    ASSERT_EQ(channel_.GetNormalAlarmData("unused", alarmBack), 1);
    EXPECT_EQ(alarmBack.plainParams["InputType"], "NormallyClosed");
    ParamRecord nonSceneBack;
    nonSceneBack.funName = nonScene.funName;
    ASSERT_EQ(channel_.GetNonSceneParam(nonSceneBack), 1);
    EXPECT_EQ(nonSceneBack.plainParams["ReportInterval"], "Minutes60");

    ASSERT_EQ(channel_.ResetNonSceneParam(nonSceneBack), 1) << LastError().toStdString();
    EXPECT_EQ(nonSceneBack.plainParams["ReportInterval"], "Minutes15");
}

TEST_F(DeviceModel, TriggersAndSchedulesOfRulesAndAlarmsAreKeptApart) {
    const QString scene = DefaultScene();
    QStringList tokens;
    ASSERT_EQ(channel_.QueryRule(scene, kIntrusion, tokens), 1);
    ASSERT_FALSE(tokens.isEmpty());

    ParamRecord ruleTrigger;
    ruleTrigger.funName = kIntrusion;
    ruleTrigger.token = tokens.front();
    ASSERT_EQ(channel_.GetActionTrigger(scene, ruleTrigger), 1) << LastError().toStdString();
    ASSERT_TRUE(ruleTrigger.objectParams.count("AlarmOutput"));
    ruleTrigger.objectParams["AlarmOutput"].attributes["AlarmOut1"] = "TRUE";
    ASSERT_EQ(channel_.SetActionTrigger(scene, ruleTrigger), 1) << LastError().toStdString();

    ParamRecord alarmSchedule;
    alarmSchedule.funName = "zelk:Alarm_Input_Event";
    alarmSchedule.token = "AlarmIn 01";
    ASSERT_EQ(channel_.GetGuardSchedules(kNormalAlarmOwnerToken, alarmSchedule), 1)
        << LastError().toStdString();
    EXPECT_EQ(alarmSchedule.token, "AlarmIn 01");  // the reply's "Token"
    alarmSchedule.objectParams["Mon"].attributes = {{"GuardTime 1", "480|1080"}};
    ASSERT_EQ(channel_.SetGuardSchedules(kNormalAlarmOwnerToken, alarmSchedule), 1)
        << LastError().toStdString();

    RestartDevice();
    ParamRecord triggerBack;
    triggerBack.funName = kIntrusion;
    triggerBack.token = tokens.front();
    ASSERT_EQ(channel_.GetActionTrigger(scene, triggerBack), 1);
    EXPECT_EQ(triggerBack.objectParams["AlarmOutput"].attributes["AlarmOut1"], "TRUE");

    ParamRecord alarmTrigger;
    alarmTrigger.funName = "zelk:Alarm_Input_Event";
    alarmTrigger.token = "AlarmIn 01";
    ASSERT_EQ(channel_.GetActionTrigger(kNormalAlarmOwnerToken, alarmTrigger), 1);
    EXPECT_NE(alarmTrigger.objectParams["AlarmOutput"].attributes["AlarmOut1"], "TRUE");

    ParamRecord scheduleBack;
    scheduleBack.funName = "zelk:Alarm_Input_Event";
    scheduleBack.token = "AlarmIn 01";
    ASSERT_EQ(channel_.GetGuardSchedules(kNormalAlarmOwnerToken, scheduleBack), 1);
    EXPECT_EQ(scheduleBack.objectParams["Mon"].attributes,
              (std::map<QString, QString>{{"GuardTime 1", "480|1080"}}));
    ParamRecord ruleSchedule;
    ruleSchedule.funName = kIntrusion;
    ruleSchedule.token = tokens.front();
    ASSERT_EQ(channel_.GetGuardSchedules(scene, ruleSchedule), 1);
    EXPECT_NE(ruleSchedule.objectParams["Mon"].attributes,
              scheduleBack.objectParams["Mon"].attributes);
}

TEST_F(DeviceModel, SceneTourRoundTrip) {
    TourRecord tour;
    tour.tourType = "NormalSceneTour";
    ASSERT_EQ(channel_.GetSceneTourData(tour), 1) << LastError().toStdString();
    ASSERT_FALSE(tour.entries.empty());
    const QString row = tour.entries.begin()->first;
    tour.entries[row].attributes["StayTime"] = "90";
    ASSERT_EQ(channel_.SetSceneTourData(tour), 1) << LastError().toStdString();

    RestartDevice();
    TourRecord back;
    back.tourType = "NormalSceneTour";
    ASSERT_EQ(channel_.GetSceneTourData(back), 1);
    EXPECT_EQ(back.entries[row].attributes["StayTime"], "90");
}

TEST_F(DeviceModel, PtzLockHasOneHolderAndPositionMoves) {
    ASSERT_EQ(channel_.PTZLock("300000"), 1) << LastError().toStdString();

    CAudioVideoPlay otherSession;
    DeviceCommandChannel other;
    ASSERT_EQ(other.ParamInit(&otherSession, QString::fromStdString(sim_.Address()),
                              vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword),
              1);
    EXPECT_EQ(other.PTZLock("300000"), 0);
    QString error;
    other.GetLastErrorText(error);
    EXPECT_FALSE(error.isEmpty());

    ASSERT_EQ(channel_.MovePTZPosition(0.3f, -0.1f, 0.2f), 1) << LastError().toStdString();
    PtzPosition position{9, 9, 9};
    ASSERT_EQ(channel_.GetPTZPosition(position), 1);
    EXPECT_NEAR(position.pan, 0.3f, 1e-4);
    EXPECT_NEAR(position.tilt, -0.1f, 1e-4);
    EXPECT_NEAR(position.zoom, 0.2f, 1e-4);

    ASSERT_EQ(channel_.PTZUnLock(), 1);
    EXPECT_EQ(other.PTZLock("300000"), 1);
    EXPECT_EQ(other.PTZUnLock(), 1);
}

TEST_F(DeviceModel, SmartStatusAndConfigInfo) {
    ASSERT_EQ(channel_.SetSmartStatus(0), 1);
    int status = 1;
    ASSERT_EQ(channel_.GetSmartStatus(status), 1);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(channel_.SetSmartStatus(2), 1);
    ASSERT_EQ(channel_.GetSmartStatus(status), 1);
    EXPECT_EQ(status, 1);

    std::map<QString, QString> info;
    ASSERT_EQ(channel_.GetConfigInfo(info), 1);
    ASSERT_GE(info.size(), 2u);
    for (const auto& [name, address] : info) {
        EXPECT_TRUE(address.startsWith("http://")) << name.toStdString();
    }
}

TEST_F(DeviceModel, BatchTextRestoresTheConfiguration) {
    const QString scene = DefaultScene();
    QStringList tokens;
    ASSERT_EQ(channel_.QueryRule(scene, kIntrusion, tokens), 1);
    ASSERT_FALSE(tokens.isEmpty());
    const ParamRecord original = ReadRule(scene, tokens.front());

    QString saved;
    ASSERT_EQ(channel_.GetBatchConfig(saved), 1) << LastError().toStdString();
    ASSERT_FALSE(saved.isEmpty());

    ParamRecord changed = original;
    changed.plainParams["Sensitivity"] =
        original.plainParams.at("Sensitivity") == "11" ? "12" : "11";
    ASSERT_EQ(channel_.ModifyRuleParam(scene, changed), 1) << LastError().toStdString();

    ASSERT_EQ(channel_.SetBatchConfig(saved), 1) << LastError().toStdString();
    EXPECT_EQ(ReadRule(scene, tokens.front()).plainParams["Sensitivity"],
              original.plainParams.at("Sensitivity"));
}

TEST_F(DeviceModel, ExportLayoutBuiltByTheControlIsApplied) {
    const QString scene = DefaultScene();
    ASSERT_EQ(channel_.SetCurScene(scene), 1) << LastError().toStdString();
    QStringList tokens;
    ASSERT_EQ(channel_.QueryRule(scene, kIntrusion, tokens), 1);
    ASSERT_FALSE(tokens.isEmpty());
    ParamRecord rule = ReadRule(scene, tokens.front());
    rule.plainParams["Sensitivity"] = "33";

    QString text;
    DeviceCommandChannel::BuildBatchConfigText(
        text, {{"NonScenes", {}}, {"Modules", {}}},
        {{"Rules", {{kIntrusion, {{tokens.front(), rule}}}}}, {"Alarms", {}}});
    ASSERT_EQ(channel_.SetBatchConfig(text), 1) << LastError().toStdString();
    EXPECT_EQ(ReadRule(scene, tokens.front()).plainParams["Sensitivity"], "33");
}

}  // namespace
