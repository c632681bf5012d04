#include "timer_set.h"

#include <QPointer>
#include <QTimerEvent>
#include <mutex>
#include <vector>

namespace vexo {
namespace {

std::mutex overrideMutex;
std::map<int, int>& Overrides() {
    static std::map<int, int> overrides;
    return overrides;
}

// The hold belongs to the UI thread, like the pages' timers.
int g_holds = 0;
std::vector<QPointer<TimerSet>>& SetsWithHeldExpiries() {
    static std::vector<QPointer<TimerSet>> sets;
    return sets;
}

int EffectiveInterval(int id, int requested) {
    std::lock_guard lock(overrideMutex);
    const auto it = Overrides().find(id);
    return it == Overrides().end() ? requested : it->second;
}

}  // namespace

void HoldTimers() {
    ++g_holds;
}

void ReleaseTimers() {
    if (g_holds == 0 || --g_holds > 0) {
        return;
    }
    std::vector<QPointer<TimerSet>> sets = std::move(SetsWithHeldExpiries());
    SetsWithHeldExpiries().clear();
    for (const QPointer<TimerSet>& set : sets) {
        if (set) {  // an earlier handler may have deleted it
            set->DeliverHeld();
        }
    }
}

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

void TimerSet::DeliverHeld() {
    while (!held_.empty() && g_holds == 0) {
        const int id = *held_.begin();
        held_.erase(held_.begin());
        if (IsActive(id) && handler_) {
            handler_(id);  // may begin another action, which holds again
        }
    }
    if (!held_.empty()) {
        SetsWithHeldExpiries().emplace_back(this);
    }
}

void TimerSet::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : qtTimers_) {
        if (qtId == event->timerId()) {
            if (holdable_ && g_holds > 0) {
                if (held_.empty()) {
                    SetsWithHeldExpiries().emplace_back(this);
                }
                held_.insert(id);
                return;
            }
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
