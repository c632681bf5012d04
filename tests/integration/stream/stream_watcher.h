#pragma once
// Collects what a live stream hands to its data callback, for tests.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "json_text.h"
#include "vexonet.h"

namespace vexo::test {

struct StreamPacket {
    int32_t handle;
    int32_t type;
    std::string payload;
};

class StreamWatcher {
public:
    static void OnData(int32_t handle, int32_t type, const uint8_t* buffer, int32_t length, int32_t,
                       void* user) {
        auto* self = static_cast<StreamWatcher*>(user);
        {
            std::lock_guard lock(self->mutex_);
            self->packets_.push_back(
                {handle, type,
                 std::string(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length))});
        }
        self->changed_.notify_all();
    }

    // Waits until at least `count` packets arrived; false on time-out.
    bool WaitForPackets(size_t count, std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, wait, [&] { return packets_.size() >= count; });
    }
    std::vector<StreamPacket> Packets() const {
        std::lock_guard lock(mutex_);
        return packets_;
    }
    size_t Count() const {
        std::lock_guard lock(mutex_);
        return packets_.size();
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<StreamPacket> packets_;
};

// A setup XML whose PTZ entry carries the given credentials.
inline std::string SetupXml(const std::string& user, const std::string& password) {
    return "<Setup><ProtocolList><Protocol><Name>vx</Name><UserName>" + user +
           "</UserName><PassWord>" + password +
           "</PassWord><Port>80</Port></Protocol></ProtocolList><Function><Ptz>vx</Ptz>"
           "</Function></Setup>";
}

// Waits until the stream of `handle` has ended; false on time-out.
inline bool WaitForEnd(int32_t handle, std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < until) {
        if (VEXONET_GetRealDataState(handle) == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

}  // namespace vexo::test
