#include "exchange_messages.h"

#include <map>

#include "com_str.h"

namespace vexo {
namespace {

using Purpose = QString ComTexts::*;

// Commands whose purpose does not depend on their parameters.
const std::map<std::string, Purpose>& PurposeByCommand() {
    static const std::map<std::string, Purpose> table = {
        {"CMD_GetSceneList", &ComTexts::purposeReadScenes},
        {"CMD_GetAllSupportSmartFunName", &ComTexts::purposeReadScenes},
        {"CMD_GetSceneModuleList", &ComTexts::purposeReadScenes},
        {"CMD_QueryRule", &ComTexts::purposeReadRule},
        {"CMD_GetParamRange", &ComTexts::purposeReadRanges},
        {"CMD_GetAllNormalAlarmFunName", &ComTexts::purposeReadSettings},
        {"CMD_GetNormalAlarmData", &ComTexts::purposeReadSettings},
        {"CMD_GetNonSceneParam", &ComTexts::purposeReadSettings},
        {"CMD_GetGuardSchedules", &ComTexts::purposeReadSchedule},
        {"CMD_GetActionTrigger", &ComTexts::purposeReadLinkage},
        {"CMD_GetSceneTourData", &ComTexts::purposeReadTour},
        {"CMD_GetPTZPosition", &ComTexts::purposeReadPtz},
        {"CMD_GetSmartStatus", &ComTexts::purposeReadStatus},
        {"CMD_GetBatchConfig", &ComTexts::purposeReadConfig},
        {"CMD_GetConfigInfo", &ComTexts::purposeReadConfig},
        {"CMD_ModifyNormalAlarmData", &ComTexts::purposeSaveAlarm},
        {"CMD_AddRule", &ComTexts::purposeAddRule},
        {"CMD_DelRule", &ComTexts::purposeDelRule},
        {"CMD_AddScene", &ComTexts::purposeAddScene},
        {"CMD_DelScene", &ComTexts::purposeDelScene},
        {"CMD_SetCurScene", &ComTexts::purposeSetCurrentScene},
        {"CMD_ModifyScene", &ComTexts::purposeSaveScene},
        {"CMD_SetGuardSchedules", &ComTexts::purposeSaveSchedule},
        {"CMD_SetActionTrigger", &ComTexts::purposeSaveLinkage},
        {"CMD_SetSceneTourData", &ComTexts::purposeSaveTour},
        {"CMD_PTZLock", &ComTexts::purposeLockPtz},
        {"CMD_PTZUnLock", &ComTexts::purposeUnlockPtz},
        {"CMD_MovePTZPosition", &ComTexts::purposeMovePtz},
        {"CMD_SetSmartStatus", &ComTexts::purposeSwitchSmart},
        {"CMD_SetBatchConfig", &ComTexts::purposeWriteConfig},
        {"CMD_SetParamsBatchConfig", &ComTexts::purposeWriteConfig},
    };
    return table;
}

// Rule and module commands share their names; the parameters tell a rule
// (it has a rule token) from a module, a save from a reset.
Purpose PurposeOf(const std::string& command, const Json::Value& info) {
    const bool object = info.isObject();
    const bool reset = object && info["CMDType"] == "Reset";
    const bool rule = object && info.isMember("RuleToken");
    if (command == "CMD_GetRuleModuleParam") {
        return rule ? &ComTexts::purposeReadRule : &ComTexts::purposeReadSettings;
    }
    if (command == "CMD_ModifyRuleModuleParam") {
        return reset ? &ComTexts::purposeRecover
                     : (rule ? &ComTexts::purposeSaveRule : &ComTexts::purposeSaveSettings);
    }
    if (command == "CMD_ModifyNonSceneParam") {
        return reset ? &ComTexts::purposeRecover : &ComTexts::purposeSaveSettings;
    }
    const auto found = PurposeByCommand().find(command);
    return found == PurposeByCommand().end() ? &ComTexts::purposeTalk : found->second;
}

}  // namespace

QString CommandPurpose(const std::string& command, const Json::Value& info) {
    return TheComStr().Texts().*PurposeOf(command, info);
}

QString ExchangeFailureMessage(const std::string& command, const Json::Value& info,
                               ExchangeFailure failure) {
    const ComTexts& texts = TheComStr().Texts();
    QString what;
    switch (failure) {
        case ExchangeFailure::NoAnswer:
            what = texts.deviceNoAnswer;
            break;
        case ExchangeFailure::Unreachable:
            what = texts.deviceUnreachable;
            break;
        case ExchangeFailure::Unreadable:
            what = texts.deviceUnreadable;
            break;
        case ExchangeFailure::None:
        case ExchangeFailure::Refused:
        case ExchangeFailure::NotSent:
            return {};
    }
    return texts.exchangeFailed.arg(CommandPurpose(command, info), what);
}

}  // namespace vexo
