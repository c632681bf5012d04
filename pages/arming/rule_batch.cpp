#include "rule_batch.h"

#include <QList>

#include "com_str.h"
#include "ok_cancel_config_dlg.h"
#include "param_record.h"
#include "popup_forms.h"
#include "smart_xml_parse.h"
#include "ui_helpers.h"

namespace vexo {

QString RuleBatchCaption() {
    const CComStr& texts = TheComStr();
    const bool chinese = texts.Language() == QStringLiteral("chinese");
    return texts->copyTo + (chinese ? QString() : QStringLiteral(" ")) + texts->rule;
}

RuleBatchOutcome RunRuleBatch(QWidget* parent, const QPoint& position,
                              const std::vector<BatchRule>& rules, const QString& currentToken,
                              const ParamRecord& record, CSmartXmlParse* context,
                              const RuleBatchExchange& exchange) {
    RuleBatchOutcome outcome;
    if (rules.empty()) {
        return outcome;
    }
    QStringList names;
    int current = -1;
    for (size_t i = 0; i < rules.size(); ++i) {
        names << rules[i].name;
        if (rules[i].token == currentToken) {
            current = static_cast<int>(i);
        }
    }
    QList<int> states;
    if (COkCancelConfigDlg::ShowRuleChooser(position, current, names, kPopupRuleChooser, states,
                                            parent) != 1) {
        return outcome;
    }
    int sent = 0;
    int refused = 0;
    StoredDifferences differences;
    for (size_t i = 0; i < rules.size() && i < static_cast<size_t>(states.size()); ++i) {
        if (!states[static_cast<int>(i)]) {
            continue;
        }
        ParamRecord copy = record;
        copy.token = rules[i].token;
        ++sent;
        if (exchange.send(copy) != 1) {
            ++refused;
            if (context) {
                context->ShowDeviceError();
            }
            continue;
        }
        const bool isCurrent = rules[i].token == currentToken;
        outcome.currentSaved = outcome.currentSaved || isCurrent;
        ParamRecord stored;
        stored.token = copy.token;
        stored.funName = copy.funName;
        stored.secondText = copy.secondText;
        if (!exchange.read || !exchange.read(stored)) {
            continue;
        }
        StoredDifferences ruleDifferences = exchange.compare(copy, stored);
        if (ruleDifferences.empty()) {
            continue;
        }
        if (isCurrent) {
            outcome.currentStored = stored;
        }
        const std::string prefix = rules[i].name.toStdString() + " / ";
        for (auto& difference : ruleDifferences) {
            difference.name = prefix + difference.name;
            differences.push_back(std::move(difference));
        }
    }
    if (sent > 0 && refused == 0) {
        ShowSaveSuccess(differences);
    } else if (!differences.empty()) {
        // The refusals said what failed; what the accepted rules hold
        // otherwise than sent is still the operator's to know.
        const CComStr& texts = TheComStr();
        ShowMessage(
            SaveReport(QString(), differences, texts.Language() == QStringLiteral("chinese")),
            texts->tips);
    }
    return outcome;
}

}  // namespace vexo
