// Figures of the smart configuration page against vexo-devsim, on loopback
// and with 20 and 100 ms per answer:
//   smart_page_bench
// prints, for a function with 8 rules on the default scene: entering the
// page, selecting a rule (device reads, rows, controls, overlay on the live
// video) and saving it (with the read that verifies what the device stored),
// each with the commands it sends. The time is the
// click's handler; the repaint that follows in the event loop is not timed,
// since the live video repaints there all the time.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "audio_video_play.h"
#include "bench_support.h"
#include "device_command_channel.h"
#include "dialog_manager.h"
#include "message_display.h"
#include "smart_config_set.h"
#include "vexonet.h"

namespace {

using bench::Median;
using bench::SmartCommands;

// Messages are counted, never shown: a modal popup would stop the run.
class QuietDisplay : public vexo::MessageDisplay {
public:
    int ShowText(const QString&, const QString&) override { return 1; }
    int Ask(const QPoint&, int, int*) override { return 1; }
};

void AddIntrusionRules(const vexo::test::SimProcess& sim) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    channel.ParamInit(&session, QString::fromStdString(sim.Address()),
                      vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword);
    for (int r = 3; r <= 8; ++r) {
        ParamRecord record;
        record.funName = QStringLiteral("zelk:Intrusion_Event");
        record.token = QStringLiteral("Intrusion_Event %1").arg(r, 2, 10, QLatin1Char('0'));
        channel.AddRule(QStringLiteral("Scene_001"), record);
    }
}

QAbstractButton* Button(QWidget& root, int id) {
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (button->property("vexoAutoId").toInt() == id && button->isVisible()) {
            return button;
        }
    }
    return nullptr;
}

// Runs `action` `runs` times; prints the median and the commands of one run.
template <class Action>
void Measure(const char* what, const vexo::test::SimProcess& sim, int runs, Action action) {
    std::vector<double> times;
    size_t commands = 0;
    for (int i = 0; i < runs; ++i) {
        const size_t before = SmartCommands(sim);
        QElapsedTimer clock;
        clock.start();
        action(i);
        times.push_back(clock.nsecsElapsed() / 1e6);
        // Painting (the live video's too) follows in the event loop, untimed.
        QApplication::processEvents();
        commands = SmartCommands(sim) - before;
    }
    std::printf("  %s: median %.1f ms (min %.1f, max %.1f, %d runs), %zu commands\n", what,
                Median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), runs, commands);
}

void PageFigures(CVexoSmartOcxCtrl& control, const vexo::test::SimProcess& sim) {
    CDialogManager* manager = nullptr;
    for (CPageDialog* page : control.findChildren<CPageDialog*>()) {
        manager = page->Manager();
    }
    auto* page =
        manager ? dynamic_cast<CSmartConfigSet*>(manager->Page(PageKind::SmartConfig)) : nullptr;
    if (!page || manager->Scenes().empty()) {
        std::printf("  no smart configuration page\n");
        return;
    }
    int intrusion = -1;
    for (const vexo::CSmartFunIdData& entry : manager->FunctionIds()) {
        if (entry.name == QLatin1String("zelk:Intrusion_Event")) {
            intrusion = entry.idOffset;
        }
    }
    const SceneRecord scene = manager->Scenes().front();
    manager->ShowPage(2);
    page->Enter(scene.name, scene.token, intrusion);
    // The live video, so that selecting a rule also draws its geometry.
    QElapsedTimer video;
    video.start();
    while (video.elapsed() < 5000 && page->Body().VideoPort() < 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    std::printf("  live video %s after %lld ms\n",
                page->Body().VideoPort() >= 0 ? "drawn" : "absent",
                static_cast<long long>(video.elapsed()));

    Measure("enter the page (function with 8 rules)", sim, 10,
            [&](int) { page->Enter(scene.name, scene.token, intrusion); });
    Measure("select a rule (reads, rows, controls, overlay)", sim, 20, [&](int i) {
        if (QAbstractButton* rule = Button(*page, 18461 + i % 2)) {
            rule->click();
        }
    });
    Measure("save the rule (and read it back)", sim, 20, [&](int) {
        if (QAbstractButton* save = Button(*page, 18392)) {
            save->click();
        }
    });
    // The same modify command alone, on a channel of its own: what the
    // device itself takes to store a rule (it writes its files through).
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    channel.ParamInit(&session, QString::fromStdString(sim.Address()),
                      vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword);
    ParamRecord rule = page->Body().Controller().RuleRecord();
    Measure("the modify command alone (device side)", sim, 20,
            [&](int) { channel.ModifyRuleParam(scene.token, rule); });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietDisplay display;
    vexo::SetMessageDisplay(&display);
    VEXONET_Init();
    {
        vexo::test::SimProcess sim;
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start vexo-devsim\n");
            return 1;
        }
        AddIntrusionRules(sim);
        for (const int latency : {0, 20, 100}) {
            Json::Value knob;
            knob["latency_ms"] = latency;
            sim.Control(knob);
            std::printf("device latency %d ms per answer:\n", latency);
            CVexoSmartOcxCtrl control;
            control.resize(1280, 800);
            control.show();
            if (!bench::TimedLogin(control, sim, [](CDlgLoad&) {}).ok) {
                std::printf("  login failed\n");
                continue;
            }
            PageFigures(control, sim);
        }
    }
    VEXONET_Cleanup();
    return 0;
}
