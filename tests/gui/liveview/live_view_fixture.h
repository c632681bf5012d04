#pragma once
// A live view window against a simulator of its own, and the waits the
// tests need (the UI thread keeps running while they wait).

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <functional>
#include <memory>

#include "live_view_window.h"
#include "sim_process.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace liveview::test {

using vexo::test::SimProcess;

// Runs the UI thread until `done` holds or the time is up.
inline bool RunUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline void RunFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

class LiveViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        VEXONET_Init();
        VEXOPLAY_Init();
        VEXONET_SetTimeouts(2000, 5000);
        ASSERT_TRUE(sim.Start());
        options.device = QString::fromStdString(sim.Address());
        options.password = QString::fromLatin1(SimProcess::kPassword);
    }
    void TearDown() override {
        window.reset();
        VEXOPLAY_Cleanup();
        VEXONET_Cleanup();
    }

    // Shows the window, starts it and waits until it is live or gave up.
    void OpenWindow() {
        window = std::make_unique<LiveViewWindow>(options);
        QObject::connect(window.get(), &LiveViewWindow::LiveReady, [this] { ++liveReady; });
        QObject::connect(window.get(), &LiveViewWindow::GaveUp, [this] { ++gaveUp; });
        window->show();
        window->Start();
        RunUntil([this] { return liveReady + gaveUp > 0; });
    }
    void OpenLiveWindow() {
        OpenWindow();
        ASSERT_EQ(window->CurrentPhase(), LiveViewWindow::Phase::Live)
            << window->StatusText().toStdString();
    }

    SimProcess sim;
    LiveViewOptions options;
    std::unique_ptr<LiveViewWindow> window;
    int liveReady = 0;
    int gaveUp = 0;
};

}  // namespace liveview::test
