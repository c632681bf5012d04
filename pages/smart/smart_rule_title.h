#pragma once
// CSmartRuleTitle: the rule bar of the smart configuration page: "Advance
// Param" (the function's modules), up to eight rule buttons and the "Add"
// and "Del" buttons. It keeps which button is selected and the rule slots;
// the page asks the device and tells the bar what became of it.
//
// "Add" is shown whenever a smart function is selected (an operator must be
// able to add the first rule); "Del" only while a rule button is selected,
// since "Advance Param" cannot be deleted. With no button in use both are
// hidden.

#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "auto_controls.h"
#include "dlg_part_base.h"
#include "rule_slots.h"

class QLabel;
class QWidget;

class CSmartRuleTitle : public CSmartConfigBase {
public:
    void Create(QWidget* parent);
    // Rebuilds the slots from the device's rule tokens and selects
    // "Advance Param" (or nothing when it is not shown).
    void Reset(const QStringList& tokens, bool advance);
    // Presses button `current` (0: "Advance Param", 1 to 8: a rule).
    void Select(int current);
    // Shows `slot`'s button for a rule just added with `token`.
    void Fill(int slot, const QString& token);
    // Hides `slot`'s button after its rule was deleted; the selection moves
    // to the nearest shown rule before it, or to "Advance Param".
    void Empty(int slot);
    // Marks the selected button as holding unsaved edits (or not).
    void MarkEdited(bool edited);

    int Current() const { return current_; }
    // Buttons in use, "Advance Param" included when it is shown.
    int Count() const { return slots_.Used() + (advance_ ? 1 : 0); }
    bool Advance() const { return advance_; }
    const vexo::smart::RuleSlots& Slots() const { return slots_; }
    QString CurrentToken() const { return slots_.TokenAt(current_); }

    // How often the rule of `slot` fired on the live picture, as a small
    // count in the button's corner and its dynamic property
    // "vexoRuleHits"; a negative count hides it.
    void ShowHits(int slot, int hits);
    static constexpr char kHitsProperty[] = "vexoRuleHits";

    // Lays the bar out for a page `pageWidth` wide: below the default width
    // the rule buttons narrow (down to a floor) so that "Add" and "Del"
    // still follow the eighth rule instead of covering it.
    void Place(int pageWidth);

private:
    void UpdateButtons();
    void PlaceBadge(int slot);

    vexo::CAutoXpBtn advanceButton_;
    std::array<vexo::CAutoXpBtn, vexo::smart::kMaxRules> ruleButtons_;
    vexo::CAutoXpBtn add_;
    vexo::CAutoXpBtn del_;
    vexo::smart::RuleSlots slots_;
    std::array<QPointer<QLabel>, vexo::smart::kMaxRules> hitBadges_;
    int current_ = 0;
    bool advance_ = true;
    bool active_ = false;  // a function is selected
    bool edited_ = false;  // the selected button's panel has unsaved edits
};
