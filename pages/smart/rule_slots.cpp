#include "rule_slots.h"

namespace vexo::smart {

void RuleSlots::Reset(const QStringList& tokens) {
    tokens_.clear();
    shown_.fill(false);
    for (const QString& token : tokens) {
        const int slot = FirstFreeSlot();
        if (slot == 0) {
            break;  // more rules than buttons: the bar shows the first eight
        }
        Fill(slot, token);
    }
}

RuleSlots::AddCheck RuleSlots::CheckAdd() const {
    const int used = Used();
    if (used >= kMaxRules) {
        return AddCheck::LimitReached;
    }
    if (StoredTokens().size() < used) {
        return AddCheck::UnsavedRule;
    }
    return AddCheck::Allowed;
}

int RuleSlots::FirstFreeSlot() const {
    for (int slot = 1; slot <= kMaxRules; ++slot) {
        if (!shown_[slot - 1]) {
            return slot;
        }
    }
    return 0;
}

QString RuleSlots::TokenFor(const QString& funName, int slot) const {
    if (const QString old = TokenAt(slot); !old.isEmpty()) {
        return old;
    }
    const qsizetype colon = funName.indexOf(u':');
    const QString base = colon < 0 ? funName : funName.mid(colon + 1);
    const auto numbered = [&base](int n) {
        return QStringLiteral("%1 %2").arg(base).arg(n, 2, 10, QLatin1Char('0'));
    };
    QString token = numbered(slot);
    // At most one candidate per token in use plus one is ever taken.
    for (int n = 1; tokens_.contains(token) && n <= tokens_.size() + 1; ++n) {
        token = numbered(n);
    }
    return token;
}

void RuleSlots::Fill(int slot, const QString& token) {
    if (slot < 1 || slot > kMaxRules) {
        return;
    }
    while (tokens_.size() < slot) {
        tokens_.append(QString());
    }
    tokens_[slot - 1] = token;
    shown_[slot - 1] = true;
}

void RuleSlots::Empty(int slot) {
    if (slot < 1 || slot > kMaxRules) {
        return;
    }
    if (slot <= tokens_.size()) {
        tokens_[slot - 1].clear();
    }
    shown_[slot - 1] = false;
}

int RuleSlots::ShownBefore(int slot) const {
    for (int s = slot - 1; s >= 1; --s) {
        if (shown_[s - 1]) {
            return s;
        }
    }
    return 0;
}

int RuleSlots::Used() const {
    int used = 0;
    for (const bool shown : shown_) {
        used += shown ? 1 : 0;
    }
    return used;
}

QStringList RuleSlots::StoredTokens() const {
    QStringList stored;
    for (int slot = 1; slot <= kMaxRules; ++slot) {
        if (IsShown(slot) && !TokenAt(slot).isEmpty()) {
            stored << TokenAt(slot);
        }
    }
    return stored;
}

QString RuleSlots::Caption(const QString& ruleText, const QString& token) {
    return QStringLiteral("%1 %2").arg(ruleText, token.right(2));
}

}  // namespace vexo::smart
