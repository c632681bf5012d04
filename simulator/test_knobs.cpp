#include "test_knobs.h"

#include <json/writer.h>

#include <chrono>

namespace devsim {

std::optional<FaultKind> ParseFaultKind(const std::string& name) {
    if (name == "none")
        return FaultKind::None;
    if (name == "malformed")
        return FaultKind::Malformed;
    if (name == "empty")
        return FaultKind::Empty;
    if (name == "drop")
        return FaultKind::Drop;
    if (name == "status500")
        return FaultKind::Status500;
    return std::nullopt;
}

void TestKnobs::OpenJournal(const std::string& path) {
    std::lock_guard lock(mutex_);
    journal_.open(path, std::ios::app);
}

void TestKnobs::Journal(const std::string& session, const std::string& path,
                        const std::string& body) {
    std::lock_guard lock(mutex_);
    if (!journal_.is_open()) {
        return;
    }
    Json::Value line;
    line["time"] = static_cast<Json::Int64>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                std::chrono::system_clock::now().time_since_epoch())
                                                .count());
    line["session"] = session;
    line["path"] = path;
    line["request"] = body;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    journal_ << Json::writeString(builder, line) << '\n';
    journal_.flush();
}

void TestKnobs::SetLatencyMs(int ms) {
    std::lock_guard lock(mutex_);
    latencyMs_ = ms < 0 ? 0 : ms;
}

int TestKnobs::LatencyMs() const {
    std::lock_guard lock(mutex_);
    return latencyMs_;
}

void TestKnobs::SetHangMs(int ms) {
    std::lock_guard lock(mutex_);
    if (ms == 0) {
        EndHangLocked();
    } else {
        EndHangLocked();  // requests held by an earlier hang are dropped
        hangUntil_ =
            ms < 0 ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(ms);
    }
}

void TestKnobs::EndHangLocked() {
    if (hangUntil_) {
        ++hangsEnded_;
    }
    hangUntil_.reset();
    hangEnded_.notify_all();
}

bool TestKnobs::WaitWhileHung() {
    // Short slices: a stop sets only an atomic flag (it may come from a
    // signal handler), so nobody notifies.
    constexpr auto kSlice = std::chrono::milliseconds(50);
    std::unique_lock lock(mutex_);
    const int ended = hangsEnded_;
    while (!released_ && hangUntil_ && Clock::now() < *hangUntil_) {
        hangEnded_.wait_until(lock, std::min(*hangUntil_, Clock::now() + kSlice));
    }
    return !released_ && hangsEnded_ == ended;
}

void TestKnobs::SetScript(const std::string& command, const std::string& replyText) {
    std::lock_guard lock(mutex_);
    scripts_[command] = replyText;
}

std::optional<std::string> TestKnobs::ScriptFor(const std::string& command) const {
    std::lock_guard lock(mutex_);
    const auto it = scripts_.find(command);
    if (it == scripts_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void TestKnobs::SetFault(const std::string& command, FaultKind kind) {
    std::lock_guard lock(mutex_);
    if (kind == FaultKind::None) {
        faults_.erase(command);
    } else {
        faults_[command] = kind;
    }
}

FaultKind TestKnobs::FaultFor(const std::string& command) const {
    std::lock_guard lock(mutex_);
    auto it = faults_.find(command);
    if (it == faults_.end()) {
        it = faults_.find("*");
    }
    return it == faults_.end() ? FaultKind::None : it->second;
}

void TestKnobs::Clear() {
    std::lock_guard lock(mutex_);
    latencyMs_ = 0;
    scripts_.clear();
    faults_.clear();
    EndHangLocked();
}

std::string TestKnobs::Apply(const Json::Value& control) {
    if (!control.isObject()) {
        return "control document must be an object";
    }
    if (control.isMember("clear") && control["clear"].asBool()) {
        Clear();
    }
    if (control.isMember("latency_ms")) {
        if (!control["latency_ms"].isInt()) {
            return "latency_ms must be an integer";
        }
        SetLatencyMs(control["latency_ms"].asInt());
    }
    if (control.isMember("hang_ms")) {
        if (!control["hang_ms"].isInt()) {
            return "hang_ms must be an integer";
        }
        SetHangMs(control["hang_ms"].asInt());
    }
    if (control.isMember("script")) {
        const Json::Value& script = control["script"];
        if (!script["op"].isString() || !script["reply"].isString()) {
            return "script needs string members op and reply";
        }
        SetScript(script["op"].asString(), script["reply"].asString());
    }
    if (control.isMember("fault")) {
        const Json::Value& fault = control["fault"];
        if (!fault["op"].isString() || !fault["kind"].isString()) {
            return "fault needs string members op and kind";
        }
        const auto kind = ParseFaultKind(fault["kind"].asString());
        if (!kind) {
            return "unknown fault kind " + fault["kind"].asString();
        }
        SetFault(fault["op"].asString(), *kind);
    }
    return std::string();
}

}  // namespace devsim
