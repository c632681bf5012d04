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
