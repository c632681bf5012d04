#pragma once
// The JSON form of scene tour data ("Data") and the reader of the device's
// "CMD_GetSceneTourData" reply.

#include <json/value.h>

#include "command_records.h"

// One string member per plain value and one {"simp", "name"} object per
// tour entry.
Json::Value SceneTourJson(const TourRecord& tour);

// String members set plain values, object members replace tour entries;
// anything else is ignored. Nothing is cleared first.
void ReadSceneTourData(const Json::Value& info, TourRecord& tour);
