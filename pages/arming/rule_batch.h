#pragma once
// The rule batch of the schedule and linkage editors: the operator ticks
// rules of the current analytics function in the rule chooser and the
// editor's record is sent once for each, carrying that rule's token.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class CSmartXmlParse;
struct ParamRecord;

namespace vexo {

// One rule the chooser offers: the name it shows and the token it sends.
struct BatchRule {
    QString name;
    QString token;
};

// The rule batch button's caption: "Copy To" and "Rule" in the current
// language ("Copy To Rule", "复制到规则").
QString RuleBatchCaption();

// Opens the rule chooser at `position` with `rules` (the one whose token is
// `currentToken` ticked at start). When the operator confirms, `send` is
// called with a copy of `record` carrying each ticked rule's token (the
// chooser's "All" item is not a rule); each refusal shows the device's error
// text; when every send succeeded "Save Success" is shown once (nothing when
// no rule was ticked). Returns the
// number of refused sends, or -1 when the chooser was cancelled (nothing
// sent) or there is no rule to offer.
int RunRuleBatch(QWidget* parent, const QPoint& position, const std::vector<BatchRule>& rules,
                 const QString& currentToken, const ParamRecord& record, CSmartXmlParse* context,
                 const std::function<int(const ParamRecord&)>& send);

}  // namespace vexo
