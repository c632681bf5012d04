#pragma once
// vexo-cmd's batch configuration subcommands: read one device's whole
// analytics configuration into a file, and write a file to many devices at
// once (operators configure many cameras alike).

#include <json/value.h>

#include <string>
#include <vector>

#include "cmd_options.h"

namespace vexocmd {

// The outcome of one device's part of a command.
struct DeviceOutcome {
    std::string device;
    int exitCode = kAcknowledged;
    std::string message;  // "ok" or why it failed
    // What the write changed on the device (or, for a dry run, would
    // change), as config diff prints it; empty when nothing.
    std::string difference;
    Json::Value differenceJson;  // the same for --json
};

// "config get [--out FILE]". The network library is initialised by the caller.
int RunConfigGet(const CmdOptions& options);

// "config set FILE": a session and channel per device, --jobs devices at
// once; prints one line per device in the order they were given and, for
// several devices, a summary line.
int RunConfigSet(const CmdOptions& options);

// Logs into `device` and sends the batch text, reading the device's
// configuration before and after to tell what changed. With --dry-run it
// only reads and compares. Safe to run on several threads at once.
DeviceOutcome SetConfigOnDevice(const CmdOptions& options, const std::string& device,
                                const std::string& configText);

// Reads a whole file, without the UTF-8 byte-order mark an editor may add.
bool ReadTextFile(const std::string& path, std::string& text);

// Logs into `device` and reads its batch configuration as JSON. On failure
// returns false with the reason in `why`.
bool ReadDeviceConfig(const CmdOptions& options, const std::string& device, Json::Value& config,
                      std::string& why);

// The overall exit code: 0 when every device took it, 1 when any device
// failed after its login, else 3 when the only failures were logins.
int CombinedExitCode(const std::vector<DeviceOutcome>& outcomes);

}  // namespace vexocmd
