#pragma once
// The simulated camera's configuration and behaviour behind the command
// table and the PTZ endpoint, persisted in its state folder. Its catalogue
// of analytics comes from the device's profile in its data folder.

#include <json/value.h>

#include <filesystem>
#include <string>

#include "analytics_store.h"
#include "catalog.h"
#include "command_table.h"
#include "ptz_lock.h"
#include "ptz_model.h"
#include "state_folder.h"

namespace devsim {

struct DeviceIdentity {
    std::string name = "Simulated PTZ dome";
    std::string firmware = "devsim-1";
};

class DeviceModel {
public:
    // Throws std::runtime_error when the data folder holds no usable profile.
    DeviceModel(const StateFolder& state, DeviceIdentity identity,
                std::filesystem::path dataFolder);

    const CommandTable& Commands() const { return commands_; }
    PtzModel& Ptz() { return ptz_; }
    PtzLock& Lock() { return lock_; }
    const Catalog& Analytics() const { return catalog_; }
    const AnalyticsStore& Store() const { return store_; }
    const std::filesystem::path& DataFolder() const { return dataFolder_; }

private:
    void RegisterCommands();

    DeviceIdentity identity_;
    std::filesystem::path dataFolder_;
    Catalog catalog_;
    PtzModel ptz_;
    PtzLock lock_;
    AnalyticsStore store_;
    CommandTable commands_;
};

}  // namespace devsim
