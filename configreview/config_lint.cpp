#include "config_lint.h"

#include <set>

#include "config_reader.h"

namespace vexo::review {
namespace {

const Json::Value& Member(const Json::Value& value, const char* key) {
    return value.isObject() ? value[key] : Json::Value::nullSingleton();
}

void LintScene(const Json::Value& scene, std::vector<RuleWarning>& out) {
    const std::string token = Member(scene, "token").asString();
    const std::string name = Member(scene, "name").asString();
    std::set<std::string> running;
    for (const Json::Value& function : Member(scene, "functions")) {
        if (function.isString()) {
            running.insert(function.asString());
        }
    }
    const Json::Value& rules = Member(scene, "rules");
    for (const std::string& function :
         rules.isObject() ? rules.getMemberNames() : std::vector<std::string>()) {
        if (running.count(function) == 0 || !rules[function].isArray()) {
            continue;
        }
        for (const Json::Value& rule : rules[function]) {
            RuleToLint toLint{
                Member(rule, "params"), Member(rule, "schedule"), Member(rule, "trigger"), {}};
            for (LintWarning& warning : LintRule(toLint)) {
                out.push_back(
                    {token, name, function, Member(rule, "token").asString(), std::move(warning)});
            }
        }
    }
}

void LintExportFile(const Json::Value& config, std::vector<RuleWarning>& out) {
    const Json::Value& rules = Member(config, "Rules");
    for (const std::string& function :
         rules.isObject() ? rules.getMemberNames() : std::vector<std::string>()) {
        const Json::Value& byName = rules[function];
        for (const std::string& name :
             byName.isObject() ? byName.getMemberNames() : std::vector<std::string>()) {
            const Json::Value& schedule =
                Member(Member(config, "SmartArmingInterval"), function.c_str());
            const Json::Value& trigger =
                Member(Member(config, "SmartLinkMethod"), function.c_str());
            RuleToLint toLint{
                byName[name], Member(schedule, name.c_str()), Member(trigger, name.c_str()), {}};
            for (LintWarning& warning : LintRule(toLint)) {
                out.push_back({"", "", function, name, std::move(warning)});
            }
        }
    }
}

}  // namespace

std::vector<RuleWarning> LintConfig(const Json::Value& config) {
    std::vector<RuleWarning> out;
    if (IsDeviceConfig(config)) {
        for (const Json::Value& scene : config["scenes"]) {
            LintScene(scene, out);
        }
    } else {
        LintExportFile(config, out);
    }
    return out;
}

std::string LintText(const std::vector<RuleWarning>& warnings, const std::string& language) {
    std::string text;
    for (const RuleWarning& found : warnings) {
        if (!found.scene.empty()) {
            text += "scene " + found.scene + " \"" + found.sceneName + "\", ";
        }
        text += found.function + ", rule " + found.rule + ": ";
        text += language == "chinese" ? found.warning.chinese : found.warning.english;
        text += "\n";
    }
    return text;
}

}  // namespace vexo::review
