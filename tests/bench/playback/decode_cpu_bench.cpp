// Decoding and display CPU against the ffmpeg command line. Records N
// seconds of stream code 2 from the simulator (the video packets, Annex-B
// H.264, back to back in rec.h264, and their lengths in rec.sizes), then
// measures the CPU time (user + sys, from wait4) of child processes:
//   ffmpeg -hide_banner -loglevel error [-threads 1] -i rec.h264 -f null -
//     (default threads: libavcodec's automatic frame threads; -threads 1:
//     one decoding thread, which is what the play library's decoder amounts
//     to on this stream: it allows slice threads only, for low delay, and
//     the camera codes one slice per picture);
//   the same on first.h264, the first packet alone: ffmpeg's start-up;
//   ffmpeg -threads 1 ... -pix_fmt bgra -f null -: decoding plus the
//     conversion to 32-bit RGB a window needs (-f null alone converts
//     nothing), for reference;
//   this program --play: the play library decodes the same packets and shows
//     every picture in a 1280x720 window (colour conversion, paint; the
//     offscreen platform unless QT_QPA_PLATFORM says otherwise);
//   this program --play --no-window: decoding only (a picture that is never
//     painted is never converted);
//   this program --play --packets 0: start-up (Qt, window, port) alone.
// Neither side is paced: ffmpeg decodes as fast as it can, and the player
// feeds the next packet as soon as the previous picture has been painted,
// so both decode every packet once and the player paints each picture
// exactly once. The children run in --repeat rounds, each round every child
// once, so that a slow spell of the machine (a virtual machine's neighbours)
// hits all of them alike. Printed are each child's median and, for the
// ratios, the median of the ratios within a round.
//
// bench_playback_cpu [--seconds N] [--repeat R] [--keep DIR]   (default 20 s, 3)
// bench_playback_cpu --play DIR [--no-window] [--packets N]

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

struct Recording {
    std::mutex mutex;
    std::vector<std::string> packets;
    bool seenKey = false;
};

bool IsKeyFrame(const uint8_t* data, int32_t length) {
    // An IDR slice (NAL type 5) after a start code.
    for (int32_t i = 0; i + 3 < length; ++i) {
        if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1 && (data[i + 3] & 0x1f) == 5) {
            return true;
        }
    }
    return false;
}

void OnRecordData(int32_t, int32_t type, const uint8_t* buffer, int32_t length, int32_t,
                  void* user) {
    auto* recording = static_cast<Recording*>(user);
    if (type != VEXONET_DATA_VIDEO) {
        return;
    }
    std::lock_guard lock(recording->mutex);
    // Both decoders start at the first key frame.
    recording->seenKey = recording->seenKey || IsKeyFrame(buffer, length);
    if (recording->seenKey) {
        recording->packets.emplace_back(reinterpret_cast<const char*>(buffer),
                                        static_cast<size_t>(length));
    }
}

bool Record(int seconds, const std::string& folder, size_t& count) {
    vexo::bench::SimulatorLogin sim;
    if (!sim.Start()) {
        return false;
    }
    Recording recording;
    const int32_t request[3] = {0, 0, 2};
    const int32_t handle =
        VEXONET_StartRealData(sim.LoginId(), request, &OnRecordData, VEXONET_LINK_HTTP, &recording);
    if (handle < 0) {
        std::fprintf(stderr, "start failed: %d\n", VEXONET_GetLastError());
        return false;
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    VEXONET_StopRealData(handle);
    std::ofstream stream(folder + "/rec.h264", std::ios::binary);
    std::ofstream sizes(folder + "/rec.sizes");
    std::ofstream first(folder + "/first.h264", std::ios::binary);
    std::lock_guard lock(recording.mutex);
    if (!recording.packets.empty()) {
        first.write(recording.packets.front().data(),
                    static_cast<std::streamsize>(recording.packets.front().size()));
    }
    for (const std::string& packet : recording.packets) {
        stream.write(packet.data(), static_cast<std::streamsize>(packet.size()));
        sizes << packet.size() << '\n';
    }
    count = recording.packets.size();
    return stream.good() && sizes.good() && first.good() && count > 0;
}

struct ChildCost {
    bool ok = false;
    double cpuSeconds = 0;
    double wallSeconds = 0;
};

ChildCost RunChild(std::vector<std::string> args) {
    ChildCost cost;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        return cost;
    }
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return cost;
    }
    cost.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return cost;
}

// The player child: the packets of the recording through the play library.
struct PaintCounter {
    std::mutex mutex;
    std::condition_variable painted;
    int paints = 0;
    static void OnDraw(int32_t, void*, void* user) {
        auto* self = static_cast<PaintCounter*>(user);
        {
            std::lock_guard lock(self->mutex);
            ++self->paints;
        }
        self->painted.notify_all();
    }
};

int Play(int argc, char** argv, const std::string& folder, bool window, long limit) {
    std::vector<size_t> sizes;
    {
        std::ifstream list(folder + "/rec.sizes");
        size_t size = 0;
        while (list >> size) {
            sizes.push_back(size);
        }
    }
    std::ifstream stream(folder + "/rec.h264", std::ios::binary);
    if (limit >= 0 && static_cast<size_t>(limit) < sizes.size()) {
        sizes.resize(static_cast<size_t>(limit));
    }

    vexo::bench::DefaultToOffscreen();
    QApplication app(argc, argv);
    VEXOPLAY_Init();
    QWidget view;
    vexo::bench::ShowVideoWindow(view);

    const char header[] = R"({"codec":"h264","width":1280,"height":720})";
    const int32_t port =
        VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header), sizeof header - 1);
    if (port < 0) {
        return 1;
    }
    PaintCounter counter;
    VEXOPLAY_SetDrawFunCallBack(port, &PaintCounter::OnDraw, &counter);
    if (window) {
        VEXOPLAY_Play(port, &view, 0, 0);
    }
    // The feeder stands in for the network thread; the UI thread paints.
    int failed = 0;
    std::thread feeder([&] {
        std::vector<char> packet;
        uint32_t decoded = 0;
        for (const size_t size : sizes) {
            packet.resize(size);
            stream.read(packet.data(), static_cast<std::streamsize>(size));
            int paintsBefore;
            {
                std::lock_guard lock(counter.mutex);
                paintsBefore = counter.paints;
            }
            VEXOPLAY_InputData(port, reinterpret_cast<const uint8_t*>(packet.data()),
                               static_cast<int32_t>(size));
            VEXOPLAY_WaitIdle(port, 5000);
            VexoplayMediaInfo info{};
            VEXOPLAY_GetMediaInfo(port, &info);
            if (window && info.framesDecoded > decoded) {
                std::unique_lock lock(counter.mutex);
                if (!counter.painted.wait_for(lock, std::chrono::seconds(5),
                                              [&] { return counter.paints > paintsBefore; })) {
                    ++failed;
                }
            }
            decoded = info.framesDecoded;
        }
        QMetaObject::invokeMethod(&app, &QApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    feeder.join();
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port, &info);
    VEXOPLAY_Stop(port);
    VEXOPLAY_CloseStream(port);
    VEXOPLAY_Cleanup();
    // Silent when every packet was decoded and, with a window, every picture
    // painted: the parent counts a failure.
    const bool complete = failed == 0 && info.framesDecoded == sizes.size();
    if (!complete) {
        std::fprintf(stderr, "player: %zu packets, %u pictures decoded, %d paints, %d unpainted\n",
                     sizes.size(), info.framesDecoded, counter.paints, failed);
    }
    return complete ? 0 : 1;
}

// The run of median CPU time; failed unless every run succeeded.
ChildCost MedianOf(std::vector<ChildCost> costs) {
    std::sort(costs.begin(), costs.end(),
              [](const ChildCost& a, const ChildCost& b) { return a.cpuSeconds < b.cpuSeconds; });
    ChildCost median = costs[costs.size() / 2];
    for (const ChildCost& cost : costs) {
        median.ok = median.ok && cost.ok;
    }
    return median;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string SelfPath() {
    char path[4096] = {0};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = 20;
    int repeat = 3;
    std::string keep;
    std::string playFolder;
    bool window = true;
    long limit = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seconds" && hasValue) {
            seconds = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--repeat" && hasValue) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--keep" && hasValue) {
            keep = argv[++i];
        } else if (arg == "--play" && hasValue) {
            playFolder = argv[++i];
        } else if (arg == "--no-window") {
            window = false;
        } else if (arg == "--packets" && hasValue) {
            limit = std::atol(argv[++i]);
        }
    }
    if (!playFolder.empty()) {
        return Play(argc, argv, playFolder, window, limit);
    }

    const std::string folder = keep.empty() ? vexo::test::MakeTempFolder("vexo-cpu") : keep;
    if (!keep.empty() && mkdir(keep.c_str(), 0755) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "cannot create %s\n", keep.c_str());
        return 1;
    }
    size_t packets = 0;
    if (!Record(seconds, folder, packets)) {
        std::fprintf(stderr, "recording failed\n");
        return 1;
    }
    std::printf("recorded %zu packets (%d s of stream code 2, 1280x720) into %s/rec.h264\n",
                packets, seconds, folder.c_str());
    const std::string input = folder + "/rec.h264";
    const std::string first = folder + "/first.h264";
    const std::string self = SelfPath();
    auto ffmpeg = [](const std::string& file, bool oneThread, bool toRgb = false) {
        std::vector<std::string> args = {"ffmpeg", "-hide_banner", "-loglevel", "error"};
        if (oneThread) {
            args.insert(args.end(), {"-threads", "1"});
        }
        args.insert(args.end(), {"-i", file});
        if (toRgb) {
            args.insert(args.end(), {"-pix_fmt", "bgra"});
        }
        args.insert(args.end(), {"-f", "null", "-"});
        return args;
    };
    struct Run {
        const char* name;
        std::vector<std::string> args;
        ChildCost cost{};
    };
    enum { kFfmpegAuto, kFfmpegOne, kFfmpegStart, kFfmpegRgb, kShow, kNoWindow, kPlayStart };
    std::vector<Run> runs = {
        {"ffmpeg (default threads)", ffmpeg(input, false)},
        {"ffmpeg -threads 1", ffmpeg(input, true)},
        {"ffmpeg -threads 1, start-up (first packet)", ffmpeg(first, true)},
        {"ffmpeg -threads 1 -pix_fmt bgra", ffmpeg(input, true, true)},
        {"play library, decode + show 1280x720", {self, "--play", folder}},
        {"play library, decode only, no window", {self, "--play", folder, "--no-window"}},
        {"play library, start-up only (no packet)", {self, "--play", folder, "--packets", "0"}},
    };
    std::vector<std::vector<ChildCost>> rounds(runs.size());
    std::vector<double> ratioAuto;
    std::vector<double> ratioOne;
    for (int round = 0; round < repeat; ++round) {
        for (size_t i = 0; i < runs.size(); ++i) {
            rounds[i].push_back(RunChild(runs[i].args));
        }
        const double show = rounds[kShow].back().cpuSeconds;
        ratioAuto.push_back(show / rounds[kFfmpegAuto].back().cpuSeconds);
        ratioOne.push_back(show / rounds[kFfmpegOne].back().cpuSeconds);
    }
    std::printf("CPU time (user + sys), median of %d rounds:\n", repeat);
    bool ok = true;
    for (size_t i = 0; i < runs.size(); ++i) {
        Run& run = runs[i];
        run.cost = MedianOf(rounds[i]);
        ok = ok && run.cost.ok;
        std::printf("  %-44s cpu %6.3f s  wall %6.3f s%s\n", run.name, run.cost.cpuSeconds,
                    run.cost.wallSeconds, run.cost.ok ? "" : "  (FAILED)");
    }
    const double show = runs[kShow].cost.cpuSeconds;
    const double pictures = static_cast<double>(packets);
    std::printf(
        "ratio play library (decode + show) / ffmpeg, median within a round: %.2fx against "
        "default threads (%.2fx .. %.2fx), %.2fx against -threads 1\n",
        Median(ratioAuto), *std::min_element(ratioAuto.begin(), ratioAuto.end()),
        *std::max_element(ratioAuto.begin(), ratioAuto.end()), Median(ratioOne));
    const double ourPerPicture = (show - runs[kPlayStart].cost.cpuSeconds) / pictures;
    const double theirPerPicture =
        (runs[kFfmpegOne].cost.cpuSeconds - runs[kFfmpegStart].cost.cpuSeconds) / pictures;
    const double decodePerPicture =
        (runs[kNoWindow].cost.cpuSeconds - runs[kPlayStart].cost.cpuSeconds) / pictures;
    std::printf(
        "per picture, start-up taken off both: play library %.3f ms (decode %.3f ms, "
        "convert + paint %.3f ms), ffmpeg -threads 1 %.3f ms: %.2fx\n",
        1000 * ourPerPicture, 1000 * decodePerPicture, 1000 * (ourPerPicture - decodePerPicture),
        1000 * theirPerPicture, ourPerPicture / theirPerPicture);
    if (keep.empty()) {
        std::remove(input.c_str());
        std::remove((folder + "/rec.sizes").c_str());
        std::remove(first.c_str());
        rmdir(folder.c_str());
    }
    return ok ? 0 : 1;
}
