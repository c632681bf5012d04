// The channel against the simulator's own device model, where the two sides
// could read the protocol differently: geometry texts kept across a restart,
// and the batch texts of either side applied by the device. What each
// request carries and the model's rules are tested on each side.

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
    // A rule of the default scene's intrusion function.
    QString FirstRule(const QString& scene) {
        QStringList tokens;
        EXPECT_EQ(channel_.QueryRule(scene, kIntrusion, tokens), 1);
        return tokens.isEmpty() ? QString() : tokens.front();
    }

    // Restarts the device on its state folder and logs the channel in again.
    void RestartDevice() {
        ASSERT_TRUE(sim_.Restart());
        ASSERT_EQ(
            channel_.ParamInit(&session_, QString::fromStdString(sim_.Address()),
                               vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword),
            1);
    }

    ParamRecord Read(const QString& scene, const QString& funName, const QString& token,
                     int (DeviceCommandChannel::*get)(const QString&, ParamRecord&)) {
        ParamRecord record;
        record.funName = funName;
        record.token = token;
        EXPECT_EQ((channel_.*get)(scene, record), 1) << LastError().toStdString();
        return record;
    }
    ParamRecord ReadRule(const QString& scene, const QString& token) {
        return Read(scene, kIntrusion, token, &DeviceCommandChannel::GetRuleParam);
    }
};

TEST_F(DeviceModel, RulesAndModulesKeepWhatWasWritten) {
    const QString scene = DefaultScene();
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

    ParamRecord module =
        Read(scene, "zelk:Target_Size_Filter", "", &DeviceCommandChannel::GetModuleParam);
    ASSERT_EQ(module.objectParams["MinTargetSize"].rectangles.size(), 1u);
    module.plainParams["FilterEnable"] = "true";
    module.objectParams["MinTargetSize"].rectangles[0] = {-0.1f, 0.1f, 0.2f, -0.2f};
    ASSERT_EQ(channel_.ModifyModuleParam(scene, module), 1) << LastError().toStdString();

    RestartDevice();
    ParamRecord stored = ReadRule(scene, "Gate rule");
    EXPECT_EQ(stored.plainParams["Sensitivity"], "87");
    ASSERT_EQ(stored.objectParams["DetectionRegion"].polygons.size(), 1u);
    ASSERT_EQ(stored.objectParams["DetectionRegion"].polygons[0].size(), 3u);
    EXPECT_FLOAT_EQ(stored.objectParams["DetectionRegion"].polygons[0][2].Y, -0.5f);
    ParamRecord moduleBack = Read(scene, module.funName, "", &DeviceCommandChannel::GetModuleParam);
    EXPECT_EQ(moduleBack.plainParams["FilterEnable"], "true");
    ASSERT_EQ(moduleBack.objectParams["MinTargetSize"].rectangles.size(), 1u);
    EXPECT_FLOAT_EQ(moduleBack.objectParams["MinTargetSize"].rectangles[0].Width, 0.2f);

    ASSERT_EQ(channel_.ResetRuleParam(scene, stored), 1);
    EXPECT_EQ(stored.plainParams["Sensitivity"], defaultSensitivity);
    ASSERT_EQ(channel_.ResetModuleParam(scene, moduleBack), 1);
    EXPECT_EQ(moduleBack.plainParams["FilterEnable"], "false");
    ASSERT_EQ(channel_.DelRule(scene, kIntrusion, "Gate rule"), 1);
    QStringList tokens;
    channel_.QueryRule(scene, kIntrusion, tokens);
    EXPECT_FALSE(tokens.contains("Gate rule"));
}

// The device's own batch text restores its configuration, and the export
// layout the control builds is applied.
TEST_F(DeviceModel, BatchTextsRestoreAndApply) {
    const QString scene = DefaultScene();
    ASSERT_EQ(channel_.SetCurScene(scene), 1) << LastError().toStdString();
    const QString token = FirstRule(scene);
    ASSERT_FALSE(token.isEmpty());
    const QString original = ReadRule(scene, token).plainParams.at("Sensitivity");
    QString saved;
    ASSERT_EQ(channel_.GetBatchConfig(saved), 1) << LastError().toStdString();

    ParamRecord rule = ReadRule(scene, token);
    rule.plainParams["Sensitivity"] = original == "33" ? "34" : "33";
    QString layout;
    DeviceCommandChannel::BuildBatchConfigText(
        layout, {{"NonScenes", {}}, {"Modules", {}}},
        {{"Rules", {{kIntrusion, {{token, rule}}}}}, {"Alarms", {}}});
    ASSERT_EQ(channel_.SetBatchConfig(layout), 1) << LastError().toStdString();
    EXPECT_EQ(ReadRule(scene, token).plainParams["Sensitivity"], rule.plainParams["Sensitivity"]);

    ASSERT_EQ(channel_.SetBatchConfig(saved), 1) << LastError().toStdString();
    EXPECT_EQ(ReadRule(scene, token).plainParams["Sensitivity"], original);
}

}  // namespace
