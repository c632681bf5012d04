// Figures of the index page against vexo-devsim on loopback:
//   index_page_bench [latency-ms]
// prints the time to rebuild the scene view (tiles and page buttons, with
// the repaint) for 3 and for 15 scenes, with and without rebuilding the
// scenes' function lists, and the time and commands of Add Scene up to the
// scene settings page being shown.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "audio_video_play.h"
#include "bench_support.h"
#include "device_command_channel.h"
#include "dialog_manager.h"
#include "smart_index_page.h"
#include "vexonet.h"

namespace {

using bench::Median;
using bench::SmartCommands;

void AddScenes(const vexo::test::SimProcess& sim, int count) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    channel.ParamInit(&session, QString::fromStdString(sim.Address()),
                      vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword);
    for (int i = 0; i < count; ++i) {
        QString token;
        channel.AddScene(QStringLiteral("Bench %1").arg(i), token);
    }
}

void RebuildFigures(const vexo::test::SimProcess& sim, int scenes, bool addScene) {
    CVexoSmartOcxCtrl control;
    control.resize(1280, 800);
    control.show();
    if (!bench::TimedLogin(control, sim, [](CDlgLoad&) {}).ok) {
        std::printf("login failed\n");
        return;
    }
    CSmartIndexPage* page = control.findChild<CSmartIndexPage*>();
    if (page == nullptr) {
        return;
    }
    for (const bool lists : {false, true}) {
        std::vector<double> runs;
        const size_t before = SmartCommands(sim);
        QElapsedTimer clock;
        for (int i = 0; i < 30; ++i) {
            clock.start();
            page->SceneBody().Build(lists);
            QApplication::processEvents();  // the repaint of the new tiles
            runs.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::printf(
            "rebuild scene view, %2d scenes%s: median %.2f ms, max %.2f ms, %.1f commands "
            "per rebuild (30 runs)\n",
            scenes, lists ? ", function lists rebuilt" : "", Median(runs),
            *std::max_element(runs.begin(), runs.end()),
            static_cast<double>(SmartCommands(sim) - before) / 30);
    }
    if (!addScene) {
        return;
    }
    std::vector<double> runs;
    size_t commands = 0;
    for (int i = 0; i < 5; ++i) {
        CDialogManager* manager = page->Manager();
        manager->ShowPage(0);
        QApplication::processEvents();
        const size_t before = SmartCommands(sim);
        QElapsedTimer clock;
        clock.start();
        page->AddScene();
        QApplication::processEvents();  // the scene settings page painted
        runs.push_back(clock.nsecsElapsed() / 1e6);
        commands = SmartCommands(sim) - before;
        if (manager->CurrentPage() != 1) {
            std::printf("Add Scene did not reach the scene settings page\n");
            return;
        }
    }
    std::printf(
        "Add Scene to scene settings shown (%d to %d scenes): median %.2f ms, max %.2f ms, "
        "%zu commands each (last run)\n",
        scenes + 1, scenes + 5, Median(runs), *std::max_element(runs.begin(), runs.end()),
        commands);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    VEXONET_Init();
    const std::vector<std::string> extra = bench::LatencyArgs(argc, argv);
    {
        vexo::test::SimProcess sim(extra);
        if (!sim.Start()) {
            std::printf("simulator did not start\n");
            return 1;
        }
        RebuildFigures(sim, 3, true);
    }
    {
        vexo::test::SimProcess sim(extra);
        sim.Start();
        AddScenes(sim, 12);
        RebuildFigures(sim, 15, false);
    }
    VEXONET_Cleanup();
    return 0;
}
