#include "exchange_gate.h"

#include "vexonet.h"

namespace vexo {
namespace {
thread_local ExchangeGate* t_gate = nullptr;
}  // namespace

ExchangeGate::~ExchangeGate() {
    if (t_gate == this) {
        t_gate = nullptr;
    }
}

ExchangeGate* ExchangeGate::OfThisThread() {
    return t_gate;
}

void ExchangeGate::InstallForThisThread(ExchangeGate* gate) {
    t_gate = gate;
}

ExchangeFailure FailureOfLinkError(int code) {
    switch (code) {
        case VEXONET_ERR_TIMEOUT:
            return ExchangeFailure::NoAnswer;
        case VEXONET_ERR_HTTP_STATUS:
        case VEXONET_ERR_PROTOCOL:
        case VEXONET_ERR_TOO_LARGE:
        case VEXONET_ERR_NETWORK:  // the connection closed without an answer
            return ExchangeFailure::Unreadable;
        default:  // refused, unknown host, login or session refused, no login
            return ExchangeFailure::Unreachable;
    }
}

}  // namespace vexo
