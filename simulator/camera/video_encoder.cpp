#include "video_encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
}

namespace devsim::camera {

const char* CodecName(VideoCodec codec) {
    return codec == VideoCodec::H264 ? "h264" : "mjpeg";
}

std::unique_ptr<VideoEncoder> VideoEncoder::Open(VideoCodec codec, int width, int height, int fps,
                                                 std::string& error) {
    const AVCodec* encoder = codec == VideoCodec::H264 ? avcodec_find_encoder_by_name("libx264")
                                                       : avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (encoder == nullptr) {
        error = std::string("libavcodec has no ") + CodecName(codec) + " encoder";
        return nullptr;
    }
    std::unique_ptr<VideoEncoder> self(new VideoEncoder);
    AVCodecContext* c = avcodec_alloc_context3(encoder);
    self->context_ = c;
    self->frame_ = av_frame_alloc();
    self->packet_ = av_packet_alloc();
    if (c == nullptr || self->frame_ == nullptr || self->packet_ == nullptr) {
        error = "out of memory";
        return nullptr;
    }
    c->width = width;
    c->height = height;
    c->time_base = AVRational{1, fps};
    c->framerate = AVRational{fps, 1};
    c->max_b_frames = 0;
    if (codec == VideoCodec::H264) {
        c->pix_fmt = AV_PIX_FMT_YUV420P;
        c->gop_size = fps;  // a late viewer waits at most a second
        // One thread: slice threads would cut latency a little but cost
        // CPU on a machine that also runs the viewers.
        c->thread_count = 1;
        av_opt_set(c->priv_data, "preset", "ultrafast", 0);
        av_opt_set(c->priv_data, "tune", "zerolatency", 0);
        av_opt_set(c->priv_data, "crf", "23", 0);
        av_opt_set_int(c->priv_data, "forced-idr", 1, 0);
    } else {
        // The JPEG flavour of 4:2:0 has the same planes; only the value
        // range differs, which a viewer of a simulated street can bear.
        c->pix_fmt = AV_PIX_FMT_YUVJ420P;
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * 5;
    }
    if (const int rc = avcodec_open2(c, encoder, nullptr); rc < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(rc, text, sizeof text);
        error = std::string("cannot open the ") + CodecName(codec) + " encoder: " + text;
        return nullptr;
    }
    self->frame_->format = c->pix_fmt;
    self->frame_->width = width;
    self->frame_->height = height;
    if (av_frame_get_buffer(self->frame_, 0) < 0) {
        error = "cannot allocate a picture";
        return nullptr;
    }
    return self;
}

VideoEncoder::~VideoEncoder() {
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&context_);
}

YuvCanvas VideoEncoder::Canvas() {
    YuvCanvas canvas;
    // The encoder may still hold the previous picture's buffer.
    if (av_frame_make_writable(frame_) < 0) {
        return canvas;
    }
    for (int i = 0; i < 3; ++i) {
        canvas.plane[i] = frame_->data[i];
        canvas.stride[i] = frame_->linesize[i];
    }
    canvas.width = frame_->width;
    canvas.height = frame_->height;
    return canvas;
}

bool VideoEncoder::Encode(bool forceKey, std::vector<EncodedUnit>& out) {
    frame_->pts = nextPts_++;
    frame_->pict_type = forceKey ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    if (avcodec_send_frame(context_, frame_) < 0) {
        return false;
    }
    for (;;) {
        const int rc = avcodec_receive_packet(context_, packet_);
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) {
            return true;
        }
        if (rc < 0) {
            return false;
        }
        out.push_back({std::string(reinterpret_cast<const char*>(packet_->data),
                                   static_cast<size_t>(packet_->size)),
                       (packet_->flags & AV_PKT_FLAG_KEY) != 0});
        av_packet_unref(packet_);
    }
}

}  // namespace devsim::camera
