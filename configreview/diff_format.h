#pragma once
// The two printed forms of a configuration difference: text for the
// operator, grouped under headers by scene, function (or module, alarm,
// tour) and rule, and JSON for scripts.

#include <json/value.h>

#include <string>
#include <vector>

#include "config_diff.h"

namespace vexo::review {

// One line per change ("+ member: new", "- member: old",
// "~ member: old -> new"; a whole part is "+ rule TOKEN" and the like),
// each below the headers of its group. Empty when there is no change.
std::string DiffText(const std::vector<ConfigChange>& changes);

// {"equal": bool, "changes": [{"change": "+"|"-"|"~", "scene", "sceneName",
// "part", "name", "item", "member", "old", "new"}]}; "old" and "new" are
// left out when absent.
Json::Value DiffJson(const std::vector<ConfigChange>& changes);

const char* ChangeSign(ChangeKind kind);
const char* PartName(PartKind part);

}  // namespace vexo::review
