#include "cmd_options.h"

#include <cstdlib>

namespace vexocmd {

std::string CmdUsage() {
    return "usage: vexo-cmd --device ADDR --user USER [--password PASSWORD] [--timeout-ms N]\n"
           "                COMMAND [INFO-JSON]\n"
           "       vexo-cmd --device ADDR --user USER ... config get [--out FILE]\n"
           "       vexo-cmd --device ADDR [--device ADDR ...] --user USER ... config set FILE\n"
           "Logs into the device, sends one analytics command (for example\n"
           "CMD_GetSceneList) with INFO-JSON as its parameters, prints the reply's\n"
           "\"info\" as JSON and exits 0 when the device acknowledged it. On failure the\n"
           "device's error text goes to standard error and the exit code is 1\n"
           "(2 for bad usage, 3 when the login fails).\n"
           "config get writes the device's batch configuration text to FILE (or to\n"
           "standard output). config set sends the text of FILE to every device given,\n"
           "all at once, and prints one line per device: \"ADDR: ok\" or the reason it\n"
           "failed; the exit code is 0 when every device took it, otherwise 1 when a\n"
           "device refused it and 3 when the only failures were logins.\n"
           "The password may be given in the environment variable VEXO_PASSWORD.\n";
}

std::optional<CmdOptions> ParseCmdOptions(int argc, char** argv, std::string& error) {
    CmdOptions options;
    if (const char* fromEnv = std::getenv("VEXO_PASSWORD")) {
        options.password = fromEnv;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = "option " + arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            error = CmdUsage();
            return std::nullopt;
        } else if (arg == "--device") {
            std::string device;
            if (!value(device))
                return std::nullopt;
            options.devices.push_back(device);
        } else if (arg == "--out") {
            if (!value(options.outFile))
                return std::nullopt;
        } else if (arg == "--user") {
            if (!value(options.user))
                return std::nullopt;
        } else if (arg == "--password") {
            if (!value(options.password))
                return std::nullopt;
        } else if (arg == "--timeout-ms") {
            std::string text;
            if (!value(text))
                return std::nullopt;
            char* end = nullptr;
            const long ms = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || ms <= 0 || ms > 3600000) {
                error = "bad time-out " + text;
                return std::nullopt;
            }
            options.timeoutMs = static_cast<int>(ms);
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            options.words.push_back(arg);
        }
    }
    options.device = options.devices.empty() ? std::string() : options.devices.front();
    if (options.device.empty() || options.user.empty()) {
        error = "--device and --user are required\n" + CmdUsage();
        return std::nullopt;
    }
    if (!options.words.empty() && options.words[0] == "config") {
        if (!IsConfigGet(options) && !IsConfigSet(options)) {
            error = "give config get or config set FILE\n" + CmdUsage();
            return std::nullopt;
        }
    } else if (options.words.empty() || options.words.size() > 2) {
        error = "give one COMMAND and at most one INFO-JSON\n" + CmdUsage();
        return std::nullopt;
    }
    // Only a batch write fans out; every other command names one device.
    if (options.devices.size() > 1 && !IsConfigSet(options)) {
        error = "several --device options are for config set only\n";
        return std::nullopt;
    }
    if (!options.outFile.empty() && !IsConfigGet(options)) {
        error = "--out is for config get only\n";
        return std::nullopt;
    }
    return options;
}

bool IsConfigGet(const CmdOptions& options) {
    return options.words.size() == 2 && options.words[0] == "config" && options.words[1] == "get";
}

bool IsConfigSet(const CmdOptions& options) {
    return options.words.size() == 3 && options.words[0] == "config" && options.words[1] == "set";
}

}  // namespace vexocmd
