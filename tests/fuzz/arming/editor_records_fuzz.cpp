// The editors' readings of any schedule or trigger reply: the week read from
// a schedule record is written back with one numbered period per entry and
// shown on a day bar without overflow; the trigger groups keep their slots
// on the panel and an action's change reaches every group that has it.

#include "fuzz_reply.h"
#include "linkage_forms.h"
#include "linkage_groups.h"
#include "schedule_week.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value info;
    if (!vexo::fuzz::ReplyInfo(data, size, info)) {
        return 0;
    }
    ParamRecord schedule;
    ReadGuardSchedules(info, schedule);
    vexo::ScheduleWeek week;
    vexo::ReadScheduleWeek(schedule, week);
    vexo::WriteScheduleWeek(week, schedule);
    const vexo::DayScale scale{100, 820};
    for (int day = 0; day < vexo::kScheduleDays; ++day) {
        const auto& written = schedule.objectParams[vexo::ScheduleDayKey(day)].attributes;
        vexo::fuzz::Require(written.size() == week[day].size(), "one attribute per period");
        for (const vexo::SchedulePeriod& period : week[day]) {
            const int start = vexo::ScheduleMinutes(period.start);
            const int end = vexo::ScheduleMinutes(period.end);
            vexo::fuzz::Require(start >= 0 && end >= 0, "minutes are never negative");
            scale.PixelOf(end);
            scale.MinutesAt(scale.PixelOf(start));
        }
    }

    ParamRecord trigger;
    ReadActionTrigger(info, trigger);
    const int count = static_cast<int>(trigger.objectParams.size());
    const std::vector<vexo::LinkageGroup> groups =
        vexo::ReadLinkageGroups(trigger, count > 0 ? count - 1 : 0);
    for (const vexo::LinkageGroup& group : groups) {
        vexo::fuzz::Require(group.slot >= 0 && (count == 0 || group.slot < count),
                            "a group's slot is on the panel");
        if (!group.actions.empty()) {
            vexo::SetLinkageAction(trigger, group.actions.front().name, true);
            vexo::fuzz::Require(
                trigger.objectParams[group.name].attributes[group.actions.front().name] ==
                    QStringLiteral("TRUE"),
                "a changed action reads TRUE");
        }
    }
    return 0;
}
