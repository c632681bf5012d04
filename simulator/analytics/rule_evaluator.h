#pragma once
// Runs the selected scene's rules on the targets of each picture. The
// evaluator remembers, per rule, which targets are inside and since when,
// the people counted, and where every target stood in the picture before,
// so that crossings and speeds can be told.

#include <string>
#include <unordered_map>
#include <vector>

#include "rule_book.h"
#include "view_targets.h"

namespace devsim::analytics {

// A rule firing on a target (start) or ceasing to (end). Crossings and
// counts are instants: they only start. A crowd has no one target.
struct RuleEvent {
    RuleKind kind = RuleKind::Intrusion;
    std::string rule;
    int target = 0;  // 0: none
    bool start = true;
    const char* direction = nullptr;  // "AtoB"/"BtoA" crossings, "in"/"out" counts
    int count = -1;                   // crowd: people in the region
    // The rule's region or line, on a start, so that a viewer can show
    // which shape fired without knowing the rules. Valid until the next
    // SetRules.
    const std::vector<Point>* shape = nullptr;
};

struct RuleCounter {
    std::string rule;
    long long in = 0;
    long long out = 0;
};

struct PictureVerdict {
    std::vector<RuleEvent> events;
    std::vector<RuleCounter> counters;  // people counting rules
};

class RuleEvaluator {
public:
    // Keeps what it knows of the rules that did not change; a changed,
    // new or removed rule starts afresh.
    void SetRules(const std::vector<LiveRule>& rules);

    // One picture at `micros` (wall clock), `weekday` 0 (Monday) to 6 and
    // `minute` of the day in local time, for the arming schedules.
    PictureVerdict Evaluate(const std::vector<camera::ViewTarget>& targets, long long micros,
                            int weekday, int minute);

private:
    struct Dwell {
        long long since = 0;
        bool fired = false;
    };
    struct RuleState {
        LiveRule rule;
        std::unordered_map<int, Dwell> inside;
        long long in = 0;
        long long out = 0;
        bool crowded = false;
    };
    struct Track {
        Point foot;
        long long micros = 0;
    };
    struct Seen {
        const camera::ViewTarget* target;
        Point foot;
        const Track* before;  // null on its first picture
        double speed;         // device units per second
    };

    void Dwelling(RuleState& state, const std::vector<Seen>& seen, long long micros,
                  PictureVerdict& verdict) const;
    void Speeding(RuleState& state, const std::vector<Seen>& seen, PictureVerdict& verdict) const;
    void Crowding(RuleState& state, const std::vector<Seen>& seen, PictureVerdict& verdict) const;
    void Crossings(RuleState& state, const std::vector<Seen>& seen, PictureVerdict& verdict) const;
    void Counting(RuleState& state, const std::vector<Seen>& seen, PictureVerdict& verdict) const;

    std::vector<RuleState> rules_;
    std::unordered_map<int, Track> tracks_;
};

}  // namespace devsim::analytics
