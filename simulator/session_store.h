#pragma once
// Login sessions of the simulated device: random tokens that expire after a
// period without requests. Kept in memory only, as a camera does, so a
// restart forgets every session.

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace devsim {

class SessionStore {
public:
    explicit SessionStore(int expirySeconds) : expirySeconds_(expirySeconds) {}

    std::string Open(const std::string& user);
    // The user of a live session (and renews it); nullopt for unknown or
    // expired tokens.
    std::optional<std::string> Touch(const std::string& token);
    void ForgetAll();
    void SetExpirySeconds(int seconds);
    int ExpirySeconds() const;

private:
    struct Session {
        std::string user;
        std::chrono::steady_clock::time_point lastUse;
    };
    mutable std::mutex mutex_;
    std::map<std::string, Session> sessions_;
    int expirySeconds_;
};

}  // namespace devsim
