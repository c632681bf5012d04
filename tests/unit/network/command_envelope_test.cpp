// The request text the channel sends and how it reads a reply.

#include <gtest/gtest.h>

#include "device_command_channel.h"

TEST(CommandEnvelope, RequestIsStyledWithInfoBeforeOp) {
    Json::Value params;
    params["SceneToken"] = "s1";
    EXPECT_EQ(DeviceCommandChannel::BuildRequestText("CMD_GetSceneList", params),
              "{\n   \"info\" : {\n      \"SceneToken\" : \"s1\"\n   },\n"
              "   \"op\" : \"CMD_GetSceneList\"\n}\n");
}

TEST(CommandEnvelope, CommandWithoutParametersSendsEmptyTextInfo) {
    EXPECT_EQ(DeviceCommandChannel::BuildRequestText("CMD_ParamInit", Json::Value()),
              "{\n   \"info\" : \"\",\n   \"op\" : \"CMD_ParamInit\"\n}\n");
}

namespace {
struct Outcome {
    int result;
    QString error;
    Json::Value reply;
};

Outcome Apply(const char* text, const QString& errorBefore = "before",
              const Json::Value& replyBefore = Json::Value("untouched")) {
    Outcome outcome{0, errorBefore, replyBefore};
    outcome.result = DeviceCommandChannel::ApplyReply(text, outcome.error, outcome.reply);
    return outcome;
}
}  // namespace

TEST(CommandEnvelope, AckIsReadAsItsLeadingInteger) {
    EXPECT_EQ(Apply(R"({"ack":"0"})").result, 1);
    EXPECT_EQ(Apply(R"({"ack":"OK"})").result, 1);
    EXPECT_EQ(Apply(R"({"ack":""})").result, 1);
    EXPECT_EQ(Apply(R"({"ack":"2"})").result, 1);
    EXPECT_EQ(Apply(R"({"ack":"99999999999999999999"})").result, 1);
    EXPECT_EQ(Apply(R"({"ack":"1"})").result, 0);
    EXPECT_EQ(Apply(R"({"ack":" 1"})").result, 0);
    EXPECT_EQ(Apply(R"({"ack":"1abc"})").result, 0);
    EXPECT_EQ(Apply(R"({"ack":"+1"})").result, 0);
}

TEST(CommandEnvelope, SuccessWithoutInfoLeavesReplyAlone) {
    const Outcome outcome = Apply(R"({"ack":"0"})", "E", Json::Value());
    EXPECT_EQ(outcome.result, 1);
    EXPECT_TRUE(outcome.reply.isNull());
    EXPECT_EQ(outcome.error, "E");
}

TEST(CommandEnvelope, RefusalTakesOverErrorAndInfo) {
    const Outcome outcome = Apply(R"({"ack":"1","errinfo":"E","info":{"a":"b"}})");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.error, "E");
    EXPECT_EQ(outcome.reply["a"].asString(), "b");
}

TEST(CommandEnvelope, MissingOrNullAckFailsButInfoArrives) {
    Outcome outcome = Apply(R"({"info":[1,2]})");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.reply.size(), 2u);
    outcome = Apply(R"({"ack":null,"errinfo":"X","info":null})");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.error, "X");
    EXPECT_EQ(outcome.reply.asString(), "untouched");
}

TEST(CommandEnvelope, CommentsAreAllowedInReplies) {
    EXPECT_EQ(Apply("/* device */ {\"ack\":\"0\" // fine\n}").result, 1);
}

TEST(CommandEnvelope, UnreadableRepliesFailAndChangeNothing) {
    for (const char* text :
         {"", "not json", "{\"ack\":\"0\"", "[1,2]", "\"text\"", "42",
          R"({"ack":0,"errinfo":"E","info":1})", R"({"ack":"0","errinfo":{"x":1},"info":1})",
          R"({"ack":["1"],"info":1})"}) {
        const Outcome outcome = Apply(text);
        EXPECT_EQ(outcome.result, 0) << text;
        EXPECT_EQ(outcome.error, "before") << text;
        EXPECT_EQ(outcome.reply.asString(), "untouched") << text;
    }
}

TEST(CommandEnvelope, DeeplyNestedReplyFailsInsteadOfThrowing) {
    const std::string deep = std::string(5000, '[') + std::string(5000, ']');
    const Outcome outcome = Apply(deep.c_str());
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.reply.asString(), "untouched");
}

TEST(CommandEnvelope, NonAsciiErrorTextSurvives) {
    EXPECT_EQ(Apply(R"({"ack":"1","errinfo":"参数超出范围"})").error, QString("参数超出范围"));
}

TEST(CommandEnvelope, CommandBeforeLoginFailsWithoutSending) {
    DeviceCommandChannel channel;
    Json::Value reply("untouched");
    EXPECT_EQ(channel.SendCommand("CMD_ParamInit", Json::Value(), reply), 0);
    EXPECT_EQ(reply.asString(), "untouched");
}
