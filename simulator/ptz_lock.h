#pragma once
// The PTZ lock: while one session holds it (for the lock time it asked
// for, renewable), other sessions may neither move the head nor take the
// lock. It lives in memory only: sessions do not survive a restart, so
// neither does the lock.

#include <chrono>
#include <mutex>
#include <string>

namespace devsim {

class PtzLock {
public:
    // Takes or renews the lock; false while another session holds it.
    bool Acquire(const std::string& session, long long milliseconds);
    // Releases the lock; false when another session holds it. Releasing a
    // lock nobody holds succeeds.
    bool Release(const std::string& session);
    // Whether `session` may move the head now.
    bool MayControl(const std::string& session) const;

private:
    using Clock = std::chrono::steady_clock;
    bool HeldByOtherLocked(const std::string& session, Clock::time_point now) const;

    mutable std::mutex mutex_;
    std::string holder_;
    Clock::time_point expiry_{};
};

}  // namespace devsim
