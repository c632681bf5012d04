#pragma once
// The rule batch of the schedule and linkage editors: the operator ticks
// rules of the current analytics function in the rule chooser and the
// editor's record is sent once for each, carrying that rule's token.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "stored_check.h"

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

// How the batch reaches the device: `send` writes a rule's copy of the
// record (1 when accepted); `read` fills a record addressed to a rule with
// what the device stored (false when it could not be read); `compare` lists
// what the device stored differently (stored_check.h).
struct RuleBatchExchange {
    std::function<int(const ParamRecord&)> send;
    std::function<bool(ParamRecord&)> read;
    std::function<StoredDifferences(const ParamRecord&, const ParamRecord&)> compare;
};

// What a batch did to the rule the editor shows.
struct RuleBatchOutcome {
    // The rule the editor shows (`currentToken`) was ticked and accepted.
    bool currentSaved = false;
    // The device's version of that rule when it stored it differently.
    std::optional<ParamRecord> currentStored;
};

// Opens the rule chooser at `position` with `rules` (the one whose token is
// `currentToken` ticked at start). When the operator confirms, a copy of
// `record` carrying each ticked rule's token is sent (the chooser's "All"
// item is not a rule) and, when accepted, read back: write, then verify,
// one rule after the other. Each refusal shows the device's error text.
// When every send succeeded, one message says "Save Success" followed by
// what the device stored differently, each line led by the rule's name
// ("Rule 05 / Monday: sent ..., stored ..."); after a refusal the accepted
// rules' differences follow the error texts alone. Nothing is shown when
// no rule was ticked. A read-back that fails adds nothing: the write was accepted.
// Nothing is sent when the chooser is cancelled or there is no rule to
// offer.
RuleBatchOutcome RunRuleBatch(QWidget* parent, const QPoint& position,
                              const std::vector<BatchRule>& rules, const QString& currentToken,
                              const ParamRecord& record, CSmartXmlParse* context,
                              const RuleBatchExchange& exchange);

}  // namespace vexo
