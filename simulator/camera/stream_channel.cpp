#include "stream_channel.h"

#include <time.h>

#include <algorithm>
#include <cstdio>

#include "stream_packets.h"

namespace devsim::camera {
namespace {

std::string MakeHeader(const StreamFormat& format) {
    char json[160];
    std::snprintf(json, sizeof json, R"({"codec": "%s", "width": %d, "height": %d, "fps": %d})",
                  CodecName(format.codec), format.width, format.height, format.fps);
    std::string packet;
    AppendPacket(packet, kStreamHeader, json);
    return packet;
}

long long RealtimeMicros() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

}  // namespace

StreamChannel::StreamChannel(StreamFormat format, std::function<HeadPosition()> head,
                             AnalyticsFactory analytics)
    : format_(format),
      head_(std::move(head)),
      analytics_(std::move(analytics)),
      header_(MakeHeader(format_)) {}

StreamChannel::~StreamChannel() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    CloseViewers();
}

std::shared_ptr<ViewerQueue> StreamChannel::Join() {
    std::lock_guard life(lifecycle_);
    auto viewer = std::make_shared<ViewerQueue>(kViewerBacklog);
    bool start = false;
    {
        std::lock_guard lock(mutex_);
        viewers_.push_back(viewer);
        start = finished_;
        if (start) {
            stop_ = false;
            finished_ = false;
        }
    }
    wantKey_ = true;
    if (start) {
        if (thread_.joinable()) {
            thread_.join();  // an earlier run that ended on an encoder error
        }
        thread_ = std::thread(&StreamChannel::Run, this);
    }
    return viewer;
}

void StreamChannel::Leave(const std::shared_ptr<ViewerQueue>& viewer) {
    std::lock_guard life(lifecycle_);
    viewer->Close();
    bool last = false;
    {
        std::lock_guard lock(mutex_);
        viewers_.erase(std::remove(viewers_.begin(), viewers_.end(), viewer), viewers_.end());
        last = viewers_.empty();
        if (last) {
            stop_ = true;
        }
    }
    if (last) {
        wake_.notify_all();
        if (thread_.joinable()) {
            thread_.join();
        }
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
}

bool StreamChannel::Encoding() const {
    std::lock_guard lock(mutex_);
    return !finished_ && !stop_;
}

void StreamChannel::Broadcast(const FrameUnit& unit) {
    std::lock_guard lock(mutex_);
    for (const auto& viewer : viewers_) {
        viewer->Offer(unit);
    }
}

void StreamChannel::CloseViewers() {
    std::lock_guard lock(mutex_);
    for (const auto& viewer : viewers_) {
        viewer->Close();
    }
}

void StreamChannel::EndOnError() {
    std::lock_guard lock(mutex_);
    for (const auto& viewer : viewers_) {
        viewer->Close();
    }
    finished_ = true;  // the next viewer starts a new encoder
}

void StreamChannel::Run() {
    std::string error;
    auto encoder =
        VideoEncoder::Open(format_.codec, format_.width, format_.height, format_.fps, error);
    if (!encoder) {
        std::fprintf(stderr, "vexo-devsim: %s\n", error.c_str());
        EndOnError();
        return;
    }
    ViewRenderer renderer(format_.width, format_.height);
    const std::unique_ptr<PictureAnalytics> analytics =
        analytics_ ? analytics_(format_.width, format_.height) : nullptr;
    const auto period = std::chrono::microseconds(1000000 / format_.fps);
    auto next = std::chrono::steady_clock::now();
    std::vector<EncodedUnit> units;
    for (uint64_t picture = 0;; ++picture) {
        {
            std::unique_lock lock(mutex_);
            if (wake_.wait_until(lock, next, [this] { return stop_; })) {
                return;
            }
        }
        const long long captured = RealtimeMicros();
        const HeadPosition head = head_();
        const YuvCanvas canvas = encoder->Canvas();
        units.clear();
        if (canvas.plane[0] == nullptr || !renderer.Render(canvas, head, captured) ||
            !encoder->Encode(wantKey_.exchange(false), units)) {
            std::fprintf(stderr, "vexo-devsim: encoding failed\n");
            EndOnError();
            return;
        }
        ++encoded_;
        char json[192];
        std::snprintf(json, sizeof json,
                      R"({"capture_us": %lld, "frame": %llu, "pan": %.4f, "tilt": %.4f, )"
                      R"("zoom": %.4f)",
                      captured, static_cast<unsigned long long>(picture), head.pan, head.tilt,
                      head.zoom);
        std::string metadata = json;
        if (analytics) {
            metadata += analytics->MetadataMembers(head, captured);
        }
        metadata += '}';
        for (const EncodedUnit& unit : units) {
            auto bytes = std::make_shared<std::string>();
            bytes->reserve(unit.data.size() + metadata.size() + 16);
            AppendPacket(*bytes, kVideo, unit.data);
            AppendPacket(*bytes, kMetadata, metadata);
            Broadcast({std::move(bytes), unit.key});
        }
        // A late tick (a busy machine) skips pictures rather than bunching
        // them: a live view wants the newest picture, not a backlog.
        next += period;
        const auto now = std::chrono::steady_clock::now();
        if (next < now) {
            next = now;
        }
    }
}

}  // namespace devsim::camera
