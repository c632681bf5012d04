// The channel against the simulator's own device model, where the two sides
// could read the protocol differently: the batch texts of either side
// applied by the device. (Geometry and values round-tripping through the
// device are the panel round trip's; what each request carries and the
// model's rules are tested on each side.)

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

    ParamRecord ReadRule(const QString& scene, const QString& token) {
        ParamRecord record;
        record.funName = kIntrusion;
        record.token = token;
        EXPECT_EQ(channel_.GetRuleParam(scene, record), 1) << LastError().toStdString();
        return record;
    }
};

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
