// Rule and module operations of the command channel: the parameters of an
// analytics function's rules and modules on one scene, and parameter ranges.

#include "command_info.h"
#include "device_command_channel.h"
#include "reply_readers.h"

using vexo::CommandInfo;

namespace {

Json::Value RuleInfo(const QString& sceneToken, const QString& funName, const QString& ruleToken) {
    return CommandInfo(
        {{"SceneToken", sceneToken}, {"SmartFunName", funName}, {"RuleToken", ruleToken}});
}

Json::Value ModuleInfo(const QString& sceneToken, const ParamRecord& module) {
    return CommandInfo({{"SceneToken", sceneToken}, {"ModuleName", module.funName}});
}

}  // namespace

DeviceCommandChannel::AheadCommand DeviceCommandChannel::RuleRead(const QString& sceneToken,
                                                                  const QString& funName,
                                                                  const QString& ruleToken) {
    return {"CMD_GetRuleModuleParam", RuleInfo(sceneToken, funName, ruleToken)};
}

DeviceCommandChannel::AheadCommand DeviceCommandChannel::ModuleRead(const QString& sceneToken,
                                                                    const QString& moduleName) {
    ParamRecord module;
    module.funName = moduleName;
    return {"CMD_GetRuleModuleParam", ModuleInfo(sceneToken, module)};
}

int DeviceCommandChannel::GetRuleParam(const QString& sceneToken, ParamRecord& record) {
    Json::Value reply;
    const AheadCommand read = RuleRead(sceneToken, record.funName, record.token);
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    DecodeParamRecord(reply, record);
    return 1;
}

int DeviceCommandChannel::ModifyRuleParam(const QString& sceneToken, ParamRecord record) {
    Json::Value info = RuleInfo(sceneToken, record.funName, record.token);
    info["CMDType"] = "Modify";
    EncodeParamRecord(info, record, "RuleModuleData");
    Json::Value reply;
    return SendCommand("CMD_ModifyRuleModuleParam", info, reply);
}

int DeviceCommandChannel::ResetRuleParam(const QString& sceneToken, ParamRecord& record) {
    Json::Value info = RuleInfo(sceneToken, record.funName, record.token);
    info["CMDType"] = "Reset";
    Json::Value reply;
    if (!SendCommand("CMD_ModifyRuleModuleParam", info, reply)) {
        return 0;
    }
    // The reset itself answers no parameters: read the defaults back.
    GetRuleParam(sceneToken, record);
    return 1;
}

int DeviceCommandChannel::QueryRule(const QString& sceneToken, const QString& funName,
                                    QStringList& ruleTokens) {
    Json::Value reply;
    if (!SendCommand("CMD_QueryRule",
                     CommandInfo({{"SceneToken", sceneToken}, {"SmartFunName", funName}}), reply)) {
        return 0;
    }
    ReadTextList(reply, "RuleToken", ruleTokens);
    return 1;
}

int DeviceCommandChannel::AddRule(const QString& sceneToken, ParamRecord& record) {
    Json::Value reply;
    if (!SendCommand("CMD_AddRule", RuleInfo(sceneToken, record.funName, record.token), reply)) {
        return 0;
    }
    // The new rule starts with the function's defaults: read them.
    GetRuleParam(sceneToken, record);
    return 1;
}

int DeviceCommandChannel::DelRule(const QString& sceneToken, const QString& funName,
                                  const QString& ruleToken) {
    Json::Value reply;
    return SendCommand("CMD_DelRule", RuleInfo(sceneToken, funName, ruleToken), reply);
}

int DeviceCommandChannel::GetModuleParam(const QString& sceneToken, ParamRecord& record) {
    Json::Value reply;
    const AheadCommand read = ModuleRead(sceneToken, record.funName);
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    DecodeParamRecord(reply, record);
    return 1;
}

int DeviceCommandChannel::ModifyModuleParam(const QString& sceneToken, ParamRecord record) {
    Json::Value info = ModuleInfo(sceneToken, record);
    info["CMDType"] = "Modify";
    EncodeParamRecord(info, record, "RuleModuleData");
    Json::Value reply;
    return SendCommand("CMD_ModifyRuleModuleParam", info, reply);
}

int DeviceCommandChannel::ResetModuleParam(const QString& sceneToken, ParamRecord& record) {
    Json::Value info = ModuleInfo(sceneToken, record);
    info["CMDType"] = "Reset";
    Json::Value reply;
    if (!SendCommand("CMD_ModifyRuleModuleParam", info, reply)) {
        return 0;
    }
    GetModuleParam(sceneToken, record);
    return 1;
}

int DeviceCommandChannel::GetParamRange(const QString& funText, const QString& eventText,
                                        ParamRange& range) {
    auto key = std::make_tuple(range.paramName, funText, eventText);
    if (const auto kept = ranges_.find(key); kept != ranges_.end()) {
        ReadParamRange(kept->second, range);
        return 1;
    }
    Json::Value reply;
    if (!SendCommand("CMD_GetParamRange",
                     CommandInfo({{"ParamName", range.paramName},
                                  {"ParamFunction", funText},
                                  {"ParamEvent", eventText}}),
                     reply)) {
        return 0;  // a refusal is not kept: the next panel asks again
    }
    ReadParamRange(reply, range);
    ranges_.emplace(std::move(key), std::move(reply));
    return 1;
}
