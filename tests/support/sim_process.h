#pragma once
// A vexo-devsim process for tests: started on a free loopback port with a
// state folder of its own, stopped (or killed) by the test.

#include <json/value.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace vexo::test {

class SimProcess {
public:
    // Extra command-line arguments are appended to the defaults (--port,
    // --state, --journal, one user "admin" with password "Admin_123").
    explicit SimProcess(std::vector<std::string> extraArgs = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the process; port 0 picks a free port. Returns false on failure.
    bool Start(int port = 0);
    void Stop();     // SIGTERM and wait
    void Kill();     // SIGKILL and wait
    bool Restart();  // same port, same state folder
    bool Running() const { return pid_ > 0; }

    int Port() const { return port_; }
    std::string Address() const;  // "127.0.0.1:PORT"
    const std::string& StateFolder() const { return stateFolder_; }
    const std::string& JournalPath() const { return journal_; }

    // Sends a document to the control endpoint; returns the HTTP status.
    long Control(const Json::Value& control) const;
    // The same, written as JSON text: R"({"latency_ms": 500})".
    long ControlText(const std::string& controlJson) const;
    // Makes the device answer `op` with the reply text `reply`.
    long Script(const std::string& op, const std::string& reply) const;
    // The journal's lines, parsed.
    std::vector<Json::Value> Journal() const;
    // How many requests to `path` the journal holds.
    int JournalCount(const std::string& path) const;

    static constexpr const char* kUser = "admin";
    static constexpr const char* kPassword = "Admin_123";

private:
    std::vector<std::string> extraArgs_;
    std::string folder_;
    std::string stateFolder_;
    std::string journal_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace vexo::test
