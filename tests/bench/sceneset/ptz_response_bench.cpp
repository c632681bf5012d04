// How fast the dome answers the scene settings page's pad, against
// vexo-devsim on loopback (optionally with --latency-ms):
//   bench_sceneset_ptz [latency-ms]
// For 30 presses on the pad (right and left in turn, held 200 ms) it prints
// - press to received: from the press reaching the pad to the device's
//   arrival time of the /ptz request in its journal (1 ms resolution);
// - press to answered: to the network library's return with the answer
//   (the simulated dome stores every command on disk before it answers);
// - press to moved picture: from the press to the first painted picture
//   that the camera captured after that answer, i.e. with the head already
//   turning (capture times from the stream's metadata).
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "../control/bench_support.h"
#include "audio_video_play.h"
#include "scene_set_body.h"
#include "scene_set_ptz_controls.h"
#include "smart_scene_set.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

long long RealtimeMicros() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[static_cast<size_t>(p * double(values.size() - 1))];
}

void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::vector<std::string> extra = bench::LatencyArgs(argc, argv);
    vexo::test::SimProcess sim(extra);
    if (!sim.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return 1;
    }
    CVexoSmartOcxCtrl control;
    control.resize(1280, 800);
    control.show();
    if (!bench::TimedLogin(control, sim, [](CDlgLoad&) {}).ok) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }
    auto* page = control.findChild<CSmartSceneSet*>();
    if (page == nullptr || !page->OpenSceneAt(0)) {
        std::fprintf(stderr, "no scene settings page\n");
        return 1;
    }
    CAudioVideoPlay* session = page->Body().Session();
    for (int i = 0; i < 500 && !session->FirstFrameDrawn(); ++i) {
        Pump(10);
    }
    if (!session->FirstFrameDrawn()) {
        std::fprintf(stderr, "no picture\n");
        return 1;
    }
    QWidget* pad = nullptr;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->property("vexoAutoId").toInt() == CSceneSetBaseWithPtz::kPadId) {
            pad = widget;
        }
    }
    const QPointF centre(pad->width() / 2.0, pad->height() / 2.0);
    std::vector<double> received;
    std::vector<double> answered;
    std::vector<long long> pressTimes;
    std::vector<double> moved;
    for (int i = 0; i < 30; ++i) {
        const QPointF at = centre + QPointF(i % 2 == 0 ? 40 : -40, 0);
        const long long pressed = RealtimeMicros();
        pressTimes.push_back(pressed);
        SendMouse(pad, QEvent::MouseButtonPress, at);
        const long long answer = RealtimeMicros();
        answered.push_back(double(answer - pressed) / 1000.0);
        // The first picture painted that was captured after the answer.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 2000) {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
            int64_t capture = 0;
            if (VEXOPLAY_GetShownCaptureTime(session->PlayPort(), &capture) == 1 &&
                capture > answer) {
                moved.push_back(double(RealtimeMicros() - pressed) / 1000.0);
                break;
            }
        }
        Pump(200);
        SendMouse(pad, QEvent::MouseButtonRelease, at);
        Pump(150);
    }
    // Each press's start request in the device's journal (arrival, in ms).
    size_t next = 0;
    for (const Json::Value& line : sim.Journal()) {
        if (next < pressTimes.size() && line["path"] == "/vexo/v1/ptz" &&
            line["request"].asString().find("\"stop\": 0") != std::string::npos) {
            received.push_back(double(line["time"].asInt64() * 1000 - pressTimes[next]) / 1000.0);
            ++next;
        }
    }
    std::printf(
        "pad press to device received: median %.1f ms, p90 %.1f ms (%zu presses, "
        "1 ms resolution)\n",
        Percentile(received, 0.5), Percentile(received, 0.9), received.size());
    std::printf("pad press to device answered: median %.2f ms, p90 %.2f ms (%zu presses)\n",
                Percentile(answered, 0.5), Percentile(answered, 0.9), answered.size());
    std::printf(
        "pad press to first painted picture of the moving head: median %.1f ms, p90 "
        "%.1f ms (%zu presses)\n",
        Percentile(moved, 0.5), Percentile(moved, 0.9), moved.size());
    control.Destroy();
    return 0;
}
