#pragma once
// Command line of vexo-devsim.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device_server.h"

namespace devsim {

struct Options {
    std::string bind = "127.0.0.1";
    int port = 0;
    ServerSettings settings;
    std::string journal;
    int latencyMs = 0;
    int hangMs = 0;              // see TestKnobs::SetHangMs
    int httpsPort = -1;          // -1: no https port for the device's files
    bool announceHttps = false;  // "CMD_GetConfigInfo" answers https addresses
    std::vector<std::pair<std::string, std::string>> scripts;  // command, reply text
    std::vector<std::pair<std::string, FaultKind>> faults;
};

// Parses the arguments; on error returns nullopt and fills `error`.
// `--help` fills `error` with the usage text and returns nullopt too.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

std::string UsageText();

}  // namespace devsim
