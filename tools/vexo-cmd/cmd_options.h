#pragma once
// Command line of vexo-cmd.

#include <optional>
#include <string>
#include <vector>

namespace vexocmd {

struct CmdOptions {
    std::string device;
    std::string user;
    std::string password;
    int timeoutMs = 0;  // 0: the library's default
    std::vector<std::string> words;  // COMMAND [INFO-JSON]
};

// Reads the options. The password may come from the environment variable
// VEXO_PASSWORD so that it need not appear in the process list; --password
// wins when both are given. On error returns nullopt with `error` set;
// `--help` returns nullopt with the usage text in `error`.
std::optional<CmdOptions> ParseCmdOptions(int argc, char** argv, std::string& error);

std::string CmdUsage();

}  // namespace vexocmd
