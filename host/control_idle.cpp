#include "control_idle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QVariant>

namespace host {
namespace {

// Set on the application object by the control while an action of it
// runs, with the level of the event loop the action began in.
constexpr char kBusyProperty[] = "vexoBusy";
constexpr char kBusyLoopLevelProperty[] = "vexoBusyLoopLevel";
// True while a device exchange of that action is in flight.
constexpr char kExchangingProperty[] = "vexoExchanging";

// Only a caller at the action's own loop level (or an outer one) can wait
// for its end; one called from inside it (a timer's script code during the
// action's popup) would wait for itself.
bool ControlBusyBelow() {
    return qApp->property(kBusyProperty).toBool() &&
           QThread::currentThread()->loopLevel() <= qApp->property(kBusyLoopLevelProperty).toInt();
}

}  // namespace

void ProcessUntilIdle(int limitMs) {
    QCoreApplication::processEvents();
    // No QEventLoop here: the control ends an action when the event loop
    // level it began at runs again, and a loop of our own would be deeper.
    QElapsedTimer clock;
    clock.start();
    while (ControlBusyBelow() && clock.elapsed() < limitMs) {
        QTimer wake;  // waiting for more events must not wait for ever
        wake.start(20);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

bool ReadyForInput() {
    // An idle control takes the action at once: events processed here would
    // run a script's timers (host.later) before the action, not after it.
    if (!qApp->property(kBusyProperty).toBool()) {
        return true;
    }
    ProcessUntilIdle();
    // Still busy only from inside the action: input held while the device
    // works, but a dialog the action opened (a chooser) takes it.
    return !qApp->property(kExchangingProperty).toBool();
}

}  // namespace host
