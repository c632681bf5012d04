#pragma once
// One login to one device: a libcurl handle that keeps its connection alive,
// the session token, and the reply buffer handed to the caller.

#include <curl/curl.h>

#include <chrono>
#include <mutex>
#include <string>

namespace vexonet {

struct Timeouts {
    long connectMs = 2000;
    long exchangeMs = 10000;
};

// Largest answer the library accepts; a longer one is a broken device.
inline constexpr size_t kMaxAnswerBytes = 16u * 1024u * 1024u;

class DeviceLink {
public:
    DeviceLink(std::string baseUrl, std::string user, std::string password);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Digest login; stores the session token. Returns a VexonetError code.
    int Login(const Timeouts& timeouts);

    // POSTs `body` to `path` with the session header. When the device has
    // forgotten the session (401), logs in again once and repeats the
    // request. On success `answer` holds the body of the 200 answer.
    int Exchange(const std::string& path, const std::string& body, const Timeouts& timeouts,
                 std::string& answer);

    // Calls on one login are serialised by this mutex, held for a whole call.
    std::mutex& CallMutex() { return callMutex_; }

    // "http://host:port" of the device, for the stream threads.
    const std::string& BaseUrl() const { return baseUrl_; }
    // The current session token (call with CallMutex held).
    std::string Session() const { return session_; }
    // Logs in again after the device refused the session `stale`, unless
    // another caller already replaced it meanwhile (call with CallMutex
    // held). Returns a VexonetError code.
    int RenewSession(const std::string& stale, const Timeouts& timeouts);

private:
    struct Outcome {
        int error = 0;
        long status = 0;
    };
    using Clock = std::chrono::steady_clock;

    Outcome Perform(const std::string& path, const std::string& body, bool authenticate,
                    long connectMs, Clock::time_point deadline, std::string& answer);
    int LoginUntil(long connectMs, Clock::time_point deadline);

    std::string baseUrl_;
    std::string user_;
    std::string password_;
    std::string session_;
    std::mutex callMutex_;
    CURL* curl_ = nullptr;
};

}  // namespace vexonet
