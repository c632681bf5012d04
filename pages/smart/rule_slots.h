#pragma once
// The rule slots of one smart function on the rule bar: up to eight rule
// buttons, each showing the rule token stored at its slot. A deleted rule
// empties its slot's token but keeps the slot, so the next "Add" refills it.
// Pure logic, so that the bar's token and limit rules can be checked alone.

#include <QString>
#include <QStringList>
#include <array>

namespace vexo::smart {

inline constexpr int kMaxRules = 8;

class RuleSlots {
public:
    enum class AddCheck { Allowed, LimitReached, UnsavedRule };

    // Rebuilds the slots from the device's rule list: one slot per token.
    void Reset(const QStringList& tokens);

    // Whether "Add" may go on: `used` is the number of rule slots in use.
    AddCheck CheckAdd() const;
    // The first slot (1 to 8) whose button is hidden; 0 when none is.
    int FirstFreeSlot() const;
    // The token an "Add" into `slot` sends: the slot's old token when it has
    // one, else "<name> NN" with the function name after its namespace and
    // the slot number, the number running from 1 while the text is taken.
    QString TokenFor(const QString& funName, int slot) const;
    // Stores an added rule's token at `slot` and shows its button.
    void Fill(int slot, const QString& token);
    // Empties `slot`'s token and hides its button.
    void Empty(int slot);

    // The nearest shown slot before `slot`; 0 when there is none.
    int ShownBefore(int slot) const;
    bool IsShown(int slot) const { return slot >= 1 && slot <= kMaxRules && shown_[slot - 1]; }
    QString TokenAt(int slot) const { return slot >= 1 ? tokens_.value(slot - 1) : QString(); }
    // Rule buttons in use (shown).
    int Used() const;
    const QStringList& Tokens() const { return tokens_; }
    // The non-empty tokens in slot order.
    QStringList StoredTokens() const;

    // A rule button's caption: the "Rule" text, a blank and the token's
    // last two characters.
    static QString Caption(const QString& ruleText, const QString& token);

private:
    QStringList tokens_;
    std::array<bool, kMaxRules> shown_{};
};

}  // namespace vexo::smart
