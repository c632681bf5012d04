#include "ptz_lock.h"

namespace devsim {

bool PtzLock::HeldByOtherLocked(const std::string& session, Clock::time_point now) const {
    return !holder_.empty() && holder_ != session && now < expiry_;
}

bool PtzLock::Acquire(const std::string& session, long long milliseconds) {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    if (HeldByOtherLocked(session, now)) {
        return false;
    }
    holder_ = session;
    expiry_ = now + std::chrono::milliseconds(milliseconds);
    return true;
}

bool PtzLock::Release(const std::string& session) {
    std::lock_guard lock(mutex_);
    if (HeldByOtherLocked(session, Clock::now())) {
        return false;
    }
    holder_.clear();
    return true;
}

bool PtzLock::MayControl(const std::string& session) const {
    std::lock_guard lock(mutex_);
    return !HeldByOtherLocked(session, Clock::now());
}

}  // namespace devsim
