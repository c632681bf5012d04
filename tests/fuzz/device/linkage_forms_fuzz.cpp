// The action trigger, guard schedule and tour readers on any reply, and the
// forms written from what they read.

#include "fuzz_reply.h"
#include "linkage_forms.h"
#include "tour_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value info;
    if (!vexo::fuzz::ReplyInfo(data, size, info)) {
        return 0;
    }
    ParamRecord trigger;
    ReadActionTrigger(info, trigger);
    const Json::Value triggerJson = ActionTriggerJson(trigger);
    ParamRecord triggerBack;
    ReadActionTrigger(triggerJson, triggerBack);
    vexo::fuzz::Require(ActionTriggerJson(triggerBack) == triggerJson, "trigger form is stable");

    ParamRecord schedule;
    ReadGuardSchedules(info, schedule);
    GuardSchedulesJson(schedule);
    TriggerOwnerInfo(schedule.token, schedule);

    TourRecord tour;
    ReadSceneTourData(info, tour);
    const Json::Value tourJson = SceneTourJson(tour);
    TourRecord tourBack;
    ReadSceneTourData(tourJson, tourBack);
    vexo::fuzz::Require(SceneTourJson(tourBack) == tourJson, "tour form is stable");
    return 0;
}
