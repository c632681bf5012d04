#pragma once
// Encodes synthetic pictures for the play tests with libavcodec: H.264
// through libx264 (every picture a key frame, so that any one of them can be
// fed alone) or MJPEG. Each packet is what the stream carries as one video
// packet.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
}

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vexo::test {

struct Rgb {
    uint8_t r, g, b;
};

class TestEncoder {
public:
    TestEncoder(const char* codecName, int width, int height) : width_(width), height_(height) {
        const AVCodec* codec = avcodec_find_encoder_by_name(codecName);
        if (codec == nullptr) {
            throw std::runtime_error(std::string("no encoder ") + codecName);
        }
        context_ = avcodec_alloc_context3(codec);
        context_->width = width;
        context_->height = height;
        context_->time_base = {1, 25};
        context_->framerate = {25, 1};
        context_->gop_size = 1;
        context_->max_b_frames = 0;
        const bool jpeg = std::string(codecName) == "mjpeg";
        context_->pix_fmt = jpeg ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
        if (!jpeg) {
            av_opt_set(context_->priv_data, "preset", "ultrafast", 0);
            av_opt_set(context_->priv_data, "tune", "zerolatency", 0);
        }
        if (avcodec_open2(context_, codec, nullptr) < 0) {
            throw std::runtime_error("encoder did not open");
        }
        frame_ = av_frame_alloc();
        frame_->format = context_->pix_fmt;
        frame_->width = width;
        frame_->height = height;
        av_frame_get_buffer(frame_, 0);
        packet_ = av_packet_alloc();
    }
    ~TestEncoder() {
        av_packet_free(&packet_);
        av_frame_free(&frame_);
        avcodec_free_context(&context_);
    }
    TestEncoder(const TestEncoder&) = delete;
    TestEncoder& operator=(const TestEncoder&) = delete;

    // One picture: the left half `left`, the right half `right`.
    std::vector<uint8_t> Encode(Rgb left, Rgb right) {
        av_frame_make_writable(frame_);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const Rgb c = x < width_ / 2 ? left : right;
                frame_->data[0][y * frame_->linesize[0] + x] = Y(c);
                if (y % 2 == 0 && x % 2 == 0) {
                    frame_->data[1][(y / 2) * frame_->linesize[1] + x / 2] = U(c);
                    frame_->data[2][(y / 2) * frame_->linesize[2] + x / 2] = V(c);
                }
            }
        }
        frame_->pts = pts_++;
        std::vector<uint8_t> out;
        if (avcodec_send_frame(context_, frame_) < 0) {
            return out;
        }
        while (avcodec_receive_packet(context_, packet_) == 0) {
            out.insert(out.end(), packet_->data, packet_->data + packet_->size);
            av_packet_unref(packet_);
        }
        return out;
    }

private:
    // Full-range BT.601, which both encoders' default tagging decodes close
    // enough for colour checks with a tolerance.
    static uint8_t Clamp(double v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }
    static uint8_t Y(Rgb c) { return Clamp(16 + 0.257 * c.r + 0.504 * c.g + 0.098 * c.b); }
    static uint8_t U(Rgb c) { return Clamp(128 - 0.148 * c.r - 0.291 * c.g + 0.439 * c.b); }
    static uint8_t V(Rgb c) { return Clamp(128 + 0.439 * c.r - 0.368 * c.g - 0.071 * c.b); }

    AVCodecContext* context_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    int width_;
    int height_;
    int64_t pts_ = 0;
};

}  // namespace vexo::test
