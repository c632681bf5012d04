// Numbered timers: expiries arrive under their number, restarts replace,
// kills stop, and overrides shorten a timer without changing what the owner
// asked for.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <vector>

#include "timer_set.h"

TEST(TimerSet, ExpiriesArriveUnderTheirNumberUntilKilled) {
    std::vector<int> fired;
    vexo::TimerSet timers([&](int id) { fired.push_back(id); });
    vexo::SetTimerIntervalOverride(1002, 20);
    timers.SetTimer(1002, 240000);
    timers.SetTimer(1001, 10);
    timers.SetTimer(1001, 10);  // a restart replaces, it does not add
    EXPECT_EQ(timers.RequestedInterval(1002), 240000);
    QTest::qWait(120);
    timers.KillTimer(1001);
    const auto count = [&](int id) { return std::count(fired.begin(), fired.end(), id); };
    EXPECT_GE(count(1002), 2);
    EXPECT_GE(count(1001), 2);
    const auto before = count(1001);
    QTest::qWait(60);
    EXPECT_EQ(count(1001), before);
    EXPECT_FALSE(timers.IsActive(1001));
    EXPECT_TRUE(timers.IsActive(1002));
    vexo::ClearTimerIntervalOverrides();
}

TEST(TimerSet, HandlerMayKillItsOwnTimer) {
    int fired = 0;
    vexo::TimerSet* self = nullptr;
    vexo::TimerSet timers([&](int id) {
        ++fired;
        self->KillTimer(id);
    });
    self = &timers;
    timers.SetTimer(1001, 5);
    QTest::qWait(60);
    EXPECT_EQ(fired, 1);
}

// While an operator action holds the timers, a holdable set keeps its
// expiries and delivers each timer once after the release; other sets (the
// loading dialog's) run on.
TEST(TimerSet, HeldExpiriesArriveOnceAfterTheRelease) {
    std::vector<int> held;
    std::vector<int> free;
    vexo::TimerSet page([&](int id) { held.push_back(id); });
    vexo::TimerSet dialog([&](int id) { free.push_back(id); });
    page.SetHoldable(true);
    vexo::HoldTimers();
    vexo::HoldTimers();  // holds nest
    page.SetTimer(1001, 5);
    page.SetTimer(1002, 5);
    dialog.SetTimer(1, 5);
    QTest::qWait(60);
    EXPECT_TRUE(held.empty());
    EXPECT_FALSE(free.empty());
    vexo::ReleaseTimers();
    EXPECT_TRUE(held.empty()) << "still held once";
    page.KillTimer(1002);  // a timer killed meanwhile is not delivered
    page.KillTimer(1001);
    page.SetTimer(1001, 100000);  // running again, but not yet expired
    vexo::ReleaseTimers();
    EXPECT_EQ(held, std::vector<int>{1001});
}
