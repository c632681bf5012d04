#pragma once
// GET /vexo/v1/stream?code=N: the live stream of one stream code as an
// endless chunked body: the stream header, then each picture's video
// packet followed by its metadata packet.

#include <httplib.h>

#include <functional>

#include "camera_streams.h"

namespace devsim::camera {

// `authenticate` answers the request itself (401) and returns false when
// the request carries no valid session.
void AddStreamRoute(httplib::Server& server, CameraStreams& streams,
                    std::function<bool(const httplib::Request&, httplib::Response&)> authenticate);

}  // namespace devsim::camera
