// The UI thread's exchange gate on its own: what the window does while an
// exchange runs elsewhere, when an operator action ends, what it tells the
// operator, and what waits for its end.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "action_gate.h"
#include "blocking_call.h"
#include "busy_strip.h"
#include "com_str.h"
#include "qstring_print.h"
#include "recording_message_display.h"
#include "timer_set.h"

namespace {

using vexo::ExchangeFailure;

class ActionGateTest : public ::testing::Test {
protected:
    void SetUp() override {
        vexo::TheComStr().SetLanguage("english");
        vexo::SetMessageDisplay(&display_);
        ASSERT_NE(gate_, nullptr);
        ASSERT_EQ(vexo::ExchangeGate::OfThisThread(), gate_);
    }
    void TearDown() override {
        EndAction();
        vexo::SetMessageDisplay(nullptr);
    }

    // One exchange that takes `ms` on another thread; its outcome is reported.
    void Exchange(int ms, ExchangeFailure failure = ExchangeFailure::None,
                  const char* command = "CMD_GetSceneList") {
        gate_->Run([ms, this] {
            workerThread_ = QThread::currentThread();
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        });
        gate_->Finished(command, Json::Value(), failure);
    }
    // What the event loop does after the handler returned.
    void EndAction() {
        for (int i = 0; i < 100 && qApp->property("vexoBusy").toBool(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    vexo::ActionGate* gate_ = vexo::ActionGate::Instance();
    vexo::test::RecordingMessageDisplay display_;
    std::atomic<QThread*> workerThread_{nullptr};
};

}  // namespace

TEST_F(ActionGateTest, TheEventLoopRunsWhileTheExchangeRunsElsewhere) {
    QWidget control;
    control.resize(400, 300);
    control.show();
    gate_->AddSurface(&control);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    bool stripShown = false;
    QTimer::singleShot(250, [&] {
        for (auto* strip : control.findChildren<vexo::BusyStrip*>()) {
            stripShown = strip->isVisible();
        }
    });

    Exchange(400);
    EXPECT_NE(workerThread_.load(), QThread::currentThread());
    EXPECT_GE(ticks, 20) << "timers ran during the exchange";
    EXPECT_TRUE(stripShown) << "the strip after 150 ms";

    // The action goes on until the loop it was called from runs again.
    Exchange(10);
    EXPECT_TRUE(qApp->property("vexoBusy").toBool());
    EndAction();
    EXPECT_FALSE(qApp->property("vexoBusy").toBool());
    for (auto* strip : control.findChildren<vexo::BusyStrip*>()) {
        EXPECT_FALSE(strip->isVisible());
    }
    EXPECT_TRUE(display_.shown.empty());
}

// After a time-out the rest of the action is not sent; one message says
// what failed first; the next action may send again.
TEST_F(ActionGateTest, ATimeOutCutsTheActionShortAndIsToldOnce) {
    Exchange(1, ExchangeFailure::Unreachable, "CMD_ModifyScene");
    EXPECT_TRUE(gate_->MaySend()) << "no connection: the next command still tries";
    Exchange(1, ExchangeFailure::NoAnswer, "CMD_GetSceneList");
    EXPECT_FALSE(gate_->MaySend());
    EXPECT_TRUE(display_.shown.empty()) << "nothing while the handler runs";
    EndAction();
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.shown[0].title, "error");
    EXPECT_EQ(display_.shown[0].text, "Saving the scene failed: Cannot reach the device");
    EXPECT_TRUE(gate_->MaySend());

    Exchange(1, ExchangeFailure::Refused);  // the page shows the device's text
    EndAction();
    EXPECT_EQ(display_.shown.size(), 1u);
}

// A page's timer and work asked for from inside an exchange wait for the
// end of the action; when no action runs, they do not wait.
TEST_F(ActionGateTest, PageTimersAndDeferredWorkWaitForTheEnd) {
    std::vector<std::string> order;
    vexo::TimerSet page([&](int) { order.push_back("timer"); });
    page.SetHoldable(true);
    page.SetTimer(1001, 20);
    QTimer::singleShot(50, [&] { gate_->DeferUntilIdle([&] { order.push_back("deferred"); }); });
    Exchange(200);
    order.push_back("handler done");
    EndAction();
    page.KillTimer(1001);
    const std::vector<std::string> expected = {"handler done", "deferred", "timer"};
    EXPECT_EQ(order, expected);

    gate_->DeferUntilIdle([&] { order.push_back("at once"); });
    EXPECT_EQ(order.back(), "at once");
}

// A stream's start or a PTZ command (not a channel command) passes the same
// gate: made on a worker while the UI thread's timers run.
TEST_F(ActionGateTest, BlockingLibraryCallsPassTheGate) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    QThread* caller = nullptr;
    vexo::RunBlockingCall([&] {
        caller = QThread::currentThread();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    });
    EXPECT_NE(caller, QThread::currentThread());
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(qApp->property("vexoBusy").toBool()) << "an action like any other";
}
