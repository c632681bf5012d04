#pragma once
// One stream code of the camera: while anybody watches, one thread draws
// and encodes each picture once and hands the same bytes to every viewer's
// queue. The thread starts with the first viewer and ends with the last.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "picture_analytics.h"
#include "video_encoder.h"
#include "view_renderer.h"
#include "viewer_queue.h"

namespace devsim::camera {

struct StreamFormat {
    int width = 0;
    int height = 0;
    int fps = 25;
    VideoCodec codec = VideoCodec::H264;
};

class StreamChannel {
public:
    // `head` tells where the PTZ head points at the moment of a picture;
    // `analytics`, when set, adds what the analytics saw to each picture's
    // metadata.
    StreamChannel(StreamFormat format, std::function<HeadPosition()> head,
                  AnalyticsFactory analytics = {});
    ~StreamChannel();
    StreamChannel(const StreamChannel&) = delete;
    StreamChannel& operator=(const StreamChannel&) = delete;

    // A new viewer; its first picture is a key frame, forced at once.
    std::shared_ptr<ViewerQueue> Join();
    // Removes a viewer; the last one leaving stops the encoder.
    void Leave(const std::shared_ptr<ViewerQueue>& viewer);

    // The stream header packet (type 0) sent first to every viewer.
    const std::string& HeaderPacket() const { return header_; }
    const StreamFormat& Format() const { return format_; }
    uint64_t PicturesEncoded() const { return encoded_.load(); }
    bool Encoding() const;

    // Pictures a viewer may lag behind before it loses its backlog.
    static constexpr size_t kViewerBacklog = 25;

private:
    void Run();
    void Broadcast(const FrameUnit& unit);
    void CloseViewers();
    void EndOnError();

    const StreamFormat format_;
    const std::function<HeadPosition()> head_;
    const AnalyticsFactory analytics_;
    const std::string header_;

    std::mutex lifecycle_;  // Join and Leave: start and stop of the thread
    std::thread thread_;

    mutable std::mutex mutex_;  // viewers and the stop request
    std::condition_variable wake_;
    std::vector<std::shared_ptr<ViewerQueue>> viewers_;
    bool stop_ = false;
    bool finished_ = true;

    std::atomic<bool> wantKey_{false};
    std::atomic<uint64_t> encoded_{0};
};

}  // namespace devsim::camera
