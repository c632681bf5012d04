// Hostile requests: every command, given every wrong shape of "info" and
// members of the wrong types, answers a refusal with one of the device's
// own error texts, never a crash and never anything else.

#include <gtest/gtest.h>
#include <json/writer.h>

#include <set>
#include <sstream>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

const std::set<std::string>& KnownErrors() {
    static const std::set<std::string> known(std::begin(err::kAll), std::end(err::kAll));
    return known;
}

// Member names the commands read, each given a value of every wrong type.
const char* const kMembers =
    "SceneToken SceneName SmartFunName RuleToken ModuleName CMDType RuleModuleData "
    "SceneConfigSmartFun ParamName ParamFunction ParamEvent NormalAlarmType NormalAlarmToken "
    "NormalAlarmData NonSceneName NonSceneData SceneTourType Data ActionTriggerData "
    "GuardSchedulesData locktime ptzPoint status config";

void ExpectWellFormed(const Json::Value& reply, const std::string& what) {
    ASSERT_TRUE(reply.isObject()) << what;
    ASSERT_TRUE(reply["ack"].isString()) << what;
    if (reply["ack"].asString() == "1") {
        EXPECT_EQ(KnownErrors().count(reply["errinfo"].asString()), 1u)
            << what << " answered " << reply["errinfo"].asString();
    } else {
        EXPECT_EQ(reply["ack"].asString(), "0") << what;
    }
}

TEST(MalformedRequests, EveryCommandRefusesWrongShapesWithAKnownText) {
    SimDevice device;
    const std::vector<std::string> commands = device.Server().Model().Commands().Names();
    ASSERT_EQ(commands.size(), 35u);  // every analytics command of the device
    const Json::Value wrongValues = J(
        R"([null, 5, -1.5, true, "text", [], {}, [{"a":1}], {"nested":{"deeper":[1,2,{"x":null}]}}])");
    for (const std::string& command : commands) {
        for (const Json::Value& info : wrongValues) {
            ExpectWellFormed(device.Send(command, info), command + " " + info.toStyledString());
        }
        // Every member present, each of a wrong type in turn.
        for (const Json::Value& wrong : wrongValues) {
            Json::Value info;
            std::istringstream members(kMembers);
            for (std::string member; members >> member;) {
                info[member] = wrong;
            }
            ExpectWellFormed(device.Send(command, info), command + " all members wrong");
        }
    }
    // After all that (some values were acceptable, such as the scene name
    // "text"), the device still works and what it stored reads back whole.
    EXPECT_EQ(device.Ok("CMD_GetSceneList")["DefaultSceneToken"].asString(), "Scene_001");
    const std::string text = device.Ok("CMD_GetBatchConfig")["config"].asString();
    device.Restart();
    EXPECT_EQ(device.Ok("CMD_GetBatchConfig")["config"].asString(), text);
}

TEST(MalformedRequests, ObjectsWhereTextsBelongAreRefused) {
    SimDevice device;
    const Json::Value reply = device.Send(
        "CMD_AddRule",
        J(R"({"SceneToken":{"a":1},"SmartFunName":"zelk:Intrusion_Event","RuleToken":"x"})"));
    EXPECT_EQ(reply["errinfo"].asString(), err::kMemberType);
    EXPECT_EQ(reply["errdetail"].asString(), "SceneToken");
    EXPECT_EQ(device.Refused("CMD_AddRule",
                             J(R"({"SmartFunName":"zelk:Intrusion_Event","RuleToken":"x"})")),
              err::kMissingMember);
}

TEST(MalformedRequests, EnvelopeFaults) {
    SimDevice device;
    for (const char* body : {"", "{", "[]", "null", "\"op\"", R"({"info":""})", R"({"op":5})",
                             R"({"op":null,"info":""})", "\xff\xfe{}"}) {
        const Json::Value reply = device.SendText(body);
        EXPECT_EQ(reply["ack"].asString(), "1") << body;
        EXPECT_EQ(reply["errinfo"].asString(), err::kMalformed) << body;
    }
    // The text is one the localisation file translates; the command's name
    // travels beside it for whoever reads the trace.
    const Json::Value unknown = device.SendText(R"({"op":"CMD_Teleport","info":""})");
    EXPECT_EQ(unknown["errinfo"].asString(), err::kUnsupported);
    EXPECT_EQ(unknown["errdetail"].asString(), "CMD_Teleport");
    // Nesting deeper than the parser's limit.
    const std::string deep = R"({"op":"CMD_GetSceneList","info":)" + std::string(5000, '[') +
                             std::string(5000, ']') + "}";
    EXPECT_EQ(device.SendText(deep)["errinfo"].asString(), err::kMalformed);
}

TEST(MalformedRequests, BodiesAbove16MiBAreRefused) {
    SimDevice device;
    const std::string head = R"({"op":"CMD_AddScene","info":{"SceneName":")";
    const std::string tail = R"("}})";
    std::string body =
        head + std::string(16u * 1024u * 1024u - head.size() - tail.size(), 'n') + tail;
    // Exactly 16 MiB is read (and refused for its content only).
    EXPECT_EQ(device.SendText(body)["errinfo"].asString(), err::kSceneNameLong);
    body.insert(head.size(), "n");
    const Json::Value reply = device.SendText(body);
    EXPECT_EQ(reply["ack"].asString(), "1");
    EXPECT_EQ(reply["errinfo"].asString(), err::kTooLarge);
}

}  // namespace
}  // namespace devsim::test
