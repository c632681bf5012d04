// Latency of the live stream on loopback: from the camera's capture time
// of a picture (carried in its metadata packet) to the moment the network
// library hands the picture's video packet to the data callback. It covers
// drawing, encoding, the server, TCP and the packet parser. Prints median,
// 90th and 99th percentile and maximum for both stream codes.

#include <time.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

#include "sim_process.h"
#include "stream_watcher.h"

namespace {

long long RealtimeMicros() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

struct Samples {
    std::mutex mutex;
    std::condition_variable full;
    long long videoArrival = 0;
    std::vector<double> millis;
    size_t wanted = 0;
};

void OnData(int32_t, int32_t type, const uint8_t* buffer, int32_t length, int32_t, void* user) {
    auto* samples = static_cast<Samples*>(user);
    if (type == VEXONET_DATA_VIDEO) {
        samples->videoArrival = RealtimeMicros();
    } else if (type == VEXONET_DATA_METADATA && samples->videoArrival != 0) {
        const Json::Value meta = vexo::test::ParseJson(
            std::string(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length)));
        std::lock_guard lock(samples->mutex);
        samples->millis.push_back(
            static_cast<double>(samples->videoArrival - meta["capture_us"].asInt64()) / 1000.0);
        if (samples->millis.size() >= samples->wanted) {
            samples->full.notify_all();
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const size_t pictures = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 500;
    VEXONET_Init();
    vexo::test::SimProcess sim;
    if (!sim.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return 1;
    }
    const int32_t login = VEXONET_LoginEx(
        sim.Address().c_str(),
        vexo::test::SetupXml(vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword)
            .c_str());
    if (login < 0) {
        std::fprintf(stderr, "login failed: %d\n", VEXONET_GetLastError());
        return 1;
    }
    for (const int32_t code : {2, 5}) {
        Samples samples;
        samples.wanted = pictures + 25;
        const int32_t request[3] = {0, 0, code};
        const int32_t handle =
            VEXONET_StartRealData(login, request, &OnData, VEXONET_LINK_HTTP, &samples);
        if (handle < 0) {
            std::fprintf(stderr, "start failed: %d\n", VEXONET_GetLastError());
            return 1;
        }
        {
            std::unique_lock lock(samples.mutex);
            samples.full.wait_for(lock, std::chrono::seconds(120),
                                  [&] { return samples.millis.size() >= samples.wanted; });
        }
        VEXONET_StopRealData(handle);
        std::vector<double> millis(samples.millis.begin() + 25, samples.millis.end());  // warm-up
        std::sort(millis.begin(), millis.end());
        if (millis.empty()) {
            std::fprintf(stderr, "no pictures\n");
            return 1;
        }
        auto at = [&](double fraction) {
            return millis[static_cast<size_t>(static_cast<double>(millis.size() - 1) * fraction)];
        };
        std::printf(
            "stream code %d: capture to callback over %zu pictures: median %.2f ms, p90 %.2f ms, "
            "p99 %.2f ms, max %.2f ms\n",
            code, millis.size(), at(0.5), at(0.9), at(0.99), millis.back());
    }
    VEXONET_Cleanup();
    return 0;
}
