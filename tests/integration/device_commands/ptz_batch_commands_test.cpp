// PTZ, status, batch and configuration-info operations against the device.

#include "command_fixture.h"

namespace {

using PtzBatchCommands = CommandFixture;

TEST_F(PtzBatchCommands, LockUnlockAndMoveSendTheirMembers) {
    Acknowledge("CMD_PTZLock");
    Acknowledge("CMD_PTZUnLock");
    Acknowledge("CMD_MovePTZPosition");
    EXPECT_EQ(channel_.PTZLock("300000"), 1);
    EXPECT_EQ(SentInfo("CMD_PTZLock"), J(R"({"locktime": "300000"})"));
    EXPECT_EQ(channel_.PTZUnLock(), 1);
    EXPECT_EQ(SentInfo("CMD_PTZUnLock"), Json::Value(""));
    EXPECT_EQ(channel_.MovePTZPosition(12.5f, -3.25f, 2.0f), 1);
    const Json::Value point = SentInfo("CMD_MovePTZPosition")["ptzPoint"];
    EXPECT_TRUE(point["fPan"].isDouble());
    EXPECT_EQ(point, J(R"({"fPan": 12.5, "fTilt": -3.25, "fZoom": 2.0})"));
}

TEST_F(PtzBatchCommands, PositionMembersMissingKeepTheirValues) {
    Acknowledge("CMD_GetPTZPosition", R"({"fPan": 90.5, "fTilt": 10})");
    PtzPosition position{1, 2, 3};
    ASSERT_EQ(channel_.GetPTZPosition(position), 1);
    EXPECT_FLOAT_EQ(position.pan, 90.5f);
    EXPECT_FLOAT_EQ(position.tilt, 10);
    EXPECT_FLOAT_EQ(position.zoom, 3);

    Refuse("CMD_GetPTZPosition");
    EXPECT_EQ(channel_.GetPTZPosition(position), 0);
    EXPECT_FLOAT_EQ(position.pan, 90.5f);
}

TEST_F(PtzBatchCommands, SmartStatusTexts) {
    Acknowledge("CMD_SetSmartStatus");
    EXPECT_EQ(channel_.SetSmartStatus(7), 1);
    EXPECT_EQ(SentInfo("CMD_SetSmartStatus"), J(R"({"status": "TRUE"})"));
    EXPECT_EQ(channel_.SetSmartStatus(0), 1);
    EXPECT_EQ(SentInfo("CMD_SetSmartStatus"), J(R"({"status": "FALSE"})"));

    int status = 5;
    Acknowledge("CMD_GetSmartStatus", R"({"status": "True"})");
    ASSERT_EQ(channel_.GetSmartStatus(status), 1);
    EXPECT_EQ(status, 0);
    Acknowledge("CMD_GetSmartStatus", R"({"status": "true"})");
    ASSERT_EQ(channel_.GetSmartStatus(status), 1);
    EXPECT_EQ(status, 1);
    Refuse("CMD_GetSmartStatus");
    status = 5;
    EXPECT_EQ(channel_.GetSmartStatus(status), 0);
    EXPECT_EQ(status, 5);
}

TEST_F(PtzBatchCommands, JsonBatchGoesAsObjectAnyOtherTextAsString) {
    Acknowledge("CMD_SetParamsBatchConfig");
    Acknowledge("CMD_SetBatchConfig");
    EXPECT_EQ(channel_.SetBatchConfig("{\"Rules\": null /* exported */}"), 1);
    EXPECT_EQ(SentInfo("CMD_SetParamsBatchConfig"), J(R"({"config": {"Rules": null}})"));

    EXPECT_EQ(channel_.SetBatchConfig("opaque device text"), 1);
    EXPECT_EQ(SentInfo("CMD_SetBatchConfig"), J(R"({"config": "opaque device text"})"));
    EXPECT_EQ(channel_.SetBatchConfig(""), 1);
    EXPECT_EQ(SentInfo("CMD_SetBatchConfig"), J(R"({"config": ""})"));
    EXPECT_EQ(Commands(), (std::vector<std::string>{"CMD_SetParamsBatchConfig",
                                                    "CMD_SetBatchConfig", "CMD_SetBatchConfig"}));
}

TEST_F(PtzBatchCommands, RefusedBatchSetKeepsTheErrorText) {
    Refuse("CMD_SetParamsBatchConfig", "batch rejected");
    EXPECT_EQ(channel_.SetBatchConfig("{}"), 0);
    EXPECT_EQ(LastError(), "batch rejected");
}

TEST_F(PtzBatchCommands, GetBatchConfigAndConfigInfo) {
    Acknowledge("CMD_GetBatchConfig", R"({"config": "{\"Rules\": {}}"})");
    QString text = "old";
    ASSERT_EQ(channel_.GetBatchConfig(text), 1);
    EXPECT_EQ(SentInfo("CMD_GetBatchConfig"), Json::Value(""));
    EXPECT_EQ(text, "{\"Rules\": {}}");

    Refuse("CMD_GetBatchConfig");
    EXPECT_EQ(channel_.GetBatchConfig(text), 0);
    EXPECT_EQ(text, "{\"Rules\": {}}");

    Acknowledge("CMD_GetConfigInfo", R"({"UiFile": "http://d/files/korvane_ui.xml", "n": 1})");
    std::map<QString, QString> config;
    ASSERT_EQ(channel_.GetConfigInfo(config), 1);
    EXPECT_EQ(config, (std::map<QString, QString>{{"UiFile", "http://d/files/korvane_ui.xml"}}));
}

}  // namespace
