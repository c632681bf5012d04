#include "timer_set.h"

#include <QTimerEvent>
#include <mutex>

namespace vexo {
namespace {

std::mutex overrideMutex;
std::map<int, int>& Overrides() {
    static std::map<int, int> overrides;
    return overrides;
}

int EffectiveInterval(int id, int requested) {
    std::lock_guard lock(overrideMutex);
    const auto it = Overrides().find(id);
    return it == Overrides().end() ? requested : it->second;
}

}  // namespace

void SetTimerIntervalOverride(int id, int intervalMs) {
    std::lock_guard lock(overrideMutex);
    if (intervalMs > 0) {
        Overrides()[id] = intervalMs;
    } else {
        Overrides().erase(id);
    }
}

void ClearTimerIntervalOverrides() {
    std::lock_guard lock(overrideMutex);
    Overrides().clear();
}

TimerSet::TimerSet(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

void TimerSet::SetTimer(int id, int intervalMs) {
    KillTimer(id);
    const int qtId = startTimer(EffectiveInterval(id, intervalMs));
    if (qtId != 0) {
        qtTimers_[id] = qtId;
        requested_[id] = intervalMs;
    }
}

void TimerSet::KillTimer(int id) {
    const auto it = qtTimers_.find(id);
    if (it == qtTimers_.end()) {
        return;
    }
    killTimer(it->second);
    qtTimers_.erase(it);
    requested_.erase(id);
}

void TimerSet::KillAll() {
    while (!qtTimers_.empty()) {
        KillTimer(qtTimers_.begin()->first);
    }
}

int TimerSet::RequestedInterval(int id) const {
    const auto it = requested_.find(id);
    return it == requested_.end() ? 0 : it->second;
}

void TimerSet::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : qtTimers_) {
        if (qtId == event->timerId()) {
            // The handler may kill or restart timers: call it last.
            const int number = id;
            if (handler_) {
                handler_(number);
            }
            return;
        }
    }
}

}  // namespace vexo
