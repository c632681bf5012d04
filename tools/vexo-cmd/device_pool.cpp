#include "device_pool.h"

#include <algorithm>
#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

namespace vexocmd {

std::vector<DeviceOutcome> RunOnDevices(const std::vector<std::string>& devices, int jobs,
                                        const DeviceWork& work, const ProgressReport& progress) {
    std::vector<DeviceOutcome> outcomes(devices.size());
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    std::size_t done = 0;
    const auto worker = [&] {
        for (std::size_t i = next++; i < devices.size(); i = next++) {
            outcomes[i] = work(devices[i]);
            const std::lock_guard<std::mutex> lock(reporting);
            progress(++done, outcomes[i]);
        }
    };
    const std::size_t count = std::min<std::size_t>(std::max(jobs, 1), devices.size());
    std::vector<std::thread> workers;
    workers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        workers.emplace_back(worker);
    }
    for (std::thread& thread : workers) {
        thread.join();
    }
    return outcomes;
}

ProgressLine::ProgressLine(std::size_t total, bool enabled, bool dryRun)
    : m_total(total), m_enabled(enabled), m_dryRun(dryRun) {}

void ProgressLine::Update(std::size_t done, const DeviceOutcome& outcome) {
    if (m_dryRun ? outcome.exitCode == kUsage : outcome.exitCode != kAcknowledged) {
        ++m_failed;
    }
    if (m_enabled) {
        std::cerr << "\r[" << done << "/" << m_total << "] " << done - m_failed << " ok, "
                  << m_failed << " failed" << std::flush;
    }
}

void ProgressLine::Finish() {
    if (m_enabled) {
        std::cerr << "\r\033[K" << std::flush;
    }
}

std::string Summary(const std::vector<DeviceOutcome>& outcomes, bool dryRun) {
    // Counts by exit code, named as the command means them.
    const std::vector<std::pair<int, const char*>> kinds =
        dryRun ? std::vector<std::pair<int, const char*>>{{kAcknowledged, "unchanged"},
                                                          {kRefused, "would change"},
                                                          {kUsage, "failed"}}
               : std::vector<std::pair<int, const char*>>{{kAcknowledged, "ok"},
                                                          {kRefused, "refused"},
                                                          {kLoginFailed, "login failed"},
                                                          {kUsage, "failed"}};
    std::string text = std::to_string(outcomes.size()) + " devices:";
    const char* separator = " ";
    for (const auto& [code, name] : kinds) {
        const auto count =
            std::count_if(outcomes.begin(), outcomes.end(),
                          [&](const DeviceOutcome& o) { return o.exitCode == code; });
        if (count > 0 || code == kAcknowledged) {
            text += separator + std::to_string(count) + " " + name;
            separator = ", ";
        }
    }
    return text;
}

}  // namespace vexocmd
