#pragma once
// Checks that say an analytics rule, as configured, can never fire. They
// warn; nothing here refuses a save. Each warning names what to change, in
// both of the control's languages.

#include <json/value.h>

#include <map>
#include <string>
#include <vector>

namespace vexo::review {

enum class LintCode {
    ShapeEmpty,              // a region or wire without points
    RegionZeroArea,          // a region whose points enclose nothing
    RegionSelfIntersecting,  // a region whose edges cross
    WireZeroLength,          // a wire whose two ends are one point
    WireOnFrameEdge,         // a wire lying along the picture's edge
    ArmingWeekEmpty,         // no arming period on any day
    NoLinkageAction,         // the linkage ticks no action
    RuleDisabled,            // the rule's "Enable" is off
};

struct LintWarning {
    LintCode code = LintCode::RuleDisabled;
    std::string subject;  // the parameter concerned; empty for the rule as a whole
    std::string english;
    std::string chinese;
};

enum class ShapeKind { Region, Wire };

// One rule in the JSON form of its parameter records (Part of the command
// channel: plain parameters are strings, object parameters carry
// "polygon" lists of "VexoPolygon" texts).
struct RuleToLint {
    Json::Value params;
    // Day name -> {"simp": {period name: "start|end"}} in minutes; null when
    // the schedule is not known, which skips its check.
    Json::Value schedule;
    // The linkage, either as the device stores it ({"data": {group: {"simp":
    // {action: "TRUE"}}}}) or as a parameter record ({group: {"simp": ...}});
    // null when not known, which skips its check.
    Json::Value trigger;
    // What each drawing parameter is, when the caller knows (the UI
    // description says it). Others are told apart by their points: two make
    // a wire, more a region; an empty one by its name ("...Region" other
    // than an exclusion region, "...Wire" or "...Line").
    std::map<std::string, ShapeKind> shapes;
};

std::vector<LintWarning> LintRule(const RuleToLint& rule);

}  // namespace vexo::review
