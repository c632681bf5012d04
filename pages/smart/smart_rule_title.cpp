#include "smart_rule_title.h"

#include <QLabel>
#include <algorithm>

#include "com_str.h"
#include "page_fit.h"
#include "smart_config_layout.h"
#include "smart_config_set.h"
#include "ui_helpers.h"

using namespace vexo::smart;

namespace {
constexpr QSize kRuleButtonSize(100, 36);
constexpr QSize kAdvanceSize(120, 36);
constexpr QSize kAddDelSize(64, 30);
constexpr int kAddDelGap = 6;       // between "Add" and "Del"
constexpr int kBarGap = 10;         // between the last rule and "Add", and at the right edge
constexpr int kNarrowestRule = 80;  // "Rule 08 *" still reads

// The width of one rule button on a page `pageWidth` wide: the default
// size whenever the bar fits, narrower (never below the floor) otherwise.
int RuleButtonWidth(int pageWidth) {
    const int fixed = kRuleBarTopLeft.x() + kAdvanceSize.width() + kBarGap +
                      2 * kAddDelSize.width() + kAddDelGap + kBarGap;
    const int share = (pageWidth - fixed) / kMaxRules;
    return std::clamp(share, kNarrowestRule, kRuleButtonSize.width());
}
}  // namespace

void CSmartRuleTitle::Create(QWidget* parent) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    advanceButton_.Create(kXpBase + kAdvanceOffset, parent, QRect(kRuleBarTopLeft, kAdvanceSize),
                          vexo::kAutoStyleNone, texts.advanceParam);
    advanceButton_.SetImages(238, 239);
    // The rules, Add and Del are put in their places by Place.
    for (int i = 0; i < kMaxRules; ++i) {
        ruleButtons_[i].Create(kXpBase + kFirstRuleOffset + i, parent, QRect());
        ruleButtons_[i].SetImages(238, 239);
    }
    add_.Create(kXpBase + kAddOffset, parent, QRect(), vexo::kAutoStyleNone, texts.add);
    add_.SetImages(246, 246);
    del_.Create(kXpBase + kDelOffset, parent, QRect(), vexo::kAutoStyleNone, texts.del);
    del_.SetImages(246, 246);
    Place(vexo::PageFit::kDefaultPage.width());
    UpdateButtons();
}

void CSmartRuleTitle::Place(int pageWidth) {
    const int width = RuleButtonWidth(pageWidth);
    const int y = kRuleBarTopLeft.y();
    int x = kRuleBarTopLeft.x() + kAdvanceSize.width();
    for (int i = 0; i < kMaxRules; ++i) {
        if (vexo::CXPButton* button = ruleButtons_[i].Control()) {
            button->setGeometry(x, y, width, kRuleButtonSize.height());
        }
        PlaceBadge(i + 1);
        x += width;
    }
    x += kBarGap;
    const int addDelY = y + (kRuleButtonSize.height() - kAddDelSize.height()) / 2;
    if (vexo::CXPButton* button = add_.Control()) {
        button->setGeometry(QRect(QPoint(x, addDelY), kAddDelSize));
    }
    if (vexo::CXPButton* button = del_.Control()) {
        button->setGeometry(
            QRect(QPoint(x + kAddDelSize.width() + kAddDelGap, addDelY), kAddDelSize));
    }
}

void CSmartRuleTitle::Reset(const QStringList& tokens, bool advance) {
    slots_.Reset(tokens);
    advance_ = advance;
    active_ = true;
    current_ = advance ? 0 : (slots_.IsShown(1) ? 1 : -1);
    edited_ = false;
    UpdateButtons();
}

void CSmartRuleTitle::Select(int current) {
    current_ = current;
    edited_ = false;
    UpdateButtons();
}

void CSmartRuleTitle::MarkEdited(bool edited) {
    if (edited != edited_) {
        edited_ = edited;
        UpdateButtons();
    }
}

void CSmartRuleTitle::Fill(int slot, const QString& token) {
    slots_.Fill(slot, token);
    current_ = slot;
    edited_ = false;
    UpdateButtons();
}

void CSmartRuleTitle::Empty(int slot) {
    slots_.Empty(slot);
    const int before = slots_.ShownBefore(slot);
    current_ = before > 0 ? before : (advance_ ? 0 : -1);
    edited_ = false;
    UpdateButtons();
}

void CSmartRuleTitle::UpdateButtons() {
    const QString ruleText = vexo::TheComStr()->rule;
    advanceButton_.Show(active_ && advance_ ? 1 : 0);
    if (vexo::CXPButton* button = advanceButton_.Control()) {
        button->setText(
            vexo::EditedCaption(vexo::TheComStr()->advanceParam, edited_ && current_ == 0));
        button->SetSelected(current_ == 0 ? 1 : 0);
    }
    for (int slot = 1; slot <= kMaxRules; ++slot) {
        vexo::CAutoXpBtn& rule = ruleButtons_[slot - 1];
        rule.Show(active_ && slots_.IsShown(slot) ? 1 : 0);
        if (vexo::CXPButton* button = rule.Control()) {
            button->setText(vexo::EditedCaption(RuleSlots::Caption(ruleText, slots_.TokenAt(slot)),
                                                edited_ && current_ == slot));
            button->SetSelected(current_ == slot ? 1 : 0);
        }
    }
    add_.Show(active_ ? 1 : 0);
    del_.Show(active_ && current_ >= 1 ? 1 : 0);
}

void CSmartRuleTitle::ShowHits(int slot, int hits) {
    if (slot < 1 || slot > kMaxRules) {
        return;
    }
    vexo::CXPButton* button = ruleButtons_[slot - 1].Control();
    if (button == nullptr) {
        return;
    }
    QPointer<QLabel>& badge = hitBadges_[slot - 1];
    if (hits < 0) {
        button->setProperty(kHitsProperty, QVariant());
        if (badge) {
            badge->hide();
        }
        return;
    }
    if (button->property(kHitsProperty).toInt() == hits && badge && badge->isVisible()) {
        return;
    }
    button->setProperty(kHitsProperty, hits);
    if (!badge) {
        badge = new QLabel(button);
        badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        badge->setAlignment(Qt::AlignCenter);
    }
    // A rule that has not fired yet gets a quiet grey count: the operator
    // sees the counting is on without eight red marks calling for attention.
    badge->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: 7px;"
                       " font-size: 10px; padding: 0 3px; }")
            .arg(hits > 0 ? QStringLiteral("#d83a2e") : QStringLiteral("#9a9a9a")));
    badge->setText(hits > 999 ? QStringLiteral("999+") : QString::number(hits));
    badge->adjustSize();
    PlaceBadge(slot);
    badge->show();
    badge->raise();
}

void CSmartRuleTitle::PlaceBadge(int slot) {
    const QPointer<QLabel>& badge = hitBadges_[slot - 1];
    const vexo::CXPButton* button = ruleButtons_[slot - 1].Control();
    if (badge && button) {
        const int width = std::max(14, badge->sizeHint().width());
        badge->setGeometry(button->width() - width - 2, 2, width, 14);
    }
}
