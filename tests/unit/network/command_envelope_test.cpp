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

// The "ack" text is read as its leading integer: 1 is a refusal, anything
// else (no number at all included) a success. A refusal's "errinfo" and any
// reply's "info" are taken over; what a reply leaves out stays as it was.
TEST(CommandEnvelope, ReadableReplies) {
    const struct {
        const char* text;
        int result;
        QString error;
        Json::Value reply;
    } cases[] = {
        {R"({"ack":"0"})", 1, "before", "untouched"},
        {R"({"ack":"OK"})", 1, "before", "untouched"},
        {R"({"ack":"99999999999999999999"})", 1, "before", "untouched"},
        {R"({"ack":"1abc"})", 0, "before", "untouched"},
        {R"({"ack":" 1"})", 0, "before", "untouched"},
        {R"({"ack":"1","errinfo":"E","info":"b"})", 0, "E", "b"},
        {R"({"ack":"1","errinfo":"参数超出范围"})", 0, "参数超出范围", "untouched"},
        {R"({"info":"no ack"})", 0, "before", "no ack"},
        {R"({"ack":null,"errinfo":"X","info":null})", 0, "X", "untouched"},
        {"/* device */ {\"ack\":\"0\" // fine\n, \"info\": 5}", 1, "before", 5},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Apply(c.text);
        EXPECT_EQ(outcome.result, c.result) << c.text;
        EXPECT_EQ(outcome.error, c.error) << c.text;
        EXPECT_EQ(outcome.reply, c.reply) << c.text;
    }
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

TEST(CommandEnvelope, CommandBeforeLoginFailsWithoutSending) {
    DeviceCommandChannel channel;
    Json::Value reply("untouched");
    EXPECT_EQ(channel.SendCommand("CMD_ParamInit", Json::Value(), reply), 0);
    EXPECT_EQ(reply.asString(), "untouched");
}
