#include "viewer_queue.h"

namespace devsim::camera {

void ViewerQueue::Offer(const FrameUnit& unit) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) {
            return;
        }
        if (units_.size() >= capacity_) {
            dropped_ += units_.size();
            units_.clear();
            waitingForKey_ = true;
        }
        if (waitingForKey_ && !unit.key) {
            ++dropped_;
            return;
        }
        waitingForKey_ = false;
        units_.push_back(unit);
    }
    ready_.notify_one();
}

std::shared_ptr<const std::string> ViewerQueue::Take(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    ready_.wait_for(lock, wait, [this] { return closed_ || !units_.empty(); });
    if (closed_ || units_.empty()) {
        return nullptr;
    }
    auto bytes = std::move(units_.front().bytes);
    units_.pop_front();
    return bytes;
}

void ViewerQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        units_.clear();
    }
    ready_.notify_all();
}

bool ViewerQueue::Closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

uint64_t ViewerQueue::Dropped() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

}  // namespace devsim::camera
