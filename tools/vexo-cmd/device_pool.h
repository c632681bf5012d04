#pragma once
// Runs one piece of work per device with at most `jobs` devices in hand at
// once: a fleet of hundreds would otherwise open hundreds of sessions, and
// threads, together. Progress goes to `progress` as each device finishes.

#include <functional>
#include <string>
#include <vector>

#include "config_commands.h"

namespace vexocmd {

using DeviceWork = std::function<DeviceOutcome(const std::string& device)>;
// Called (under a lock, in the order devices finish) with the number done
// so far and the outcome just finished.
using ProgressReport = std::function<void(std::size_t done, const DeviceOutcome& outcome)>;

// The outcomes in the order of `devices`.
std::vector<DeviceOutcome> RunOnDevices(const std::vector<std::string>& devices, int jobs,
                                        const DeviceWork& work, const ProgressReport& progress);

// A progress line for a terminal, rewritten in place:
// "[12/20] 11 ok, 1 failed".
class ProgressLine {
public:
    // For a dry run a device that would change is no failure.
    ProgressLine(std::size_t total, bool enabled, bool dryRun);
    void Update(std::size_t done, const DeviceOutcome& outcome);
    void Finish();  // clears the line before the results are printed

private:
    std::size_t m_total;
    bool m_enabled;
    bool m_dryRun;
    std::size_t m_failed = 0;
};

// "20 devices: 18 ok, 1 refused, 1 login failed", or for a dry run
// "20 devices: 15 unchanged, 4 would change, 1 failed" (kinds with none left out).
std::string Summary(const std::vector<DeviceOutcome>& outcomes, bool dryRun);

}  // namespace vexocmd
