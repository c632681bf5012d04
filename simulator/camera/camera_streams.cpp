#include "camera_streams.h"

extern "C" {
#include <libavutil/log.h>
}

namespace devsim::camera {

CameraStreams::CameraStreams(VideoCodec codec, std::function<HeadPosition()> head,
                             AnalyticsFactory analytics) {
    // The scaler reads the panorama at any column, so it would warn about
    // unaligned rows on every zoom step; real errors still show.
    av_log_set_level(AV_LOG_ERROR);
    channels_[2] =
        std::make_unique<StreamChannel>(StreamFormat{1280, 720, 25, codec}, head, analytics);
    channels_[5] =
        std::make_unique<StreamChannel>(StreamFormat{704, 576, 25, codec}, head, analytics);
}

StreamChannel* CameraStreams::Channel(int code) {
    const auto found = channels_.find(code);
    return found == channels_.end() ? nullptr : found->second.get();
}

}  // namespace devsim::camera
