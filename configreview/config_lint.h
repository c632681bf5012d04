#pragma once
// The rule checks of rule_lint.h over every rule of a whole batch
// configuration: the device's own (scenes with their rules, schedules and
// linkage) or the control's export file ("Rules" with "SmartArmingInterval"
// and "SmartLinkMethod", which name no scene).

#include <json/value.h>

#include <string>
#include <vector>

#include "rule_lint.h"

namespace vexo::review {

struct RuleWarning {
    std::string scene;  // scene token; empty in an export file
    std::string sceneName;
    std::string function;
    std::string rule;  // the rule's token (its name in an export file)
    LintWarning warning;
};

// Rules of functions a scene does not run are left out: the device keeps
// them only to bring them back when the function is switched on again.
std::vector<RuleWarning> LintConfig(const Json::Value& config);

// One line per warning: where, then the warning in the language asked for
// ("chinese" or anything else for English).
std::string LintText(const std::vector<RuleWarning>& warnings, const std::string& language);

}  // namespace vexo::review
