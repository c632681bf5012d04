#include "config_commands.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>
#include <vector>

#include "audio_video_play.h"
#include "device_command_channel.h"
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

bool ReadFile(const std::string& path, std::string& text) {
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

}  // namespace

int RunConfigGet(const CmdOptions& options) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    DeviceOutcome outcome{options.device, kAcknowledged, {}};
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
    DeviceOutcome outcome{device, kAcknowledged, {}};
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    if (!Login(options, device, session, channel, outcome)) {
        return outcome;
    }
    if (!channel.SetBatchConfig(vexo::FromNarrow(configText))) {
        outcome.exitCode = kRefused;
        outcome.message = FailureText(channel, "the batch configuration");
        return outcome;
    }
    outcome.message = "ok";
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

int RunConfigSet(const CmdOptions& options) {
    std::string text;
    const std::string& path = options.words[2];
    if (!ReadFile(path, text)) {
        std::cerr << "cannot read " << path << "\n";
        return kUsage;
    }
    std::vector<DeviceOutcome> outcomes(options.devices.size());
    std::vector<std::thread> workers;
    workers.reserve(options.devices.size());
    for (size_t i = 0; i < options.devices.size(); ++i) {
        workers.emplace_back(
            [&, i] { outcomes[i] = SetConfigOnDevice(options, options.devices[i], text); });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const DeviceOutcome& outcome : outcomes) {
        (outcome.exitCode == kAcknowledged ? std::cout : std::cerr)
            << outcome.device << ": " << outcome.message << "\n";
    }
    return CombinedExitCode(outcomes);
}

}  // namespace vexocmd
