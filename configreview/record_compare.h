#pragma once
// What a device stored differently from what it was sent, for one record in
// the JSON form of a parameter record (plain parameters as strings, object
// parameters with "name", "simp" and geometry lists).
//
// Only members the device returns are compared: a member sent but missing
// from the read-back is not a difference, since a device need not echo
// every member (the simulator echoes all of a rule's parameters, so with it
// nothing is skipped). "Token" is the record's identity, not a value.
// Booleans compare without regard to case ("TRUE" is stored as "true").
// Geometry compares point by point at the device's precision (six
// decimals); a shape stored with another number of points is one
// difference that gives both counts. A geometry list is always returned
// when the value has shapes, so a missing list is an empty one.

#include <json/value.h>

#include <string>
#include <vector>

namespace vexo::review {

struct StoredDifference {
    std::string name;  // "Sensitivity", "Wire.Margin", "DetectionRegion point 3"
    std::string sent;
    std::string stored;
};

std::vector<StoredDifference> CompareStored(const Json::Value& sent, const Json::Value& stored);

}  // namespace vexo::review
