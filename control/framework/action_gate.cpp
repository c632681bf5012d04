#include "action_gate.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <QVariant>
#include <atomic>
#include <thread>

#include "blocking_call.h"
#include "busy_strip.h"
#include "com_str.h"
#include "exchange_messages.h"
#include "timer_set.h"
#include "ui_helpers.h"

namespace vexo {
namespace {

ActionGate* g_instance = nullptr;

// How often the end of an action is looked for while a modal loop inside it
// (a popup of the action) still runs.
constexpr int kEndRetryMs = 20;

int LoopLevel() {
    return QThread::currentThread()->loopLevel();
}

}  // namespace

ActionGate* ActionGate::Instance() {
    QCoreApplication* app = QCoreApplication::instance();
    if (g_instance == nullptr && app != nullptr && QThread::currentThread() == app->thread()) {
        g_instance = new ActionGate(app);
        InstallForThisThread(g_instance);
        // The stream's start, a login and the PTZ pad's commands block on
        // the network too: they pass the same gate.
        SetBlockingCallRunner(
            [gate = g_instance](const std::function<void()>& call) { gate->Run(call); });
    }
    return g_instance != nullptr && QThread::currentThread() == g_instance->thread() ? g_instance
                                                                                     : nullptr;
}

ActionGate::ActionGate(QObject* parent) : QObject(parent) {
    stripDelay_.setSingleShot(true);
    stripDelay_.setInterval(kStripDelayMs);
    connect(&stripDelay_, &QTimer::timeout, this, [this] { ShowStrips(active_); });
    endCheck_.setSingleShot(true);
    connect(&endCheck_, &QTimer::timeout, this, &ActionGate::EndIfUnwound);
}

ActionGate::~ActionGate() {
    if (g_instance == this) {
        g_instance = nullptr;
        SetBlockingCallRunner({});
    }
    // Work deferred to an end that never came (the application goes).
    for (const std::function<void()>& work : std::exchange(deferred_, {})) {
        work();
    }
}

bool ActionGate::MaySend() {
    return !(active_ && timedOut_);
}

void ActionGate::Run(const std::function<void()>& call) {
    Begin();
    if (++depth_ == 1) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        qApp->setProperty(kExchangingProperty, true);
    }
    {
        QEventLoop loop;
        std::atomic<bool> done{false};
        std::thread worker([&call, &done, &loop] {
            call();
            done = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        // The operator's input stays queued until the action is over; paint
        // events, the video and timers go on.
        if (!done) {
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        worker.join();
    }
    if (--depth_ == 0) {
        QGuiApplication::restoreOverrideCursor();
        qApp->setProperty(kExchangingProperty, false);
        ScheduleEndCheck(0);
    }
}

void ActionGate::Finished(const std::string& command, const Json::Value& info,
                          ExchangeFailure failure) {
    Begin();
    if (IsTransportFailure(failure) && !report_) {
        report_ = Report{command, info, failure};
    }
    timedOut_ = timedOut_ || failure == ExchangeFailure::NoAnswer;
}

bool ActionGate::Busy() const {
    return active_ && (depth_ > 0 || LoopLevel() > baseLoopLevel_);
}

void ActionGate::DeferUntilIdle(std::function<void()> work) {
    if (Busy()) {
        deferred_.push_back(std::move(work));
    } else {
        work();
    }
}

void ActionGate::AddSurface(QWidget* control) {
    for (const QPointer<BusyStrip>& strip : strips_) {
        if (strip && strip->parentWidget() == control) {
            return;
        }
    }
    std::erase_if(strips_, [](const QPointer<BusyStrip>& strip) { return strip.isNull(); });
    strips_.emplace_back(new BusyStrip(control));
}

void ActionGate::ShowStrips(bool show) {
    for (const QPointer<BusyStrip>& strip : strips_) {
        if (strip && show) {
            strip->Start();
        } else if (strip) {
            strip->Stop();
        }
    }
}

void ActionGate::Begin() {
    if (active_) {
        return;
    }
    active_ = true;
    baseLoopLevel_ = LoopLevel();
    qApp->setProperty(kBusyLoopLevelProperty, baseLoopLevel_);
    qApp->setProperty(kBusyProperty, true);
    HoldTimers();
    stripDelay_.start();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &ActionGate::OnLoopAwake,
                Qt::UniqueConnection);
    }
    ScheduleEndCheck(0);
}

void ActionGate::ScheduleEndCheck(int delayMs) {
    // A sooner check replaces a later one.
    if (!endCheck_.isActive() || endCheck_.remainingTime() > delayMs) {
        endCheck_.start(delayMs);
    }
}

void ActionGate::OnLoopAwake() {
    // Only a look at two numbers: this runs at every wake-up of the loop
    // while the action lasts. Ending itself waits for a timer, outside the
    // dispatcher's own call.
    if (active_ && depth_ == 0 && LoopLevel() <= baseLoopLevel_) {
        ScheduleEndCheck(0);
    }
}

void ActionGate::EndIfUnwound() {
    if (!active_ || depth_ > 0) {
        return;  // the exchange in flight looks again when it returns
    }
    if (LoopLevel() > baseLoopLevel_) {
        ScheduleEndCheck(kEndRetryMs);
        return;
    }
    End();
}

void ActionGate::End() {
    active_ = false;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        disconnect(dispatcher, &QAbstractEventDispatcher::awake, this, &ActionGate::OnLoopAwake);
    }
    timedOut_ = false;
    stripDelay_.stop();
    ShowStrips(false);
    qApp->setProperty(kBusyProperty, false);
    const std::optional<Report> report = std::exchange(report_, std::nullopt);
    const std::vector<std::function<void()>> deferred = std::exchange(deferred_, {});
    for (const std::function<void()>& work : deferred) {
        work();
    }
    // An action whose pages were taken down meanwhile has nobody to tell.
    if (report && deferred.empty()) {
        ShowMessage(ExchangeFailureMessage(report->command, report->info, report->failure),
                    TheComStr()->error);
    }
    // Last: a page timer's handler may begin the next action.
    ReleaseTimers();
}

}  // namespace vexo
