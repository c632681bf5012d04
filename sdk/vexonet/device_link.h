#pragma once
// One login to one device: a small pool of libcurl handles, each keeping its
// connection alive, and the session token they share.

#include <curl/curl.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace vexonet {

struct Timeouts {
    long connectMs = 2000;
    long exchangeMs = 10000;
};

// Largest answer the library accepts; a longer one is a broken device.
inline constexpr size_t kMaxAnswerBytes = 16u * 1024u * 1024u;

class DeviceLink {
public:
    // Connections one login keeps open at most: independent commands of one
    // operator action may travel side by side, and no device is flooded.
    static constexpr int kMaxConnections = 4;

    DeviceLink(std::string baseUrl, std::string user, std::string password);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Digest login; stores the session token. Returns a VexonetError code.
    int Login(const Timeouts& timeouts);

    // POSTs `body` to `path` with the session header. When the device has
    // forgotten the session (401), logs in again once and repeats the
    // request. On success `answer` holds the body of the 200 answer.
    // Thread-safe: each call takes an idle kept-alive connection of the
    // login (a new one while fewer than kMaxConnections exist), else waits
    // for one within its time-out.
    int Exchange(const std::string& path, const std::string& body, const Timeouts& timeouts,
                 std::string& answer);

    // Serialises logins and renewals, and guards the session token.
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
    class Connection;

    // An idle handle of the pool, or a new one while fewer than
    // kMaxConnections exist; null when none frees up before `deadline`.
    CURL* Acquire(Clock::time_point deadline);
    void Release(CURL* handle);

    Outcome Perform(CURL* handle, const std::string& path, const std::string& body,
                    const std::string* session, long connectMs, Clock::time_point deadline,
                    std::string& answer);
    // Logs in on `handle` (call with CallMutex held).
    int LoginUntil(CURL* handle, long connectMs, Clock::time_point deadline);
    int LoginUntil(long connectMs, Clock::time_point deadline);

    std::string baseUrl_;
    std::string user_;
    std::string password_;
    std::string session_;
    std::mutex callMutex_;

    std::mutex poolMutex_;
    std::condition_variable poolFreed_;
    std::vector<CURL*> idle_;
    int handles_ = 0;  // idle and in use
};

}  // namespace vexonet
