#pragma once
// What one exchange with the device came to, and the gate through which a
// thread's exchanges pass. A thread without a gate (the login worker, the
// configuration reader, the command-line tools) simply blocks in the
// network library; the control's UI thread has one, which keeps the window
// alive during the exchange and ties exchanges to the operator's actions.

#include <json/value.h>

#include <functional>
#include <string>

namespace vexo {

enum class ExchangeFailure {
    None,         // the device acknowledged the command
    Refused,      // the device answered, "ack" 1
    NoAnswer,     // nothing came back within the link's time-out
    Unreachable,  // no connection (refused, unknown host) or no login
    Unreadable,   // an answer that is no reply: error status, cut off, not JSON
    NotSent,      // the command never went out (the action was cut short)
};

// The network library's error code (VEXONET_ERR_*) of a failed call.
ExchangeFailure FailureOfLinkError(int code);

// A failure the device's own error text says nothing about.
inline bool IsTransportFailure(ExchangeFailure failure) {
    return failure == ExchangeFailure::NoAnswer || failure == ExchangeFailure::Unreachable ||
           failure == ExchangeFailure::Unreadable;
}

class ExchangeGate {
public:
    virtual ~ExchangeGate();

    // Whether a command may go out now; false once the action it belongs
    // to has been cut short.
    virtual bool MaySend() = 0;
    // Runs the library call `call` and returns once it has finished.
    virtual void Run(const std::function<void()>& call) = 0;
    // How an exchange that went out ended; `info` is the request's "info".
    virtual void Finished(const std::string& command, const Json::Value& info,
                          ExchangeFailure failure) = 0;

    // The calling thread's gate; null when it has none.
    static ExchangeGate* OfThisThread();

protected:
    // Makes `gate` the calling thread's gate (null removes it).
    static void InstallForThisThread(ExchangeGate* gate);
};

}  // namespace vexo
