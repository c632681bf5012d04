// The rule bar's slots where the device's list is not what the page makes:
// more rules than buttons, and a function name without a namespace. Which
// slot and token "Add" takes, a deleted slot refilled, the eight-rule limit,
// a slot without a stored rule and the buttons' captions are driven against
// the simulator by tests/gui/smart/smart_rule_bar.js.
#include "rule_slots.h"

#include <gtest/gtest.h>

using vexo::smart::RuleSlots;

namespace {

TEST(RuleSlots, ADeviceListingMoreThanEightRulesFillsTheButtonsAndRefusesAdd) {
    RuleSlots bar;
    QStringList nine;
    for (int i = 1; i <= 9; ++i) {
        nine << QStringLiteral("R %1").arg(i);
    }
    bar.Reset(nine);  // a ninth rule has no button
    EXPECT_EQ(bar.Used(), 8);
    EXPECT_EQ(bar.FirstFreeSlot(), 0);
    EXPECT_EQ(bar.CheckAdd(), RuleSlots::AddCheck::LimitReached);
}

TEST(RuleSlots, AFunctionNameWithoutANamespaceIsTheWholeBase) {
    RuleSlots bar;
    bar.Reset({QStringLiteral("Plain 01")});
    EXPECT_EQ(bar.TokenFor(QStringLiteral("Plain"), 2), QStringLiteral("Plain 02"));
}

}  // namespace
