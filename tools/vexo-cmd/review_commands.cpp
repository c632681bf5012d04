#include "review_commands.h"

#include <iostream>

#include "config_commands.h"
#include "config_diff.h"
#include "config_lint.h"
#include "config_reader.h"
#include "diff_format.h"
#include "export_diff.h"
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
    if (!vexo::review::IsDeviceConfig(wanted) && !vexo::review::IsExportFile(wanted)) {
        std::cerr << path
                  << " is neither a device's batch configuration (config get writes one) nor "
                     "the control's export file\n";
        return kReviewError;
    }
    Json::Value current;
    std::string why;
    if (!ReadDeviceConfig(options, options.device, current, why)) {
        std::cerr << options.device << ": " << why << "\n";
        return kReviewError;
    }
    const auto changes = vexo::review::IsDeviceConfig(wanted)
                             ? vexo::review::DiffConfigs(current, wanted)
                             : vexo::review::DiffExportFile(current, wanted);
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
