#pragma once
// The simulator's test knobs: a journal of every request, added latency,
// scripted replies and faults per command. Tests set them on the command
// line or at run time through the control endpoint.

#include <json/value.h>

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

    // A scripted reply is sent verbatim, in place of the device's own.
    void SetScript(const std::string& command, const std::string& replyText);
    std::optional<std::string> ScriptFor(const std::string& command) const;

    // "*" stands for every command.
    void SetFault(const std::string& command, FaultKind kind);
    FaultKind FaultFor(const std::string& command) const;

    // Forgets scripts, faults and latency.
    void Clear();

    // Applies a control document ({"latency_ms", "script", "fault", "clear"}).
    // Returns an error text, or an empty text on success.
    std::string Apply(const Json::Value& control);

private:
    mutable std::mutex mutex_;
    std::ofstream journal_;
    int latencyMs_ = 0;
    std::map<std::string, std::string> scripts_;
    std::map<std::string, FaultKind> faults_;
};

}  // namespace devsim
