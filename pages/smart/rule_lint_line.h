#pragma once
// RuleLintLine: one line under the rule bar saying why the rule shown cannot
// fire as the device holds it (an empty, flat or crossing region, a wire of
// no length or on the picture's edge, an empty arming week, a linkage
// without an action, the rule switched off), with what to
// change. It only informs: it never blocks Save and never pops up. It is
// refreshed whenever the panel controller reads, saves or resets the rule,
// so it describes the device's version, not unsaved edits.
//
// The schedule and linkage checks need the rule's week and linkage: the
// page reads both (side by side with the rule) whenever it shows a rule
// whose function has them, and hands the line what the editors save.

#include <json/value.h>

#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "device_command_channel.h"

class CSmartXmlParse;
class QLabel;
class QWidget;
struct ParamRecord;

namespace vexo::smart {

class RuleLintLine {
public:
    // Host scripts find the line by this control identifier.
    static constexpr int kControlId = 15991;

    RuleLintLine();
    ~RuleLintLine();

    void Create(QWidget* parent, const QRect& rect);
    // Checks `rule` and shows its warnings in the control's language (all
    // of them in the tool tip); hides the line when there is none.
    void ShowFor(const ParamRecord& rule);
    // Hides the line and forgets the week and linkage (another rule).
    void Clear();

    // Reads the guard schedule (`schedule`) and the linkage (`linkage`) of
    // the rule `token` of `funName` on the device context's scene, for the
    // next ShowFor. A week or linkage not asked for, or whose read failed,
    // is not checked.
    void ReadOwner(CSmartXmlParse* parse, const QString& funName, const QString& token,
                   bool schedule, bool linkage);
    // The commands ReadOwner sends, for the page to send ahead together with
    // the rule's own read: the three answers then take one round trip.
    static std::vector<DeviceCommandChannel::AheadCommand> OwnerReads(const QString& scene,
                                                                      const QString& funName,
                                                                      const QString& token,
                                                                      bool schedule, bool linkage);
    // The week or linkage as the device now holds it (after a save).
    void SetSchedule(const ParamRecord& schedule);
    void SetLinkage(const ParamRecord& linkage);

    // What the line says; empty while it is hidden. For tests and scripts.
    QString Text() const;

private:
    void Hide();

    std::unique_ptr<QLabel> label_;
    // The JSON forms of the rule's week and linkage; null when not known.
    Json::Value schedule_;
    Json::Value linkage_;
};

// Where the line goes: in the row below the rule bar, right of the tabs.
QRect RuleLintRect();

}  // namespace vexo::smart
