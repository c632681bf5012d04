#pragma once
// What writing the control's export file ("Rules", "Modules", "NonScenes",
// "Alarms" and the linkage and arming groups) would change on a device,
// given the device's own batch configuration.
//
// The device applies such a file to its selected scene and never deletes:
// a record the file names is created when missing ("+", the whole record)
// and otherwise changed member by member; what the file leaves out stays.
// So the difference has no "-" lines, but for the arming periods of a day
// the file names, which replaces the device's day whole. Members are compared as a device
// stores them (see record_compare.h): booleans without regard to case,
// geometry at six decimals, and a member the device does not hold is left
// to the device to refuse. Linkage members are reported under "trigger.",
// arming periods under "schedule.", as in the device's own layout.

#include <json/value.h>

#include <vector>

#include "config_diff.h"

namespace vexo::review {

// Whether `config` is an export file: a non-empty object of export groups.
bool IsExportFile(const Json::Value& config);

std::vector<ConfigChange> DiffExportFile(const Json::Value& device, const Json::Value& file);

}  // namespace vexo::review
