#pragma once
// The camera's streams by stream code: 2 is the main stream (1280x720),
// 5 the sub stream (704x576), both at 25 pictures per second.

#include <functional>
#include <map>
#include <memory>

#include "stream_channel.h"

namespace devsim::camera {

class CameraStreams {
public:
    CameraStreams(VideoCodec codec, std::function<HeadPosition()> head,
                  AnalyticsFactory analytics = {});

    // The channel of a stream code, or nullptr for a code the camera lacks.
    StreamChannel* Channel(int code);

private:
    std::map<int, std::unique_ptr<StreamChannel>> channels_;
};

}  // namespace devsim::camera
