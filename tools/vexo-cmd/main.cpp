// vexo-cmd: one analytics command to a device, for operators and scripts.

#include <cstdio>
#include <iostream>

#include "audio_video_play.h"
#include "cmd_options.h"
#include "config_commands.h"
#include "device_command_channel.h"
#include "json_text.h"
#include "narrow_text.h"
#include "review_commands.h"
#include "vexonet.h"

namespace {

using vexocmd::kAcknowledged;
using vexocmd::kLoginFailed;
using vexocmd::kRefused;
using vexocmd::kUsage;

struct NetworkLibrary {
    NetworkLibrary() { VEXONET_Init(); }
    ~NetworkLibrary() { VEXONET_Cleanup(); }
};

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = vexocmd::ParseCmdOptions(argc, argv, error);
    if (!options) {
        const bool help = error == vexocmd::CmdUsage();
        (help ? std::cout : std::cerr) << error;
        return help ? kAcknowledged : kUsage;
    }
    if (vexocmd::IsFileLint(*options)) {
        return vexocmd::RunConfigLint(*options);
    }
    if (vexocmd::IsConfigDiff(*options) || vexocmd::IsConfigLint(*options)) {
        NetworkLibrary library;
        if (options->timeoutMs > 0) {
            VEXONET_SetTimeouts(0, options->timeoutMs);
        }
        return vexocmd::IsConfigDiff(*options) ? vexocmd::RunConfigDiff(*options)
                                               : vexocmd::RunConfigLint(*options);
    }
    if (vexocmd::IsConfigGet(*options) || vexocmd::IsConfigSet(*options)) {
        NetworkLibrary library;
        if (options->timeoutMs > 0) {
            VEXONET_SetTimeouts(0, options->timeoutMs);
        }
        return vexocmd::IsConfigGet(*options) ? vexocmd::RunConfigGet(*options)
                                              : vexocmd::RunConfigSet(*options);
    }
    Json::Value info;
    if (options->words.size() == 2 && !vexo::ParseJson(options->words[1], info)) {
        std::cerr << "INFO-JSON is not valid JSON\n";
        return kUsage;
    }

    NetworkLibrary library;
    if (options->timeoutMs > 0) {
        VEXONET_SetTimeouts(0, options->timeoutMs);
    }
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    if (!channel.ParamInit(&session, vexo::FromNarrow(options->device),
                           vexo::FromNarrow(options->user), vexo::FromNarrow(options->password))) {
        const int code = VEXONET_GetLastError();
        std::cerr << "login to " << options->device << " failed: " << VEXONET_GetErrorText(code)
                  << "\n";
        return kLoginFailed;
    }

    Json::Value reply;
    const int result = channel.SendCommand(options->words[0], info, reply);
    if (!reply.isNull()) {
        std::cout << vexo::StyledJson(reply);
    }
    if (result != 1) {
        QString text;
        channel.GetLastErrorText(text);
        const int code = VEXONET_GetLastError();
        if (!text.isEmpty()) {
            std::cerr << "device refused " << options->words[0] << ": " << vexo::ToNarrow(text)
                      << "\n";
        } else if (code != VEXONET_OK) {
            std::cerr << options->words[0] << " failed: " << VEXONET_GetErrorText(code) << "\n";
        } else {
            std::cerr << options->words[0] << " failed: the device's reply was not understood\n";
        }
        return kRefused;
    }
    return kAcknowledged;
}
