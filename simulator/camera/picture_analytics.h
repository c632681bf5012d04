#pragma once
// The camera's analytics as the stream sees them: each channel gets one
// instance of its own (its own memory of targets, counters) and asks it,
// for every picture, for the members that picture's metadata adds.

#include <functional>
#include <memory>
#include <string>

#include "view_renderer.h"

namespace devsim::camera {

class PictureAnalytics {
public:
    virtual ~PictureAnalytics() = default;
    // JSON members, each introduced by ", ", about the picture taken at
    // `captureMicros` through `head`; empty for none.
    virtual std::string MetadataMembers(const HeadPosition& head, long long captureMicros) = 0;
};

// Makes the analytics of one stream of the given picture size.
using AnalyticsFactory =
    std::function<std::unique_ptr<PictureAnalytics>(int pictureWidth, int pictureHeight)>;

}  // namespace devsim::camera
