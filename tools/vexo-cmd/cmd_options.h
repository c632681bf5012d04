#pragma once
// Command line of vexo-cmd.

#include <optional>
#include <string>
#include <vector>

namespace vexocmd {

enum ExitCode { kAcknowledged = 0, kRefused = 1, kUsage = 2, kLoginFailed = 3 };

struct CmdOptions {
    std::string device;  // the first --device
    // every --device and the devices of each --devices FILE, in order
    // (config set takes several)
    std::vector<std::string> devices;
    int jobs = 16;        // config set: devices in hand at once
    std::string outFile;  // config get --out FILE; empty: standard output
    std::string user;
    std::string password;
    int timeoutMs = 0;                 // 0: the library's default
    bool json = false;                 // config diff and config set --dry-run: print JSON
    bool dryRun = false;               // config set: show the difference, write nothing
    std::string language = "english";  // config lint: the warnings' language
    // COMMAND [INFO-JSON], or config get | config set FILE | config diff FILE
    // | config lint [FILE]
    std::vector<std::string> words;
};

// Reads the options. The password may come from the environment variable
// VEXO_PASSWORD so that it need not appear in the process list; --password
// wins when both are given. On error returns nullopt with `error` set;
// `--help` returns nullopt with the usage text in `error`.
std::optional<CmdOptions> ParseCmdOptions(int argc, char** argv, std::string& error);

std::string CmdUsage();

// Whether the words name one of the "config" subcommands.
bool IsConfigGet(const CmdOptions& options);
bool IsConfigSet(const CmdOptions& options);
bool IsConfigDiff(const CmdOptions& options);
bool IsConfigLint(const CmdOptions& options);
// "config lint FILE" reads no device.
bool IsFileLint(const CmdOptions& options);

}  // namespace vexocmd
