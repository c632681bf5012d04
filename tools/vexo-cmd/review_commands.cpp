#include "review_commands.h"

#include <iostream>

#include "config_commands.h"
#include "config_diff.h"
#include "config_lint.h"
#include "config_reader.h"
#include "diff_format.h"
#include "json_text.h"

namespace vexocmd {
namespace {

// The configuration of FILE; a file that is not JSON is reported with the
// reader's line and column.
bool ReadConfigFile(const std::string& path, Json::Value& config) {
    std::string text;
    if (!ReadTextFile(path, text)) {
        std::cerr << "cannot read " << path << "\n";
        return false;
    }
    std::string error;
    if (!vexo::review::ReadConfigText(text, config, error)) {
        std::cerr << path << " is not valid JSON:\n" << error;
        return false;
    }
    return true;
}

}  // namespace

int RunConfigDiff(const CmdOptions& options) {
    const std::string& path = options.words[2];
    Json::Value wanted;
    if (!ReadConfigFile(path, wanted)) {
        return kReviewError;
    }
    if (!vexo::review::IsDeviceConfig(wanted)) {
        std::cerr << path
                  << " is not in the device's own layout (config get writes it); an export "
                     "file names no scene and cannot be compared scene by scene\n";
        return kReviewError;
    }
    Json::Value current;
    std::string why;
    if (!ReadDeviceConfig(options, options.device, current, why)) {
        std::cerr << options.device << ": " << why << "\n";
        return kReviewError;
    }
    const auto changes = vexo::review::DiffConfigs(current, wanted);
    if (options.json) {
        std::cout << vexo::StyledJson(vexo::review::DiffJson(changes));
    } else {
        std::cout << vexo::review::DiffText(changes);
    }
    return changes.empty() ? kReviewClean : kReviewFindings;
}

int RunConfigLint(const CmdOptions& options) {
    Json::Value config;
    if (IsFileLint(options)) {
        if (!ReadConfigFile(options.words[2], config)) {
            return kReviewError;
        }
    } else {
        std::string why;
        if (!ReadDeviceConfig(options, options.device, config, why)) {
            std::cerr << options.device << ": " << why << "\n";
            return kReviewError;
        }
    }
    const auto warnings = vexo::review::LintConfig(config);
    std::cout << vexo::review::LintText(warnings, options.language);
    return warnings.empty() ? kReviewClean : kReviewFindings;
}

}  // namespace vexocmd
