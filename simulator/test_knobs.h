#pragma once
// The simulator's test knobs: a journal of every request, added latency,
// a hang, scripted replies and faults per command. Tests set them on the
// command line or at run time through the control endpoint.

#include <json/value.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace devsim {

enum class FaultKind {
    None,
    Malformed,  // a reply that is not JSON
    Empty,      // status 200 with an empty body
    Drop,       // the connection is closed without an answer
    Status500,  // an HTTP error status
};

std::optional<FaultKind> ParseFaultKind(const std::string& name);

class TestKnobs {
public:
    void OpenJournal(const std::string& path);
    // One JSON line: time (ms since the epoch), session, path, request text.
    void Journal(const std::string& session, const std::string& path, const std::string& body);

    void SetLatencyMs(int ms);
    int LatencyMs() const;

    // A hung device accepts connections and reads requests but answers
    // none: `ms` > 0 holds every answer for that long (the requests are
    // carried out then); < 0 answers nothing until the hang is switched off
    // (0) or the knobs are cleared, and the requests it held are dropped
    // unanswered, never carried out.
    void SetHangMs(int ms);
    // Holds the calling request while the device hangs; false when the
    // request is to be dropped.
    bool WaitWhileHung();
    // Lets every held request go for good (dropped): the server is
    // stopping. Safe in a signal handler.
    void ReleaseHeld() { released_ = true; }

    // A scripted reply is sent verbatim, in place of the device's own.
    void SetScript(const std::string& command, const std::string& replyText);
    std::optional<std::string> ScriptFor(const std::string& command) const;

    // "*" stands for every command.
    void SetFault(const std::string& command, FaultKind kind);
    FaultKind FaultFor(const std::string& command) const;

    // Forgets scripts, faults, latency and a hang.
    void Clear();

    // Applies a control document ({"latency_ms", "hang_ms", "script",
    // "fault", "clear"}).
    // Returns an error text, or an empty text on success.
    std::string Apply(const Json::Value& control);

private:
    using Clock = std::chrono::steady_clock;
    void EndHangLocked();

    mutable std::mutex mutex_;
    std::condition_variable hangEnded_;
    // When the hang ends; unset while the device answers, the far future
    // for a hang without an end.
    std::optional<Clock::time_point> hangUntil_;
    // Counts the hangs switched off: a request held across one is dropped.
    int hangsEnded_ = 0;
    std::atomic<bool> released_{false};
    std::ofstream journal_;
    int latencyMs_ = 0;
    std::map<std::string, std::string> scripts_;
    std::map<std::string, FaultKind> faults_;
};

}  // namespace devsim
