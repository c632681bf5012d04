// Memory over a long live view: the control's session (CAudioVideoPlay)
// plays stream code 2 from the simulator into a 1280x720 window while the
// resident set (VmRSS) of this process and of the simulator is sampled every
// 10 s. Prints the series and the growth from the sample at minute 1 (or
// the first sample, in a run shorter than two minutes) to the last one.
//
// bench_playback_memory [--seconds N]   (default 60; 600 for the full run)
// VEXO_BENCH_MEMORY_SECONDS=600 sets the default, for a run through
// scripts/run-benchmarks.sh.

#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audio_video_play.h"
#include "bench_support.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

struct Sample {
    int second;
    long selfKiB;
    long simKiB;
    uint32_t pictures;
};

}  // namespace

int main(int argc, char** argv) {
    int seconds = 60;
    if (const char* fromEnvironment = std::getenv("VEXO_BENCH_MEMORY_SECONDS")) {
        seconds = std::max(10, std::atoi(fromEnvironment));
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::max(10, std::atoi(argv[i + 1]));
        }
    }
    constexpr int kIntervalSeconds = 10;
    vexo::bench::DefaultToOffscreen();
    QApplication app(argc, argv);

    vexo::test::SimProcess sim;
    if (!sim.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return 1;
    }
    const pid_t simPid = vexo::bench::FindChild("vexo-devsim");

    QWidget window;
    vexo::bench::ShowVideoWindow(window);

    VEXONET_Init();
    VEXOPLAY_Init();
    std::vector<Sample> samples;
    {
        CAudioVideoPlay session;
        if (!session.Login(QString::fromStdString(sim.Address()), vexo::test::SimProcess::kUser,
                           vexo::test::SimProcess::kPassword)) {
            std::fprintf(stderr, "login failed\n");
            return 1;
        }
        if (!session.StartRealPlay(1, &window, window.rect())) {
            std::fprintf(stderr, "start failed: %d\n", session.LastStartError());
            return 1;
        }
        std::printf("platform %s, stream code 2 into a 1280x720 window for %d s\n",
                    qPrintable(QApplication::platformName()), seconds);
        std::printf("%8s %12s %12s %10s\n", "second", "control KiB", "devsim KiB", "pictures");
        std::fflush(stdout);
        int elapsed = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            elapsed += kIntervalSeconds;
            VexoplayMediaInfo info{};
            VEXOPLAY_GetMediaInfo(session.PlayPort(), &info);
            const Sample sample{elapsed, vexo::bench::ReadRssKiB(getpid()),
                                simPid > 0 ? vexo::bench::ReadRssKiB(simPid) : -1,
                                info.framesDecoded};
            samples.push_back(sample);
            std::printf("%8d %12ld %12ld %10u\n", sample.second, sample.selfKiB, sample.simKiB,
                        sample.pictures);
            std::fflush(stdout);
            if (elapsed >= seconds) {
                app.quit();
            }
        });
        tick.start(kIntervalSeconds * 1000);
        app.exec();
        session.StopRealPlay();
    }
    VEXOPLAY_Cleanup();
    VEXONET_Cleanup();
    if (samples.size() < 2) {
        std::fprintf(stderr, "too few samples\n");
        return 1;
    }
    // Minute 1 is the baseline: the first seconds fill caches and pools.
    const size_t base = samples.size() >= 12 ? 5 : 0;
    const Sample& from = samples[base];
    const Sample& to = samples.back();
    std::printf(
        "growth from %d s to %d s: control %+ld KiB (%+.1f%%), devsim %+ld KiB; "
        "pictures decoded %u (%.1f per second)\n",
        from.second, to.second, to.selfKiB - from.selfKiB,
        100.0 * static_cast<double>(to.selfKiB - from.selfKiB) / static_cast<double>(from.selfKiB),
        to.simKiB - from.simKiB, to.pictures,
        static_cast<double>(to.pictures) / static_cast<double>(to.second));
    return to.pictures > 0 ? 0 : 1;
}
