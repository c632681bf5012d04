#pragma once
// How the device checks and stores parameter values. A record is stored as
// an object from parameter name to its wire value (a string for plain
// parameters; {"name", "simp", geometry} for object parameters). Changes
// are partial: members a client sends replace the stored ones after every
// one of them passed its check; members it leaves out keep their values.
// Inside an object value the geometry is the exception: the value holds
// exactly the shapes sent, none when its list is left out.
// Every check failure throws DeviceError.

#include <json/value.h>

#include <string>

#include "catalog.h"

namespace devsim {

// Checks one value against its definition and answers it in the device's
// own normal form (booleans in lower case, object members complete).
Json::Value CheckedValue(const ParamDef& def, const Json::Value& value, const Json::Value& stored,
                         const Limits& limits);

// Applies the members of `incoming` (the JSON form of a parameter record)
// to `stored`. A "Token" member is the record's identity and is not a
// parameter: it must be a string and is otherwise ignored.
void ApplyRecord(const ParamSet& set, const Json::Value& incoming, Json::Value& stored,
                 const Limits& limits);

// A stored record checked as a whole: every parameter present and valid,
// nothing else. Used on restored configurations.
void CheckCompleteRecord(const ParamSet& set, const Json::Value& stored, const Limits& limits);

// The reply of "CMD_GetParamRange" for one parameter.
Json::Value RangeOf(const ParamDef& def);

// The JSON form of a stored record with its token.
Json::Value RecordWithToken(const Json::Value& stored, const std::string& token);

}  // namespace devsim
