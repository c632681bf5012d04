#pragma once
// The simulated camera's configuration and behaviour behind the command
// table and the PTZ endpoint, persisted in its state folder.

#include <json/value.h>

#include <string>

#include "command_table.h"
#include "ptz_model.h"
#include "state_folder.h"

namespace devsim {

struct DeviceIdentity {
    std::string name = "Simulated PTZ dome";
    std::string firmware = "devsim-1";
};

class DeviceModel {
public:
    DeviceModel(const StateFolder& state, DeviceIdentity identity);

    const CommandTable& Commands() const { return commands_; }
    PtzModel& Ptz() { return ptz_; }

private:
    void RegisterCommands();

    const StateFolder& state_;
    DeviceIdentity identity_;
    PtzModel ptz_;
    CommandTable commands_;
};

}  // namespace devsim
