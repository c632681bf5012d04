#include "cmd_options.h"

#include <cstdlib>

namespace vexocmd {

std::string CmdUsage() {
    return "usage: vexo-cmd --device ADDR --user USER [--password PASSWORD] [--timeout-ms N]\n"
           "                COMMAND [INFO-JSON]\n"
           "Logs into the device, sends one analytics command (for example\n"
           "CMD_GetSceneList) with INFO-JSON as its parameters, prints the reply's\n"
           "\"info\" as JSON and exits 0 when the device acknowledged it. On failure the\n"
           "device's error text goes to standard error and the exit code is 1\n"
           "(2 for bad usage, 3 when the login fails).\n"
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
            if (!value(options.device)) return std::nullopt;
        } else if (arg == "--user") {
            if (!value(options.user)) return std::nullopt;
        } else if (arg == "--password") {
            if (!value(options.password)) return std::nullopt;
        } else if (arg == "--timeout-ms") {
            std::string text;
            if (!value(text)) return std::nullopt;
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
    if (options.device.empty() || options.user.empty()) {
        error = "--device and --user are required\n" + CmdUsage();
        return std::nullopt;
    }
    if (options.words.empty() || options.words.size() > 2) {
        error = "give one COMMAND and at most one INFO-JSON\n" + CmdUsage();
        return std::nullopt;
    }
    return options;
}

}  // namespace vexocmd
