// Scene tour operations of the command channel.

#include "command_info.h"
#include "device_command_channel.h"
#include "tour_forms.h"

int DeviceCommandChannel::GetSceneTourData(TourRecord& tour) {
    Json::Value reply;
    if (!SendCommand("CMD_GetSceneTourData", vexo::CommandInfo({{"SceneTourType", tour.tourType}}),
                     reply)) {
        return 0;
    }
    ReadSceneTourData(reply, tour);
    return 1;
}

int DeviceCommandChannel::SetSceneTourData(TourRecord tour) {
    Json::Value info = vexo::CommandInfo({{"SceneTourType", tour.tourType}});
    info["Data"] = SceneTourJson(tour);
    Json::Value reply;
    return SendCommand("CMD_SetSceneTourData", info, reply);
}
