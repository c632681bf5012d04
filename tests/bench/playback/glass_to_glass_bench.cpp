// Glass-to-glass latency on loopback: from the camera's capture time of a
// picture to the moment the play library has painted it into a 1280x720
// window (the draw callback after the paint). The session is wired as the
// control wires it: the data callback opens the port from the stream
// header, plays it into the window and hands it every packet. The capture
// time of the painted picture comes from VEXOPLAY_GetShownCaptureTime.
// Also prints capture -> arrival (the video packet reaching the data
// callback), so the rest is the play library's share.
//
// bench_playback_latency [pictures]   (default 500, i.e. 20 s of code 2)

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "bench_support.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

using vexo::bench::RealtimeMicros;

struct Viewer {
    QWidget* window = nullptr;
    std::atomic<int32_t> port{-1};

    std::mutex mutex;  // guards the members below
    long long videoArrival = 0;
    std::vector<double> arrivalMillis;
    std::vector<double> paintedMillis;
    long long lastPaintedCapture = 0;
    int paints = 0;
};

// Network thread: what CAudioVideoPlay::OnRealData does, plus the arrival
// time of each video packet.
void OnData(int32_t, int32_t type, const uint8_t* buffer, int32_t length, int32_t, void* user);

// UI thread, after each paint of a picture.
void OnDraw(int32_t port, void*, void* user) {
    const long long now = RealtimeMicros();
    auto* viewer = static_cast<Viewer*>(user);
    int64_t capture = 0;
    const bool known = VEXOPLAY_GetShownCaptureTime(port, &capture) == 1;
    std::lock_guard lock(viewer->mutex);
    ++viewer->paints;
    // A repaint of the same picture (an expose, an overlay change) is no
    // new picture reaching the glass.
    if (known && capture != viewer->lastPaintedCapture) {
        viewer->lastPaintedCapture = capture;
        viewer->paintedMillis.push_back(static_cast<double>(now - capture) / 1000.0);
    }
}

void OnData(int32_t, int32_t type, const uint8_t* buffer, int32_t length, int32_t, void* user) {
    auto* viewer = static_cast<Viewer*>(user);
    if (type == VEXONET_DATA_HEADER) {
        const int32_t port = VEXOPLAY_OpenStream(buffer, length);
        if (port >= 0) {
            VEXOPLAY_SetDrawFunCallBack(port, &OnDraw, viewer);
            VEXOPLAY_Play(port, viewer->window, 0, 0);
            viewer->port = port;
        }
        return;
    }
    const long long now = RealtimeMicros();
    VEXOPLAY_InputData(viewer->port, buffer, length);
    if (type == VEXONET_DATA_VIDEO) {
        std::lock_guard lock(viewer->mutex);
        viewer->videoArrival = now;
    } else if (type == VEXONET_DATA_METADATA) {
        // The same reading the play library does, for the arrival figure.
        const std::string text(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
        const size_t at = text.find("\"capture_us\":");
        if (at == std::string::npos) {
            return;
        }
        const long long capture = std::atoll(text.c_str() + at + 13);
        std::lock_guard lock(viewer->mutex);
        if (viewer->videoArrival != 0 && capture > 0) {
            viewer->arrivalMillis.push_back(static_cast<double>(viewer->videoArrival - capture) /
                                            1000.0);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const size_t pictures = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 500;
    constexpr size_t kWarmUp = 25;  // the first second: connection, first key frame
    vexo::bench::DefaultToOffscreen();
    QApplication app(argc, argv);
    VEXOPLAY_Init();

    QWidget window;
    vexo::bench::ShowVideoWindow(window);

    vexo::bench::SimulatorLogin sim;
    if (!sim.Start()) {
        return 1;
    }
    Viewer viewer;
    viewer.window = &window;
    const int32_t request[3] = {0, 0, 2};
    const int32_t handle =
        VEXONET_StartRealData(sim.LoginId(), request, &OnData, VEXONET_LINK_HTTP, &viewer);
    if (handle < 0) {
        std::fprintf(stderr, "start failed: %d\n", VEXONET_GetLastError());
        return 1;
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        std::lock_guard lock(viewer.mutex);
        if (viewer.paintedMillis.size() >= pictures + kWarmUp) {
            app.quit();
        }
    });
    poll.start(50);
    QTimer::singleShot(std::chrono::seconds(30 + pictures / 10), &app, &QApplication::quit);
    app.exec();
    VEXONET_StopRealData(handle);

    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(viewer.port, &info);
    VEXOPLAY_Stop(viewer.port);
    VEXOPLAY_CloseStream(viewer.port);
    VEXOPLAY_Cleanup();

    std::lock_guard lock(viewer.mutex);
    std::printf("platform %s, window 1280x720, stream code 2 (%dx%d), loopback\n",
                qPrintable(QApplication::platformName()), info.streamWidth, info.streamHeight);
    std::printf(
        "packets %u, dropped %u, pictures decoded %u, paints %d, new pictures painted %zu\n",
        info.packetsIn, info.packetsDropped, info.framesDecoded, viewer.paints,
        viewer.paintedMillis.size());
    auto skipWarmUp = [&](const std::vector<double>& all) {
        return all.size() > kWarmUp ? std::vector<double>(all.begin() + kWarmUp, all.end())
                                    : std::vector<double>{};
    };
    vexo::bench::PrintPercentiles("capture to data callback", skipWarmUp(viewer.arrivalMillis));
    if (!vexo::bench::PrintPercentiles("capture to painted (glass to glass)",
                                       skipWarmUp(viewer.paintedMillis))) {
        std::fprintf(stderr, "no picture was painted with a known capture time\n");
        return 1;
    }
    return 0;
}
