#pragma once
// What the command handlers of the device model work on. Each group of
// commands registers itself into the command table with these parts.

#include <filesystem>

#include "analytics_store.h"
#include "catalog.h"
#include "command_table.h"
#include "ptz_lock.h"
#include "ptz_model.h"

namespace devsim {

// The device's own files, served under /files/ and announced by
// "CMD_GetConfigInfo": the UI description, its texts, and the profile with
// every parameter's range and factory value.
inline constexpr const char* kPublishedFiles[] = {"korvane_ui.xml", "korvane_lang.xml",
                                                  "korvane_profile.json"};

// The batch configuration text of a configuration document.
std::string BatchText(const Json::Value& doc);

struct DeviceParts {
    const Catalog& catalog;
    AnalyticsStore& store;
    PtzModel& ptz;
    PtzLock& lock;
    std::filesystem::path dataFolder;
};

void RegisterSceneCommands(CommandTable& table, const DeviceParts& parts);
void RegisterRuleCommands(CommandTable& table, const DeviceParts& parts);
void RegisterAlarmCommands(CommandTable& table, const DeviceParts& parts);
void RegisterLinkageCommands(CommandTable& table, const DeviceParts& parts);
void RegisterPtzCommands(CommandTable& table, const DeviceParts& parts);
void RegisterBatchCommands(CommandTable& table, const DeviceParts& parts);

}  // namespace devsim
