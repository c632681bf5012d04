// The rule bar's slots: which slot and token an "Add" takes, when it may not,
// and what a deletion leaves behind.
#include "rule_slots.h"

#include <gtest/gtest.h>

using vexo::smart::RuleSlots;

namespace {

const QString kFun = QStringLiteral("zelk:Intrusion_Event");

TEST(RuleSlots, AddTakesTheFirstFreeSlotAndAFreeToken) {
    RuleSlots bar;
    bar.Reset({QStringLiteral("Intrusion_Event 01"), QStringLiteral("Intrusion_Event 03")});
    ASSERT_EQ(bar.FirstFreeSlot(), 3);
    EXPECT_EQ(bar.TokenFor(kFun, 3), QStringLiteral("Intrusion_Event 02"));
    // No namespace: the whole name.
    EXPECT_EQ(bar.TokenFor(QStringLiteral("Plain"), 3), QStringLiteral("Plain 03"));
}

TEST(RuleSlots, ADeletedSlotIsRefilledWithItsOwnToken) {
    RuleSlots bar;
    bar.Reset({QStringLiteral("A 01"), QStringLiteral("A 02"), QStringLiteral("A 03")});
    bar.Empty(2);
    EXPECT_FALSE(bar.IsShown(2));
    EXPECT_EQ(bar.ShownBefore(3), 1);
    EXPECT_EQ(bar.FirstFreeSlot(), 2);
    EXPECT_EQ(bar.TokenFor(QStringLiteral("x:A"), 2), QStringLiteral("A 02"));
    EXPECT_EQ(bar.StoredTokens(), QStringList({QStringLiteral("A 01"), QStringLiteral("A 03")}));
}

TEST(RuleSlots, AddIsRefusedAtEightRulesAndForASlotWithoutAStoredRule) {
    RuleSlots bar;
    QStringList eight;
    for (int i = 1; i <= 9; ++i) {
        eight << QStringLiteral("R %1").arg(i);
    }
    bar.Reset(eight);  // a ninth rule has no button
    EXPECT_EQ(bar.Used(), 8);
    EXPECT_EQ(bar.FirstFreeSlot(), 0);
    EXPECT_EQ(bar.CheckAdd(), RuleSlots::AddCheck::LimitReached);

    bar.Reset({QStringLiteral("R 1"), QString()});
    EXPECT_EQ(bar.CheckAdd(), RuleSlots::AddCheck::UnsavedRule);
    bar.Reset({});
    EXPECT_EQ(bar.CheckAdd(), RuleSlots::AddCheck::Allowed);
}

TEST(RuleSlots, CaptionShowsTheTokensLastTwoCharacters) {
    EXPECT_EQ(RuleSlots::Caption(QStringLiteral("Rule"), QStringLiteral("Intrusion_Event 07")),
              QStringLiteral("Rule 07"));
    EXPECT_EQ(RuleSlots::Caption(QStringLiteral("Rule"), QString()), QStringLiteral("Rule "));
}

}  // namespace
