#include "config_commands.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "audio_video_play.h"
#include "config_diff.h"
#include "config_reader.h"
#include "device_command_channel.h"
#include "device_pool.h"
#include "diff_format.h"
#include "export_diff.h"
#include "json_text.h"
#include "narrow_text.h"
#include "vexonet.h"

namespace vexocmd {

namespace {

// Logs the channel in; on failure fills the outcome with the library's reason.
bool Login(const CmdOptions& options, const std::string& device, CAudioVideoPlay& session,
           DeviceCommandChannel& channel, DeviceOutcome& outcome) {
    if (channel.ParamInit(&session, vexo::FromNarrow(device), vexo::FromNarrow(options.user),
                          vexo::FromNarrow(options.password))) {
        return true;
    }
    outcome.exitCode = kLoginFailed;
    outcome.message = std::string("login failed: ") + VEXONET_GetErrorText(VEXONET_GetLastError());
    return false;
}

// Why a command failed: the device's own text when it gave one.
std::string FailureText(const DeviceCommandChannel& channel, const char* command) {
    QString text;
    channel.GetLastErrorText(text);
    if (!text.isEmpty()) {
        return std::string("device refused ") + command + ": " + vexo::ToNarrow(text);
    }
    const int code = VEXONET_GetLastError();
    if (code != VEXONET_OK) {
        return std::string(command) + " failed: " + VEXONET_GetErrorText(code);
    }
    return std::string(command) + " failed: the device's reply was not understood";
}

}  // namespace

bool ReadTextFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // An editor may have added a UTF-8 byte-order mark; the device's text
    // never has one, and with it the JSON would travel as an opaque string.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    return !in.bad();
}

namespace {

// The device's batch configuration, parsed.
bool ReadConfigOn(DeviceCommandChannel& channel, Json::Value& config, std::string& why) {
    QString text;
    if (!channel.GetBatchConfig(text)) {
        why = FailureText(channel, "CMD_GetBatchConfig");
        return false;
    }
    if (!vexo::review::ReadConfigText(vexo::ToNarrow(text), config, why)) {
        why = "the device's batch configuration is not JSON: " + why;
        return false;
    }
    return true;
}

// Compares without writing: the exit codes of config diff.
void DryRun(const std::string& configText, DeviceCommandChannel& channel, DeviceOutcome& outcome) {
    Json::Value wanted;
    Json::Value current;
    std::string why;
    if (!vexo::review::ReadConfigText(configText, wanted, why)) {
        outcome.exitCode = kUsage;
        outcome.message = "the file is not valid JSON:\n" + why;
        return;
    }
    if (!vexo::review::IsDeviceConfig(wanted) && !vexo::review::IsExportFile(wanted)) {
        outcome.exitCode = kUsage;
        outcome.message =
            "the file is neither a device's batch configuration nor the control's export file";
        return;
    }
    if (!ReadConfigOn(channel, current, why)) {
        outcome.exitCode = kUsage;
        outcome.message = why;
        return;
    }
    const auto changes = vexo::review::IsDeviceConfig(wanted)
                             ? vexo::review::DiffConfigs(current, wanted)
                             : vexo::review::DiffExportFile(current, wanted);
    outcome.exitCode = changes.empty() ? kAcknowledged : kRefused;
    outcome.message = changes.empty() ? "no change" : "would change";
    outcome.difference = vexo::review::DiffText(changes);
    outcome.differenceJson = vexo::review::DiffJson(changes);
}

}  // namespace

bool ReadDeviceConfig(const CmdOptions& options, const std::string& device, Json::Value& config,
                      std::string& why) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    DeviceOutcome outcome{device, kAcknowledged, {}, {}, {}};
    if (!Login(options, device, session, channel, outcome)) {
        why = outcome.message;
        return false;
    }
    return ReadConfigOn(channel, config, why);
}

int RunConfigGet(const CmdOptions& options) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    DeviceOutcome outcome{options.device, kAcknowledged, {}, {}, {}};
    if (!Login(options, options.device, session, channel, outcome)) {
        std::cerr << options.device << ": " << outcome.message << "\n";
        return outcome.exitCode;
    }
    QString text;
    if (!channel.GetBatchConfig(text)) {
        std::cerr << options.device << ": " << FailureText(channel, "CMD_GetBatchConfig") << "\n";
        return kRefused;
    }
    const std::string narrow = vexo::ToNarrow(text);
    if (options.outFile.empty()) {
        std::cout << narrow;
        return kAcknowledged;
    }
    std::ofstream out(options.outFile, std::ios::binary | std::ios::trunc);
    out << narrow;
    out.close();
    if (!out) {
        std::cerr << "cannot write " << options.outFile << "\n";
        return kRefused;
    }
    return kAcknowledged;
}

DeviceOutcome SetConfigOnDevice(const CmdOptions& options, const std::string& device,
                                const std::string& configText) {
    DeviceOutcome outcome{device, kAcknowledged, {}, {}, {}};
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    if (!Login(options, device, session, channel, outcome)) {
        if (options.dryRun) {
            outcome.exitCode = kUsage;
        }
        return outcome;
    }
    if (options.dryRun) {
        DryRun(configText, channel, outcome);
        return outcome;
    }
    // The device may clamp, drop or add members, so what it changed is told
    // by reading it back, not by the file. A failed read only loses that.
    Json::Value before;
    std::string why;
    const bool readBefore = ReadConfigOn(channel, before, why);
    if (!channel.SetBatchConfig(vexo::FromNarrow(configText))) {
        outcome.exitCode = kRefused;
        outcome.message = FailureText(channel, "the batch configuration");
        return outcome;
    }
    outcome.message = "ok";
    Json::Value after;
    if (readBefore && ReadConfigOn(channel, after, why)) {
        const auto changes = vexo::review::DiffConfigs(before, after);
        outcome.difference = vexo::review::DiffText(changes);
        if (changes.empty()) {
            outcome.message = "ok, nothing changed";
        }
    }
    return outcome;
}

int CombinedExitCode(const std::vector<DeviceOutcome>& outcomes) {
    int code = kAcknowledged;
    for (const DeviceOutcome& outcome : outcomes) {
        if (outcome.exitCode == kRefused) {
            return kRefused;
        }
        if (outcome.exitCode != kAcknowledged) {
            code = outcome.exitCode;
        }
    }
    return code;
}

namespace {

int PrintDryRuns(const CmdOptions& options, const std::vector<DeviceOutcome>& outcomes) {
    int code = kAcknowledged;
    Json::Value json;
    for (const DeviceOutcome& outcome : outcomes) {
        code = std::max(code, outcome.exitCode);
        if (outcome.exitCode == kUsage) {
            std::cerr << outcome.device << ": " << outcome.message << "\n";
        } else if (options.json) {
            json[outcome.device] = outcome.differenceJson;
        } else {
            if (outcomes.size() > 1) {
                std::cout << outcome.device << ": " << outcome.message << "\n";
            }
            std::cout << outcome.difference;
        }
    }
    if (options.json && !json.isNull()) {
        // One device: its difference as config diff prints it; several: by device.
        std::cout << vexo::StyledJson(outcomes.size() == 1 ? json[outcomes[0].device] : json);
    }
    return code;
}

}  // namespace

int RunConfigSet(const CmdOptions& options) {
    std::string text;
    const std::string& path = options.words[2];
    if (!ReadTextFile(path, text)) {
        std::cerr << "cannot read " << path << "\n";
        return kUsage;
    }
    const bool several = options.devices.size() > 1;
    ProgressLine progress(options.devices.size(), several && ::isatty(STDERR_FILENO) != 0,
                          options.dryRun);
    const std::vector<DeviceOutcome> outcomes = RunOnDevices(
        options.devices, options.jobs,
        [&](const std::string& device) { return SetConfigOnDevice(options, device, text); },
        [&](std::size_t done, const DeviceOutcome& outcome) { progress.Update(done, outcome); });
    progress.Finish();
    // The summary closes the list; with --json it keeps out of the document.
    const auto summarise = [&] {
        if (several) {
            (options.json ? std::cerr : std::cout) << Summary(outcomes, options.dryRun) << "\n";
        }
    };
    if (options.dryRun) {
        const int code = PrintDryRuns(options, outcomes);
        summarise();
        return code;
    }
    for (const DeviceOutcome& outcome : outcomes) {
        (outcome.exitCode == kAcknowledged ? std::cout : std::cerr)
            << outcome.device << ": " << outcome.message << "\n"
            << outcome.difference;
    }
    std::cerr << std::flush;
    summarise();
    return CombinedExitCode(outcomes);
}

}  // namespace vexocmd
