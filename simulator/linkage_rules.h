#pragma once
// Checks and storage of the data that belongs to a rule or normal alarm
// beside its parameters: the linkage actions ("ActionTriggerData"), the
// weekly arming periods ("GuardSchedulesData"), and the scene tours. As
// with parameters, what a client sends replaces what it names, after all of
// it passed the checks; every failure throws DeviceError.

#include <json/value.h>

#include <set>
#include <string>

#include "catalog.h"

namespace devsim {

// {"simp": {group: slot}, "data": {group: {"simp": {action: "TRUE"|"FALSE"}, "name": ""}}}
Json::Value FactoryTrigger(const Catalog& catalog);
void ApplyTrigger(const Catalog& catalog, const Json::Value& incoming, Json::Value& stored);

// {"Mon": {"simp": {"GuardTime 1": "0|1440"}, "name": ""}, ...}: every day
// armed all day.
Json::Value FactorySchedule();
void ApplySchedule(const Limits& limits, const Json::Value& incoming, Json::Value& stored);

// Plain values by name, rows "Tour0".. as {"simp": attributes, "name": ""}.
Json::Value FactoryTour(const TourDef& tour);
// `scenes` holds the tokens a row may name.
void ApplyTour(const std::string& type, const TourDef& tour, const Json::Value& incoming,
               Json::Value& stored, const std::set<std::string>& scenes);
// Removes a deleted scene from every row that names it.
void ForgetTourScene(Json::Value& tour, const std::string& sceneToken);

}  // namespace devsim
