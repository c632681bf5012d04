#pragma once
// One live stream of a login: a thread of its own with its own libcurl
// handle reads GET /vexo/v1/stream?code=N and hands each packet to the
// caller's data callback. The transfer runs on a multi handle, so a stop
// request wakes the thread at once even while the device sends nothing.

#include <curl/curl.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "device_link.h"
#include "stream_packet_parser.h"
#include "vexonet.h"

namespace vexonet {

class RealDataStream : public std::enable_shared_from_this<RealDataStream> {
public:
    RealDataStream(std::shared_ptr<DeviceLink> link, int32_t streamCode, Timeouts timeouts,
                   VEXONET_RealDataCallback callback, void* user);
    ~RealDataStream();
    RealDataStream(const RealDataStream&) = delete;
    RealDataStream& operator=(const RealDataStream&) = delete;

    // Starts the thread and waits until the device accepted the stream
    // (status 200) or refused it. Returns a VexonetError code; on failure
    // the thread has ended and no callback will come.
    int Start(int32_t handle);
    // Ends the stream. After it returns no callback runs any more, except
    // when it is called from the callback itself: then the thread ends as
    // soon as the callback returns.
    void Stop();
    // Whether the stream still runs; once it ended, `reason` tells why.
    bool Running(int& reason) const;

private:
    struct Transfer {
        int error = VEXONET_OK;
        long status = 0;
    };

    void Run();
    Transfer Perform(const std::string& session);
    void Finish(int reason);
    void Answered(int result);

    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static size_t OnBody(char* data, size_t size, size_t count, void* self);

    const std::shared_ptr<DeviceLink> link_;
    const int32_t code_;
    const Timeouts timeouts_;
    const VEXONET_RealDataCallback callback_;
    void* const user_;
    int32_t handle_ = -1;

    CURLM* multi_ = nullptr;  // lives as long as the object, for the wake-up
    std::thread thread_;
    std::atomic<bool> stop_{false};

    // Filled by the thread while a transfer runs.
    CURL* current_ = nullptr;
    StreamPacketParser parser_;
    long status_ = 0;
    long refusalBytes_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<int> startResult_;
    bool running_ = false;
    int reason_ = VEXONET_OK;
};

}  // namespace vexonet
