#pragma once
// Shared by the control's scripted runs: logging a control in while
// watching the loading dialog, waiting for the login worker's end, the
// median of a run's times and the analytics commands a device received.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dlg_load.h"
#include "login_marker.h"
#include "sim_process.h"
#include "vexo_smart_ocx_ctrl.h"

namespace bench {

// The simulator's arguments for the device latency a run's command line
// names ("50" or "--latency-ms 50", in ms), printed so the figures say under
// what. Anything else is refused: a run must not print loopback figures
// under a latency it was asked for.
inline std::vector<std::string> LatencyArgs(int argc, char** argv) {
    int at = 1;
    if (argc > 1 && std::string(argv[1]) == "--latency-ms") {
        at = 2;
    }
    if (argc <= at) {
        if (at == 2) {
            std::fprintf(stderr, "--latency-ms needs a value\n");
            std::exit(2);
        }
        return {};
    }
    const std::string value = argv[at];
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) {
        std::fprintf(stderr, "bad latency '%s': give whole milliseconds\n", value.c_str());
        std::exit(2);
    }
    std::printf("device latency: %s ms per answer\n", value.c_str());
    return {"--latency-ms", value};
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Analytics commands in the simulator's journal so far.
inline size_t SmartCommands(const vexo::test::SimProcess& sim) {
    size_t count = 0;
    for (const Json::Value& line : sim.Journal()) {
        count += line["path"] == "/vexo/v1/smart" ? 1 : 0;
    }
    return count;
}

inline void WaitForLoginEnd() {
    while (vexo::LoginInProgress()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

struct LoginTiming {
    bool ok = false;
    double toFullProgressMs = -1;  // SetDeviceLoginInfo to the bar at 100 %
    double wholeCallMs = 0;
};

// Logs `control` into `sim`; `onDialog` runs once while the dialog is up.
template <class OnDialog>
LoginTiming TimedLogin(CVexoSmartOcxCtrl& control, const vexo::test::SimProcess& sim,
                       OnDialog onDialog) {
    LoginTiming timing;
    QElapsedTimer clock;
    bool dialogSeen = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        CDlgLoad* dialog = control.findChild<CDlgLoad*>();
        if (dialog == nullptr || !dialog->HasWindow()) {
            return;
        }
        if (!dialogSeen) {
            dialogSeen = true;
            onDialog(*dialog);
        }
        if (timing.toFullProgressMs < 0 && dialog->Position() == 100) {
            timing.toFullProgressMs = clock.nsecsElapsed() / 1e6;
        }
    });
    watch.start();
    clock.start();
    timing.ok = control.SetDeviceLoginInfo(QString::fromStdString(sim.Address()),
                                           vexo::test::SimProcess::kUser,
                                           vexo::test::SimProcess::kPassword, 1);
    timing.wholeCallMs = clock.nsecsElapsed() / 1e6;
    watch.stop();
    WaitForLoginEnd();
    return timing;
}

}  // namespace bench
