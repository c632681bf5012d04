#include "action_gate.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include "com_str.h"
#include "exchange_messages.h"
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
    }
    return g_instance != nullptr && QThread::currentThread() == g_instance->thread() ? g_instance
                                                                                     : nullptr;
}

ActionGate::ActionGate(QObject* parent) : QObject(parent) {}

ActionGate::~ActionGate() {
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

bool ActionGate::MaySend() {
    return !(active_ && timedOut_);
}

void ActionGate::Run(const std::function<void()>& call) {
    Begin();
    call();
}

void ActionGate::Finished(const std::string& command, const Json::Value& info,
                          ExchangeFailure failure) {
    Begin();
    if (IsTransportFailure(failure) && !report_) {
        report_ = Report{command, info, failure};
    }
    timedOut_ = timedOut_ || failure == ExchangeFailure::NoAnswer;
}

void ActionGate::Begin() {
    if (active_) {
        return;
    }
    active_ = true;
    baseLoopLevel_ = LoopLevel();
    qApp->setProperty(kBusyLoopLevelProperty, baseLoopLevel_);
    qApp->setProperty(kBusyProperty, true);
    if (!endCheckPending_) {
        endCheckPending_ = true;
        QMetaObject::invokeMethod(this, &ActionGate::EndIfUnwound, Qt::QueuedConnection);
    }
}

void ActionGate::EndIfUnwound() {
    endCheckPending_ = false;
    if (!active_) {
        return;
    }
    if (LoopLevel() > baseLoopLevel_) {
        endCheckPending_ = true;
        QTimer::singleShot(kEndRetryMs, this, &ActionGate::EndIfUnwound);
        return;
    }
    End();
}

void ActionGate::End() {
    active_ = false;
    timedOut_ = false;
    qApp->setProperty(kBusyProperty, false);
    if (const std::optional<Report> report = std::exchange(report_, std::nullopt)) {
        ShowMessage(ExchangeFailureMessage(report->command, report->info, report->failure),
                    TheComStr()->error);
    }
}

}  // namespace vexo
