#pragma once
// The pages' numbered timers. Pages and dialogs know their timers by number
// (1 and 2 in the loading dialog, 1000 to 1002 on the pages) and ask for
// them as `SetTimer(1001, 200)`; every expiry comes back as one call of the
// owner's handler with that number, so the handlers read `OnTimer(int id)`.
//
// Tests shorten long timers (the PTZ lock's four minutes, the loading
// dialog's one-second steps) with SetTimerIntervalOverride: the override
// applies process-wide to every later SetTimer of that number.
//
// A page's timer must not run its handler in the middle of an operator
// action whose device exchange keeps the event loop turning: a set made
// holdable keeps each expiry that comes while the timers are held
// (HoldTimers) and delivers it, once per timer, after ReleaseTimers.

#include <QObject>
#include <functional>
#include <map>
#include <set>

namespace vexo {

class TimerSet : public QObject {
public:
    using Handler = std::function<void(int id)>;
    explicit TimerSet(Handler handler, QObject* parent = nullptr);

    // Starts timer `id` every `intervalMs`, replacing a running one.
    void SetTimer(int id, int intervalMs);
    // Stops timer `id`; a timer that does not run is fine.
    void KillTimer(int id);
    void KillAll();
    bool IsActive(int id) const { return qtTimers_.count(id) != 0; }
    // The interval the owner asked for (before any override); 0 when idle.
    int RequestedInterval(int id) const;
    // Whether expiries wait while the timers are held (see above).
    void SetHoldable(bool holdable) { holdable_ = holdable; }

    // Delivers the expiries kept while held (the timer still running).
    void DeliverHeld();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    Handler handler_;
    bool holdable_ = false;
    std::set<int> held_;            // timer numbers that expired while held
    std::map<int, int> qtTimers_;   // timer number -> Qt timer id
    std::map<int, int> requested_;  // timer number -> interval asked for
};

// Holds the holdable timers of the calling (UI) thread; holds nest. The
// last release delivers the kept expiries at once: release where their
// handlers may run.
void HoldTimers();
void ReleaseTimers();

// Process-wide interval for timer number `id` (ms); 0 or less removes it.
void SetTimerIntervalOverride(int id, int intervalMs);
void ClearTimerIntervalOverrides();

}  // namespace vexo
