#include "stream_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

#include <chrono>
#include <cstring>

#include "play_port.h"

namespace vexoplay {

struct StreamDecoder::Codec {
    AVCodecContext* context = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    ~Codec() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&context);
    }
};

namespace {

AVCodecID CodecId(const QString& name) {
    if (name == QLatin1String("h264")) {
        return AV_CODEC_ID_H264;
    }
    if (name == QLatin1String("mjpeg")) {
        return AV_CODEC_ID_MJPEG;
    }
    return AV_CODEC_ID_NONE;
}

}  // namespace

StreamDecoder::StreamDecoder(const StreamHeader& header, Sink sink)
    : sink_(std::move(sink)), codec_(std::make_unique<Codec>()) {
    const AVCodec* codec = avcodec_find_decoder(CodecId(header.codec));
    if (codec == nullptr) {
        return;
    }
    codec_->context = avcodec_alloc_context3(codec);
    codec_->packet = av_packet_alloc();
    codec_->frame = av_frame_alloc();
    if (codec_->context == nullptr || codec_->packet == nullptr || codec_->frame == nullptr) {
        return;
    }
    AVCodecContext* c = codec_->context;
    // Live view: a picture leaves the decoder as soon as it is complete.
    // Frame threading would hold one picture back per extra thread, so only
    // slice threading is allowed.
    c->flags |= AV_CODEC_FLAG_LOW_DELAY;
    c->flags2 |= AV_CODEC_FLAG2_FAST;
    c->thread_type = FF_THREAD_SLICE;
    c->thread_count = 2;
    c->width = header.width;
    c->height = header.height;
    if (!header.extradata.isEmpty()) {
        const auto size = static_cast<size_t>(header.extradata.size());
        c->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
        if (c->extradata != nullptr) {
            memcpy(c->extradata, header.extradata.constData(), size);
            c->extradata_size = static_cast<int>(size);
        }
    }
    if (avcodec_open2(c, codec, nullptr) < 0) {
        return;
    }
    ready_ = true;
    thread_ = std::thread([this] { Run(); });
}

StreamDecoder::~StreamDecoder() {
    Stop();
}

bool StreamDecoder::Input(const uint8_t* data, int32_t length, int64_t sequence) {
    if (data == nullptr || length <= 0 || length > kMaxPacket || !ready_) {
        return false;
    }
    Queued packet{std::vector<uint8_t>(data, data + length), sequence};
    {
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return false;
        }
        while (queue_.size() >= kMaxQueued) {
            queue_.pop_front();
            ++counters_.packetsDropped;
        }
        queue_.push_back(std::move(packet));
        ++counters_.packetsIn;
    }
    wake_.notify_one();
    return true;
}

void StreamDecoder::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();  // the sink let go of the last reference
        } else {
            thread_.join();
        }
    }
    idle_.notify_all();
}

bool StreamDecoder::WaitIdle(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return stopping_ || (queue_.empty() && !busy_); });
}

DecoderCounters StreamDecoder::Counters() const {
    std::lock_guard lock(mutex_);
    return counters_;
}

void StreamDecoder::Run() {
    for (;;) {
        Queued packet;
        {
            std::unique_lock lock(mutex_);
            busy_ = false;
            if (queue_.empty()) {
                idle_.notify_all();
            }
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) {
                return;
            }
            packet = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
        }
        Decode(packet);
    }
}

void StreamDecoder::Decode(const Queued& queued) {
    // libavcodec reads up to AV_INPUT_BUFFER_PADDING_SIZE bytes past the end.
    const std::vector<uint8_t>& data = queued.data;
    AVPacket* packet = codec_->packet;
    if (av_new_packet(packet, static_cast<int>(data.size())) < 0) {
        std::lock_guard lock(mutex_);
        ++counters_.packetsDropped;
        return;
    }
    memcpy(packet->data, data.data(), data.size());
    // The decoder hands the pts on to the picture made from this packet.
    packet->pts = queued.sequence;
    const int sent = avcodec_send_packet(codec_->context, packet);
    av_packet_unref(packet);
    if (sent < 0) {
        // A corrupt packet: skip it, the next one may decode again.
        std::lock_guard lock(mutex_);
        ++counters_.packetsDropped;
        return;
    }
    while (avcodec_receive_frame(codec_->context, codec_->frame) == 0) {
        Deliver();
        av_frame_unref(codec_->frame);
    }
}

void StreamDecoder::Deliver() {
    const AVFrame* frame = codec_->frame;
    // A picture the painter could not convert is not handed over: the
    // window keeps showing the last good one.
    if (frame->width < kMinSide || frame->height < kMinSide || frame->width > 8192 ||
        frame->height > 8192 || frame->format < 0 ||
        sws_isSupportedInput(static_cast<AVPixelFormat>(frame->format)) == 0) {
        return;
    }
    std::shared_ptr<const DecodedPicture> picture = DecodedPicture::Reference(frame);
    if (picture == nullptr) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        ++counters_.framesDecoded;
    }
    const int64_t sequence = frame->pts > 0 ? frame->pts : 0;
    sink_(std::move(picture), sequence);
}

}  // namespace vexoplay
