#pragma once
// The rules the camera runs: those of the selected scene's object functions,
// read from the configuration document into the form the evaluator needs.
// Reading is lenient: a rule whose values do not read is left out, never
// refused (the commands already checked what they stored).

#include <json/value.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "plane_geometry.h"

namespace devsim::analytics {

enum class RuleKind { Intrusion, WireCross, Loitering, PeopleCounting, Crowd, FastMoving };

// The device names of the functions the camera evaluates, by kind.
const char* FunctionName(RuleKind kind);

enum class TargetKinds { People, Vehicles, All };
enum class Crossing { AtoB, BtoA, Both };

struct LiveRule {
    RuleKind kind = RuleKind::Intrusion;
    std::string token;
    bool enabled = true;
    std::vector<Point> region;  // intrusion, loitering, crowd, fast moving
    std::vector<Point> line;    // wire or counting line: two points
    std::vector<Point> inward;  // people counting: the "in" direction
    Crossing crossing = Crossing::Both;
    bool countIn = true;
    bool countOut = true;
    double seconds = 0;    // time threshold, loiter time
    double speed = 0;      // fast moving: device units per second
    int minPeople = 0;     // crowd
    double minHeight = 0;  // smallest target box height, from sensitivity
    TargetKinds targets = TargetKinds::All;
    // Armed periods [start, end) in minutes of each day, Monday first.
    std::array<std::vector<std::pair<int, int>>, 7> armed;

    bool operator==(const LiveRule&) const = default;
    bool ArmedAt(int weekday, int minute) const;
};

struct RuleBook {
    bool metadata = true;     // "MetadataEnable" of the metadata settings
    bool targetBoxes = true;  // "ShowTargetBox"
    std::string scene;
    std::vector<RuleKind> functions;  // the object functions the scene runs
    std::vector<LiveRule> rules;
};

RuleBook ReadRuleBook(const Json::Value& doc);

}  // namespace devsim::analytics
