#include "cmd_options.h"

#include <cstdlib>

#include "device_list.h"

namespace vexocmd {
namespace {

// A whole decimal number from `low` to `high`; false for anything else.
bool ReadBounded(const std::string& text, long low, long high, int& out) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < low || number > high) {
        return false;
    }
    out = static_cast<int>(number);
    return true;
}

}  // namespace

std::string CmdUsage() {
    return "usage: vexo-cmd --device ADDR --user USER [--password PASSWORD] [--timeout-ms N]\n"
           "                COMMAND [INFO-JSON]\n"
           "       vexo-cmd --device ADDR --user USER ... config get [--out FILE]\n"
           "       vexo-cmd --device ADDR [--device ADDR ...] [--devices LIST] [--jobs N]\n"
           "                --user USER ... config set [--dry-run [--json]] FILE\n"
           "       vexo-cmd --device ADDR --user USER ... config diff [--json] FILE\n"
           "       vexo-cmd [--device ADDR --user USER ...] config lint [--language L] [FILE]\n"
           "Logs into the device, sends one analytics command (for example\n"
           "CMD_GetSceneList) with INFO-JSON as its parameters, prints the reply's\n"
           "\"info\" as JSON and exits 0 when the device acknowledged it. On failure the\n"
           "device's error text goes to standard error and the exit code is 1\n"
           "(2 for bad usage, 3 when the login fails).\n"
           "config get writes the device's batch configuration text to FILE (or to\n"
           "standard output). config set sends the text of FILE to every device given,\n"
           "all at once, and prints one line per device: \"ADDR: ok\" or the reason it\n"
           "failed, followed by the difference the write made on that device (as config\n"
           "diff prints it, read back from the device); the exit code is 0 when every\n"
           "device took it, otherwise 1 when a device refused it and 3 when the only\n"
           "failures were logins. With --dry-run, config set writes nothing and prints\n"
           "for each device the difference the write would make, with the exit codes of\n"
           "config diff.\n"
           "--devices LIST adds the devices of the file LIST (one HOST:PORT per line;\n"
           "blank lines and lines starting with # are skipped). config set works on at\n"
           "most N devices at once (--jobs, default 16), shows a progress line when the\n"
           "error output is a terminal, and ends the list of several devices with a\n"
           "summary line: \"20 devices: 18 ok, 1 refused, 1 login failed\" (for --dry-run\n"
           "\"unchanged\", \"would change\" and \"failed\"; with --json on the error output).\n"
           "config diff compares the device's batch configuration with FILE (in the\n"
           "device's own layout, as config get writes it, or the control's export file,\n"
           "which applies to the selected scene and removes nothing) and prints what\n"
           "writing FILE would change, grouped by scene, function (or module, alarm,\n"
           "tour) and rule:\n"
           "\"+ member: value\" only in FILE, \"- member: value\" only on the device,\n"
           "\"~ member: device value -> file value\" changed; a whole rule, module or\n"
           "scene on one side only is one line. --json prints {\"equal\", \"changes\"}\n"
           "instead. Exit code 0 when they are equal, 1 when they differ, 2 on error (a\n"
           "FILE that is not JSON is reported with its line and column).\n"
           "config lint prints one line for each reason a rule of the device (or of\n"
           "FILE, the device's layout or the control's export file) can never fire: an\n"
           "empty, zero-area or self-crossing region, an empty or zero-length wire or\n"
           "one along the picture's edge, an arming schedule without any period, a\n"
           "linkage that ticks no action, a disabled rule; each says what to change,\n"
           "in English or, with --language chinese, in Chinese. Exit code 0 when there\n"
           "is none, 1 when there are warnings, 2 on error.\n"
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
        } else if (arg == "--devices") {
            std::string path;
            if (!value(path))
                return std::nullopt;
            if (!ReadDeviceList(path, options.devices, error)) {
                error += "\n";
                return std::nullopt;
            }
        } else if (arg == "--jobs") {
            std::string text;
            if (!value(text))
                return std::nullopt;
            if (!ReadBounded(text, 1, 1024, options.jobs)) {
                error = "--jobs is a number from 1 to 1024\n";
                return std::nullopt;
            }
        } else if (arg == "--out") {
            if (!value(options.outFile))
                return std::nullopt;
        } else if (arg == "--user") {
            if (!value(options.user))
                return std::nullopt;
        } else if (arg == "--password") {
            if (!value(options.password))
                return std::nullopt;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--dry-run") {
            options.dryRun = true;
        } else if (arg == "--language") {
            if (!value(options.language))
                return std::nullopt;
            if (options.language != "english" && options.language != "chinese") {
                error = "--language is english or chinese\n";
                return std::nullopt;
            }
        } else if (arg == "--timeout-ms") {
            std::string text;
            if (!value(text))
                return std::nullopt;
            if (!ReadBounded(text, 1, 3600000, options.timeoutMs)) {
                error = "bad time-out " + text;
                return std::nullopt;
            }
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            options.words.push_back(arg);
        }
    }
    options.device = options.devices.empty() ? std::string() : options.devices.front();
    if (IsFileLint(options)) {
        return options;  // checks a file: no device involved
    }
    if (options.device.empty() || options.user.empty()) {
        error = "--device and --user are required\n" + CmdUsage();
        return std::nullopt;
    }
    if (!options.words.empty() && options.words[0] == "config") {
        if (!IsConfigGet(options) && !IsConfigSet(options) && !IsConfigDiff(options) &&
            !IsConfigLint(options)) {
            error = "give config get, set FILE, diff FILE or lint [FILE]\n" + CmdUsage();
            return std::nullopt;
        }
    } else if (options.words.empty() || options.words.size() > 2) {
        error = "give one COMMAND and at most one INFO-JSON\n" + CmdUsage();
        return std::nullopt;
    }
    // Only a batch write fans out; every other command names one device.
    if (options.devices.size() > 1 && !IsConfigSet(options)) {
        error = "several devices are for config set only\n";
        return std::nullopt;
    }
    if (options.dryRun && !IsConfigSet(options)) {
        error = "--dry-run is for config set only\n";
        return std::nullopt;
    }
    if (options.json && !IsConfigDiff(options) && !(IsConfigSet(options) && options.dryRun)) {
        error = "--json is for config diff and config set --dry-run only\n";
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

bool IsConfigDiff(const CmdOptions& options) {
    return options.words.size() == 3 && options.words[0] == "config" && options.words[1] == "diff";
}

bool IsConfigLint(const CmdOptions& options) {
    return (options.words.size() == 2 || options.words.size() == 3) &&
           options.words[0] == "config" && options.words[1] == "lint";
}

bool IsFileLint(const CmdOptions& options) {
    return IsConfigLint(options) && options.words.size() == 3;
}

}  // namespace vexocmd
