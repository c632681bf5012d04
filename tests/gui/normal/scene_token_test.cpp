// The schedule and linkage editors follow the reference scene token: while
// the normal arming group is open they address the alarm, and once the
// operator is back in the analytics group the same editors address a rule on
// the restored scene again.

#include <json/reader.h>

#include "../control/control_fixture.h"
#include "normal_arming_set.h"

namespace {

class NormalArmingTokenTest : public ControlFixture {
protected:
    // The "info" of the last journalled `command`.
    Json::Value LastInfo(const std::string& command) const {
        Json::Value info;
        for (const Json::Value& line : sim_.Journal()) {
            const std::string text = line["request"].asString();
            Json::CharReaderBuilder builder;
            const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
            Json::Value request;
            if (reader->parse(text.data(), text.data() + text.size(), &request, nullptr) &&
                request["op"] == command) {
                info = request["info"];
            }
        }
        return info;
    }
};

TEST_F(NormalArmingTokenTest, EditorsAddressTheAlarmThenTheRestoredScene) {
    ASSERT_TRUE(Login());
    const QString sceneToken = Manager()->DeviceContext().SceneToken();
    auto* page = static_cast<CNormalArmingSet*>(PageWidget(3));

    QTest::mouseClick(AutoWidget(18007), Qt::LeftButton);
    QTest::mouseClick(AutoWidget(18102), Qt::LeftButton);
    Json::Value info = LastInfo("CMD_GetActionTrigger");
    EXPECT_EQ(info["NormalAlarmType"], "zelk:Alarm_Input_Event");
    EXPECT_FALSE(info.isMember("SceneToken"));

    QTest::mouseClick(AutoWidget(18006), Qt::LeftButton);
    for (int editor = 0; editor < 2; ++editor) {
        const char* command = editor == 0 ? "CMD_GetGuardSchedules" : "CMD_GetActionTrigger";
        if (editor == 0) {
            page->Body().Schedule().SetIdentity("zelk:Intrusion_Event", "Rule 1");
            page->Body().Schedule().Init();
        } else {
            page->Body().Linkage().SetIdentity("zelk:Intrusion_Event", "Rule 1");
            page->Body().Linkage().Init();
        }
        info = LastInfo(command);
        EXPECT_EQ(info["SceneToken"].asString(), sceneToken.toStdString()) << command;
        EXPECT_EQ(info["RuleToken"], "Rule 1") << command;
        EXPECT_FALSE(info.isMember("NormalAlarmType")) << command;
    }
}

}  // namespace
