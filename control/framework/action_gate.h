#pragma once
// ActionGate: the exchange gate of the control's UI thread. One operator
// action (a click, a tab, a page switch, a host's method call) may send
// several commands; the gate runs each exchange on a worker thread while
// the UI thread waits in a local event loop, so the window repaints and the
// live video plays meanwhile, and ties the action's exchanges together:
//
// - The action begins with its first exchange and ends when the event loop
//   it was started from runs again, that is once the handler that sent the
//   commands has returned.
// - While it runs, input is held: the local loops leave the operator's
//   input queued (it is handled after the action), the cursor is busy while
//   the device works, and a thin strip runs along the top of the control
//   once the action has taken 150 ms. Holdable (page) timers wait for the
//   end of the action (timer_set.h), and work that must not run under a
//   half-finished action, such as deleting a page manager, is deferred to
//   its end (DeferUntilIdle).
// - When an exchange failed without an answer from the device (no answer,
//   no connection, an unreadable answer), the operator is told once, at the
//   end, with the first such command's purpose. A device's refusal is shown
//   by the page, with the device's own text.
// - A device that stops answering costs one link time-out per action: after
//   the first time-out the action's remaining commands are not sent; the
//   next action tries again.
//
// While an action runs the application object carries the dynamic property
// "vexoBusy" = true, and "vexoBusyLoopLevel" the level of the event loop the
// action began in, so that a host can wait until the control is idle;
// "vexoExchanging" is true while a device exchange is in flight.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange_gate.h"

class QWidget;

namespace vexo {

class BusyStrip;

class ActionGate : public QObject, public ExchangeGate {
    Q_OBJECT
public:
    // The gate of the application's thread, made and installed on first use
    // and living as long as the application; null without an application
    // or off its thread.
    static ActionGate* Instance();
    ~ActionGate() override;

    bool MaySend() override;
    void Run(const std::function<void()>& call) override;
    void Finished(const std::string& command, const Json::Value& info,
                  ExchangeFailure failure) override;

    // An action runs and has not unwound: an exchange of it is in flight, or
    // its handler waits in a modal loop (a popup) further down the stack.
    bool Busy() const;
    // Runs `work` now unless Busy, else once the action has ended.
    void DeferUntilIdle(std::function<void()> work);
    // A control whose top edge shows the busy strip.
    void AddSurface(QWidget* control);

    static constexpr char kBusyProperty[] = "vexoBusy";
    static constexpr char kBusyLoopLevelProperty[] = "vexoBusyLoopLevel";
    static constexpr char kExchangingProperty[] = "vexoExchanging";
    static constexpr int kStripDelayMs = 150;

private:
    explicit ActionGate(QObject* parent);
    void Begin();
    void ScheduleEndCheck(int delayMs);
    // Ends the action once no exchange runs and the event loop it began in
    // (or an outer one) is running again.
    void EndIfUnwound();
    // The thread's event loop woke up: when it is the action's own loop
    // again (a popup of the action closed), the end is checked at once
    // rather than at the next retry.
    void OnLoopAwake();
    void End();
    void ShowStrips(bool show);

    struct Report {
        std::string command;
        Json::Value info;
        ExchangeFailure failure;
    };
    bool active_ = false;
    bool timedOut_ = false;
    int depth_ = 0;  // exchanges in flight (nested ones too)
    int baseLoopLevel_ = 0;
    std::optional<Report> report_;
    std::vector<std::function<void()>> deferred_;
    QTimer stripDelay_;
    QTimer endCheck_;
    std::vector<QPointer<BusyStrip>> strips_;
};

}  // namespace vexo
