// CPU cost of the simulated camera per stream: drawing a picture (crop and
// scale of the panorama, traffic, text) and encoding it, measured as
// thread CPU time over a few hundred pictures with a panning head. Prints
// milliseconds per picture and the share of one core at 25 pictures per
// second, per stream code and codec.

#include <time.h>

extern "C" {
#include <libavutil/log.h>
}

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "video_encoder.h"
#include "view_renderer.h"
#include "world_panorama.h"

namespace {

using namespace devsim::camera;

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Measure(const char* name, int width, int height, VideoCodec codec, int pictures) {
    std::string error;
    auto encoder = VideoEncoder::Open(codec, width, height, 25, error);
    if (!encoder) {
        std::printf("%s: %s\n", name, error.c_str());
        return;
    }
    ViewRenderer renderer(width, height);
    std::vector<EncodedUnit> units;
    double renderMs = 0;
    double encodeMs = 0;
    size_t bytes = 0;
    long long instant = 1700000000LL * 1000000;
    for (int i = 0; i < pictures; ++i) {
        // The head pans and zooms a little, as while an operator steers it.
        const HeadPosition head{-0.5 + i * 0.002, 0.1, 0.2 + (i % 100) * 0.001};
        const double t0 = ThreadCpuMs();
        const YuvCanvas canvas = encoder->Canvas();
        renderer.Render(canvas, head, instant);
        const double t1 = ThreadCpuMs();
        units.clear();
        encoder->Encode(i == 0, units);
        const double t2 = ThreadCpuMs();
        renderMs += t1 - t0;
        encodeMs += t2 - t1;
        for (const auto& unit : units) {
            bytes += unit.data.size();
        }
        instant += 40000;
    }
    const double perRender = renderMs / pictures;
    const double perEncode = encodeMs / pictures;
    std::printf(
        "%-22s render %6.2f ms  encode %6.2f ms  per picture; at 25 fps %5.1f %% of a core "
        "(render %4.1f %%, encode %4.1f %%); %.0f kbit/s\n",
        name, perRender, perEncode, (perRender + perEncode) * 25 / 10, perRender * 25 / 10,
        perEncode * 25 / 10, static_cast<double>(bytes) * 8 / 1000 / (pictures / 25.0));
}

}  // namespace

int main(int argc, char** argv) {
    const int pictures = argc > 1 ? std::atoi(argv[1]) : 250;
    av_log_set_level(AV_LOG_ERROR);  // no encoder statistics between the figures
    const double t0 = ThreadCpuMs();
    SharedPanorama();
    std::printf("panorama drawn once per process in %.1f ms CPU\n", ThreadCpuMs() - t0);
    Measure("code 2 h264 1280x720", 1280, 720, VideoCodec::H264, pictures);
    Measure("code 5 h264 704x576", 704, 576, VideoCodec::H264, pictures);
    Measure("code 2 mjpeg 1280x720", 1280, 720, VideoCodec::Mjpeg, pictures);
    Measure("code 5 mjpeg 704x576", 704, 576, VideoCodec::Mjpeg, pictures);
    return 0;
}
