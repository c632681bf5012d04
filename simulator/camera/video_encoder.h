#pragma once
// One libavcodec encoder of the camera: H.264 through libx264 tuned for
// low latency (no B-frames, zero-latency tune, one-second GOP, parameter
// sets repeated before every key frame so a viewer can join at any key
// frame), or MJPEG where every picture stands alone.

#include <memory>
#include <string>
#include <vector>

#include "yuv_canvas.h"

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace devsim::camera {

enum class VideoCodec { H264, Mjpeg };

// "h264" or "mjpeg", as the stream header names them.
const char* CodecName(VideoCodec codec);

struct EncodedUnit {
    std::string data;  // Annex-B access unit or one JPEG image
    bool key = false;
};

class VideoEncoder {
public:
    // Opens the encoder; nullptr with `error` filled when libavcodec lacks
    // it or refuses the settings.
    static std::unique_ptr<VideoEncoder> Open(VideoCodec codec, int width, int height, int fps,
                                              std::string& error);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // The picture to draw the next frame into (null planes if memory ran
    // out).
    YuvCanvas Canvas();
    // Encodes the drawn picture; with `forceKey` it becomes a key frame.
    // Appends the access units the encoder gives back (with these settings
    // one per picture, at once). Returns false on an encoder error.
    bool Encode(bool forceKey, std::vector<EncodedUnit>& out);

private:
    VideoEncoder() = default;

    AVCodecContext* context_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    long long nextPts_ = 0;
};

}  // namespace devsim::camera
