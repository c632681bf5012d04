#include "save_verify.h"

#include "smart_ui_auto_fresh.h"
#include "smart_xml_parse.h"
#include "stored_check.h"

namespace vexo::smart {
namespace {

using Read = int (CSmartXmlParse::*)(ParamRecord&);

// Reads each record of `sent` back with `read` and adds what differs.
void CompareEach(CSmartXmlParse& parse, Read read, const std::map<QString, ParamRecord>& sent,
                 vexo::StoredDifferences& out) {
    for (const auto& [name, record] : sent) {
        ParamRecord stored;
        stored.funName = record.funName;
        stored.token = record.token;
        if ((parse.*read)(stored)) {
            const auto differences = vexo::CompareRecords(record, stored);
            out.insert(out.end(), differences.begin(), differences.end());
        }
    }
}

}  // namespace

QString VerifiedSaveText(CSmartXmlParse* parse, vexo::CSmartUiAutoFresh& controller) {
    vexo::StoredDifferences differences;
    const bool ruleMode = controller.CurrentMode() == vexo::CSmartUiAutoFresh::kRuleMode;
    if (parse && ruleMode && !controller.RuleToken().isEmpty()) {
        CompareEach(*parse, &CSmartXmlParse::GetRuleParam,
                    {{controller.RuleToken(), controller.RuleRecord()}}, differences);
    } else if (parse && !ruleMode) {
        CompareEach(*parse, &CSmartXmlParse::GetModuleParam, controller.Modules(), differences);
        CompareEach(*parse, &CSmartXmlParse::GetNonSceneParam, controller.NonScenes(), differences);
    }
    const QString report = vexo::SaveSuccessText(differences);
    if (differences.empty()) {
        return report;  // the panel already shows what the device holds
    }
    // Show the device's version: the panel is built again from a fresh read.
    const QString scene = controller.SceneToken();
    const QString funName = controller.FunName();
    if (ruleMode) {
        const QString token = controller.RuleToken();
        controller.ShowRule(false, scene, funName, token);
    } else {
        controller.ShowModules(false, scene, funName);
    }
    return report;
}

}  // namespace vexo::smart
