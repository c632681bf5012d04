#include "stream_route.h"

#include <cstdlib>
#include <memory>

namespace devsim::camera {
namespace {

// A viewer's place in a channel; leaving happens when httplib drops the
// response (the client went away, the server stops), whatever the cause.
struct Watch {
    explicit Watch(StreamChannel* joined) : channel(joined), queue(joined->Join()) {}
    ~Watch() { channel->Leave(queue); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    StreamChannel* const channel;
    const std::shared_ptr<ViewerQueue> queue;
    bool headerSent = false;
};

void AnswerError(httplib::Response& res, int status, const char* text) {
    res.status = status;
    res.set_content(std::string("{\"error\": \"") + text + "\"}", "application/json");
}

}  // namespace

void AddStreamRoute(httplib::Server& server, CameraStreams& streams,
                    std::function<bool(const httplib::Request&, httplib::Response&)> authenticate) {
    server.Get("/vexo/v1/stream", [&streams, authenticate](const httplib::Request& req,
                                                           httplib::Response& res) {
        if (!authenticate(req, res)) {
            return;
        }
        const std::string text = req.get_param_value("code");
        char* end = nullptr;
        const long code = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0') {
            AnswerError(res, 400, "stream code must be an integer");
            return;
        }
        StreamChannel* channel =
            code >= 0 && code <= 1000 ? streams.Channel(static_cast<int>(code)) : nullptr;
        if (channel == nullptr) {
            AnswerError(res, 404, "no such stream");
            return;
        }
        auto watch = std::make_shared<Watch>(channel);
        res.set_chunked_content_provider(
            "application/x-vexo-stream", [watch](size_t, httplib::DataSink& sink) {
                if (!watch->headerSent) {
                    watch->headerSent = true;
                    const std::string& header = watch->channel->HeaderPacket();
                    return sink.write(header.data(), header.size());
                }
                // A short wait keeps the server's shutdown check running.
                const auto bytes = watch->queue->Take(std::chrono::milliseconds(100));
                if (bytes) {
                    return sink.write(bytes->data(), bytes->size());
                }
                return !watch->queue->Closed();
            });
    });
}

}  // namespace devsim::camera
