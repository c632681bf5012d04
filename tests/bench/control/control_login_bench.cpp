// Figures of the control's login and pages, against vexo-devsim on
// loopback (optionally with --latency-ms):
//   control_login_bench [latency-ms]
// prints the time from SetDeviceLoginInfo to 100 % progress for the
// default device and for a device of 10 scenes x 5 functions x 8 rules,
// the commands one login sends, the time of a page switch, and resident
// memory over 100 login/Destroy cycles.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "audio_video_play.h"
#include "bench_support.h"
#include "device_command_channel.h"
#include "dialog_manager.h"
#include "page_dialog.h"
#include "timer_set.h"
#include "vexonet.h"

namespace {

using bench::Median;
using bench::SmartCommands;

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Fills the device: 10 scenes, each with 5 functions and 8 rules apiece.
void BuildLargeDevice(const vexo::test::SimProcess& sim, int& rules) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    channel.ParamInit(&session, QString::fromStdString(sim.Address()),
                      vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword);
    std::vector<SceneRecord> scenes;
    channel.GetSceneList(scenes);
    for (int i = static_cast<int>(scenes.size()); i < 10; ++i) {
        QString token;
        channel.AddScene(QStringLiteral("Bench %1").arg(i), token);
    }
    scenes.clear();
    channel.GetSceneList(scenes);
    rules = 0;
    for (const SceneRecord& scene : scenes) {
        QStringList all;
        channel.GetAllSupportSmartFunName(scene.token, all);
        QStringList chosen;
        for (const QString& name : all) {
            if (chosen.size() < 5) {
                chosen.append(name);
            }
        }
        QStringList refused;
        channel.ModifyScene(scene.token, scene.name, chosen, refused);
        for (const QString& fun : chosen) {
            if (refused.contains(fun)) {
                continue;
            }
            for (int r = 0; r < 8; ++r) {
                ParamRecord record;
                record.funName = fun;
                record.token = QStringLiteral("rule_%1").arg(r);
                rules += channel.AddRule(scene.token, record);
            }
        }
    }
    std::printf("large device: %zu scenes, %d rules\n", scenes.size(), rules);
}

void LoginFigures(const char* name, const vexo::test::SimProcess& sim) {
    CVexoSmartOcxCtrl control;
    control.resize(1280, 720);
    control.show();
    std::vector<double> toFull;
    for (int i = 0; i < 5; ++i) {
        const size_t before = SmartCommands(sim);
        const bench::LoginTiming timing = bench::TimedLogin(control, sim, [](CDlgLoad&) {});
        if (!timing.ok) {
            std::printf("%s: login failed\n", name);
            return;
        }
        toFull.push_back(timing.toFullProgressMs);
        if (i == 0) {
            std::printf("%s: commands per login: %zu\n", name, SmartCommands(sim) - before);
        }
    }
    std::printf("%s: SetDeviceLoginInfo to 100 %%: median %.1f ms (min %.1f, max %.1f, 5 runs)\n",
                name, Median(toFull), *std::min_element(toFull.begin(), toFull.end()),
                *std::max_element(toFull.begin(), toFull.end()));
}

void PageSwitchFigures(const vexo::test::SimProcess& sim) {
    CVexoSmartOcxCtrl control;
    control.resize(1280, 720);
    control.show();
    if (!bench::TimedLogin(control, sim, [](CDlgLoad&) {}).ok) {
        return;
    }
    CDialogManager* manager = nullptr;
    for (CPageDialog* page : control.findChildren<CPageDialog*>()) {
        manager = page->Manager();
    }
    std::vector<double> switches;
    QElapsedTimer clock;
    for (int i = 0; i < 50; ++i) {
        const int target = i % 2 == 0 ? 2 : 0;
        clock.start();
        manager->ShowPage(target);
        QApplication::processEvents();  // layout and paint of the new page
        switches.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("page switch 0 <-> 2 with repaint: median %.2f ms, max %.2f ms (50 runs)\n",
                Median(switches), *std::max_element(switches.begin(), switches.end()));
}

void MemoryFigures(const vexo::test::SimProcess& sim) {
    CVexoSmartOcxCtrl control;
    control.resize(1280, 720);
    control.show();
    bench::TimedLogin(control, sim, [](CDlgLoad&) {});
    control.Destroy();
    const long start = ResidentKb();
    int failures = 0;
    for (int i = 0; i < 100; ++i) {
        failures += bench::TimedLogin(control, sim, [](CDlgLoad&) {}).ok ? 0 : 1;
        control.Destroy();
        QApplication::processEvents();
    }
    const long end = ResidentKb();
    std::printf(
        "resident memory over 100 login/Destroy cycles: %ld kB -> %ld kB (growth %ld kB, "
        "%d failed logins)\n",
        start, end, end - start, failures);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VEXONET_Init();  // the device is filled before any control exists
    const std::vector<std::string> extra = bench::LatencyArgs(argc, argv);
    {
        vexo::test::SimProcess sim(extra);
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start vexo-devsim\n");
            return 1;
        }
        LoginFigures("default device", sim);
        PageSwitchFigures(sim);
    }
    {
        vexo::test::SimProcess sim(extra);
        sim.Start();
        int rules = 0;
        BuildLargeDevice(sim, rules);
        LoginFigures("10 scenes x 5 functions x 8 rules", sim);
    }
    {
        // Memory: the dialog's one-second close step is not what is measured.
        vexo::SetTimerIntervalOverride(CDlgLoad::kCloseTimer, 1);
        vexo::test::SimProcess sim;
        sim.Start();
        MemoryFigures(sim);
    }
    VEXONET_Cleanup();
    return 0;
}
