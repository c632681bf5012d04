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

int RunRuleBatch(QWidget* parent, const QPoint& position, const std::vector<BatchRule>& rules,
                 const QString& currentToken, const ParamRecord& record, CSmartXmlParse* context,
                 const std::function<int(const ParamRecord&)>& send) {
    if (rules.empty()) {
        return -1;
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
        return -1;
    }
    int refused = 0;
    int sent = 0;
    for (size_t i = 0; i < rules.size() && i < static_cast<size_t>(states.size()); ++i) {
        if (!states[static_cast<int>(i)]) {
            continue;
        }
        ParamRecord copy = record;
        copy.token = rules[i].token;
        ++sent;
        if (send(copy) != 1) {
            ++refused;
            if (context) {
                context->ShowDeviceError();
            }
        }
    }
    if (sent > 0 && refused == 0) {
        const CComStr& texts = TheComStr();
        ShowMessage(texts->saveSuccess, texts->tips);
    }
    return refused;
}

}  // namespace vexo
