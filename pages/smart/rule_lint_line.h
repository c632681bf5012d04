#pragma once
// RuleLintLine: one line under the rule bar saying why the rule shown cannot
// fire as the device holds it (an empty, flat or crossing region, a wire of
// no length or on the picture's edge, the rule switched off), with what to
// change. It only informs: it never blocks Save and never pops up. It is
// refreshed whenever the panel controller reads, saves or resets the rule,
// so it describes the device's version, not unsaved edits.
//
// The schedule and linkage checks need the rule's week and linkage, which
// the page reads only when their tabs are opened; the line leaves them to
// "vexo-cmd config lint".

#include <QRect>
#include <QString>
#include <memory>

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
    void Clear();

    // What the line says; empty while it is hidden. For tests and scripts.
    QString Text() const;

private:
    std::unique_ptr<QLabel> label_;
};

// Where the line goes: in the row below the rule bar, right of the tabs.
QRect RuleLintRect();

}  // namespace vexo::smart
