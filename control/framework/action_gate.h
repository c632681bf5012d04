#pragma once
// ActionGate: the exchange gate of the control's UI thread. One operator
// action (a click, a tab, a page switch, a host's method call) may send
// several commands; the gate ties them together. The action begins with
// its first exchange and ends when the event loop it was started from runs
// again, that is once the handler that sent the commands has returned.
// When an exchange of the action failed without an answer from the device
// (no answer, no connection, an unreadable answer), the operator is told
// once, at the end of the action, with the first such command's purpose.
// (A device's refusal is shown by the page, with the device's own text.)
// A device that stops answering costs one link time-out per action: after
// the first time-out the action's remaining commands are not sent; the
// next action tries again.
//
// While an action runs the application object carries the dynamic property
// "vexoBusy" = true, and "vexoBusyLoopLevel" the level of the event loop the
// action began in, so that a host can wait until the control is idle.

#include <QObject>
#include <optional>
#include <string>

#include "exchange_gate.h"

namespace vexo {

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

    bool Busy() const { return active_; }

    static constexpr char kBusyProperty[] = "vexoBusy";
    static constexpr char kBusyLoopLevelProperty[] = "vexoBusyLoopLevel";

private:
    explicit ActionGate(QObject* parent);
    void Begin();
    // Ends the action once no exchange runs and the event loop it began in
    // (or an outer one) is running again.
    void EndIfUnwound();
    void End();

    struct Report {
        std::string command;
        Json::Value info;
        ExchangeFailure failure;
    };
    bool active_ = false;
    bool timedOut_ = false;
    bool endCheckPending_ = false;
    int baseLoopLevel_ = 0;
    std::optional<Report> report_;
};

}  // namespace vexo
