#pragma once
// The pictures waiting to be sent to one viewer. The encoder never waits
// for a viewer: when a viewer falls so far behind that its queue is full,
// its backlog is dropped and it resumes at the next key frame, which it
// can decode without the pictures it missed.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

namespace devsim::camera {

// One picture's packets as sent (video, then its metadata), shared by all
// viewers of a stream.
struct FrameUnit {
    std::shared_ptr<const std::string> bytes;
    bool key = false;
};

class ViewerQueue {
public:
    explicit ViewerQueue(size_t capacity) : capacity_(capacity) {}

    // Called by the encoder thread; never blocks.
    void Offer(const FrameUnit& unit);
    // Waits up to `wait` for a picture; nullptr on time-out or when closed.
    std::shared_ptr<const std::string> Take(std::chrono::milliseconds wait);
    // Ends the viewer (the stream stopped); wakes a waiting Take.
    void Close();
    bool Closed() const;
    // Pictures this viewer missed because it was too slow.
    uint64_t Dropped() const;

private:
    const size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<FrameUnit> units_;
    bool waitingForKey_ = true;  // a new viewer starts at a key frame too
    bool closed_ = false;
    uint64_t dropped_ = 0;
};

}  // namespace devsim::camera
