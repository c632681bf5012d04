#pragma once
// The HTTP face of the simulated device: login, sessions, the analytics
// command endpoint, PTZ, and the loopback-only control endpoint of the test
// knobs.

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "camera_streams.h"
#include "device_model.h"
#include "digest_auth.h"
#include "live_rule_source.h"
#include "session_store.h"
#include "state_folder.h"
#include "test_knobs.h"
#include "user_accounts.h"

namespace devsim {

struct ServerSettings {
    std::string stateFolder;
    // The device's own files (profile, UI description, texts); empty for
    // the default folder.
    std::string dataFolder;
    UserAccounts users;
    int sessionExpirySeconds = 600;
    std::vector<DigestAlgorithm> digest{DigestAlgorithm::Sha256, DigestAlgorithm::Md5};
    camera::VideoCodec videoCodec = camera::VideoCodec::H264;
};

class DeviceServer {
public:
    explicit DeviceServer(ServerSettings settings);

    TestKnobs& Knobs() { return knobs_; }
    DeviceModel& Model() { return model_; }

    // Binds; port 0 picks a free one. Returns the bound port, or -1.
    int Bind(const std::string& host, int port);
    // Serves until Stop (blocks), through any time offline.
    bool Serve();
    // Safe in a signal handler.
    void Stop();
    // The device is gone for `ms`: it stops listening (connections are
    // refused) and closes the open ones but that of `request` (the one
    // that sent it away, answered last), then listens again on its port.
    // A hang ends with it.
    void GoOffline(int ms, const httplib::Request& request);
    // From now on "CMD_GetConfigInfo" announces the files at https
    // addresses on `port` (see tls_file_server.h).
    void AnnounceHttpsFiles(int port) { httpsFilesPort_ = port; }

    // Handles one analytics request body for an authenticated session;
    // exposed for fuzzing the request handling without sockets. Whatever
    // the body, the answer is a reply document (a refusal for anything
    // malformed or too large).
    std::string HandleSmartBody(const std::string& body, const CommandContext& context) const;

private:
    void Routes();
    // The session of a request, or nullopt after answering 401.
    std::optional<CommandContext> Authenticate(const httplib::Request& req, httplib::Response& res);
    void ApplyLatency() const;
    // While offline a request that slipped in is dropped unanswered; true
    // when `request` was.
    bool DroppedOffline(const httplib::Request& request);
    // Ends the time offline (now or once it has passed); false when the
    // server is to stop instead.
    bool WaitOutOffline();

    ServerSettings settings_;
    std::string boundAddress_;  // "host:port", for clients that send no Host
    std::string boundHost_;
    int boundPort_ = -1;
    std::atomic<bool> stopping_{false};
    std::mutex offlineMutex_;
    std::optional<std::chrono::steady_clock::time_point> offlineUntil_;
    StateFolder state_;
    SessionStore sessions_;
    DigestAuthenticator digest_;
    TestKnobs knobs_;
    DeviceModel model_;
    LiveRuleSource liveRules_;
    camera::CameraStreams camera_;
    httplib::Server server_;
    int httpsFilesPort_ = 0;
};

}  // namespace devsim
