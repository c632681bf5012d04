// The operator's message after an exchange that got no answer: the
// command's purpose (rule or module, save or reset told apart by the
// request) and what happened, in both languages.

#include <gtest/gtest.h>

#include "com_str.h"
#include "exchange_messages.h"
#include "json_text.h"
#include "qstring_print.h"

namespace {

using vexo::ExchangeFailure;

Json::Value Info(const char* json) {
    Json::Value value;
    EXPECT_TRUE(vexo::ParseJson(json, value)) << json;
    return value;
}

class ExchangeMessages : public ::testing::Test {
protected:
    void TearDown() override { vexo::TheComStr().SetLanguage("english"); }
};

}  // namespace

TEST_F(ExchangeMessages, ThePurposeComesFromTheCommandAndItsParameters) {
    vexo::TheComStr().SetLanguage("english");
    const std::pair<Json::Value, const char*> modify[] = {
        {Info(R"({"CMDType": "Modify", "RuleToken": "r1", "SceneToken": "s"})"), "Saving the rule"},
        {Info(R"({"CMDType": "Modify", "ModuleName": "m", "SceneToken": "s"})"),
         "Saving the settings"},
        {Info(R"({"CMDType": "Reset", "RuleToken": "r1", "SceneToken": "s"})"),
         "Restoring the defaults"},
    };
    for (const auto& [info, purpose] : modify) {
        EXPECT_EQ(vexo::CommandPurpose("CMD_ModifyRuleModuleParam", info), purpose);
    }
    EXPECT_EQ(vexo::CommandPurpose("CMD_GetRuleModuleParam", Info(R"({"RuleToken": "r"})")),
              "Reading the rule");
    EXPECT_EQ(vexo::CommandPurpose("CMD_GetRuleModuleParam", Info(R"({"ModuleName": "m"})")),
              "Reading the settings");
    EXPECT_EQ(vexo::CommandPurpose("CMD_ModifyNonSceneParam", Info(R"({"CMDType": "Reset"})")),
              "Restoring the defaults");
    EXPECT_EQ(vexo::CommandPurpose("CMD_SetGuardSchedules", Json::Value()), "Saving the schedule");
    EXPECT_EQ(vexo::CommandPurpose("CMD_Unknown", Json::Value()), "Talking to the device");
}

TEST_F(ExchangeMessages, SayWhatHappenedInTheOperatorsLanguage) {
    const Json::Value info = Info(R"({"SceneToken": "s", "SmartFunName": "f", "RuleToken": "r"})");
    vexo::TheComStr().SetLanguage("english");
    EXPECT_EQ(vexo::ExchangeFailureMessage("CMD_AddRule", info, ExchangeFailure::NoAnswer),
              "Adding the rule failed: The device did not answer");
    EXPECT_EQ(vexo::ExchangeFailureMessage("CMD_DelRule", info, ExchangeFailure::Unreadable),
              "Deleting the rule failed: The device's answer could not be read");
    vexo::TheComStr().SetLanguage("chinese");
    EXPECT_EQ(vexo::ExchangeFailureMessage("CMD_AddRule", info, ExchangeFailure::Unreachable),
              QStringLiteral("添加规则失败：无法连接设备"));
    // The device's own text, or nothing sent: no message of this kind.
    for (ExchangeFailure failure :
         {ExchangeFailure::None, ExchangeFailure::Refused, ExchangeFailure::NotSent}) {
        EXPECT_TRUE(vexo::ExchangeFailureMessage("CMD_AddRule", info, failure).isEmpty());
    }
}
