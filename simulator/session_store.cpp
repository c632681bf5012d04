#include "session_store.h"

#include <openssl/rand.h>

namespace devsim {

std::string SessionStore::Open(const std::string& user) {
    unsigned char bytes[16];  // 128 random bits
    RAND_bytes(bytes, sizeof bytes);
    static const char kDigits[] = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bytes) {
        token += kDigits[b >> 4];
        token += kDigits[b & 15];
    }
    std::lock_guard lock(mutex_);
    // Drop expired sessions so that many logins cannot grow the table.
    const auto now = std::chrono::steady_clock::now();
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        it = now - it->second.lastUse > std::chrono::seconds(expirySeconds_) ? sessions_.erase(it)
                                                                             : std::next(it);
    }
    sessions_[token] = {user, now};
    return token;
}

std::optional<std::string> SessionStore::Touch(const std::string& token) {
    std::lock_guard lock(mutex_);
    const auto it = sessions_.find(token);
    if (it == sessions_.end()) {
        return std::nullopt;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - it->second.lastUse > std::chrono::seconds(expirySeconds_)) {
        sessions_.erase(it);
        return std::nullopt;
    }
    it->second.lastUse = now;
    return it->second.user;
}

void SessionStore::ForgetAll() {
    std::lock_guard lock(mutex_);
    sessions_.clear();
}

void SessionStore::SetExpirySeconds(int seconds) {
    std::lock_guard lock(mutex_);
    expirySeconds_ = seconds;
}

int SessionStore::ExpirySeconds() const {
    std::lock_guard lock(mutex_);
    return expirySeconds_;
}

}  // namespace devsim
