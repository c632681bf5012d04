#include "rule_evaluator.h"

#include <algorithm>
#include <cmath>

namespace devsim::analytics {
namespace {

// Targets stand on the ground: a rule looks at the middle of a box's
// bottom edge, where a walker's feet and a car's wheels are.
Point Foot(const camera::ViewTarget& target) {
    return {(target.left + target.right) / 2, target.bottom};
}

bool Eligible(const LiveRule& rule, const camera::ViewTarget& target) {
    if (target.top - target.bottom < rule.minHeight) {
        return false;
    }
    switch (rule.targets) {
        case TargetKinds::People:
            return !target.vehicle;
        case TargetKinds::Vehicles:
            return target.vehicle;
        case TargetKinds::All:
            break;
    }
    return true;
}

}  // namespace

void RuleEvaluator::SetRules(const std::vector<LiveRule>& rules) {
    std::vector<RuleState> next;
    next.reserve(rules.size());
    for (const LiveRule& rule : rules) {
        const auto kept = std::find_if(rules_.begin(), rules_.end(),
                                       [&](const RuleState& state) { return state.rule == rule; });
        if (kept != rules_.end()) {
            next.push_back(std::move(*kept));
        } else {
            next.push_back(RuleState{rule, {}, 0, 0, false});
        }
    }
    rules_ = std::move(next);
}

PictureVerdict RuleEvaluator::Evaluate(const std::vector<camera::ViewTarget>& targets,
                                       long long micros, int weekday, int minute) {
    std::vector<Seen> seen;
    seen.reserve(targets.size());
    for (const camera::ViewTarget& target : targets) {
        const Point foot = Foot(target);
        const auto before = tracks_.find(target.id);
        const Track* track = before == tracks_.end() ? nullptr : &before->second;
        double speed = 0;
        if (track != nullptr && micros > track->micros) {
            speed = std::hypot(foot.x - track->foot.x, foot.y - track->foot.y) /
                    (static_cast<double>(micros - track->micros) / 1e6);
        }
        seen.push_back({&target, foot, track, speed});
    }
    PictureVerdict verdict;
    for (RuleState& state : rules_) {
        if (!state.rule.enabled || !state.rule.ArmedAt(weekday, minute)) {
            // A rule at rest forgets who was inside: armed again, it
            // starts counting time afresh.
            state.inside.clear();
            state.crowded = false;
        } else {
            switch (state.rule.kind) {
                case RuleKind::Intrusion:
                case RuleKind::Loitering:
                    Dwelling(state, seen, micros, verdict);
                    break;
                case RuleKind::FastMoving:
                    Speeding(state, seen, verdict);
                    break;
                case RuleKind::Crowd:
                    Crowding(state, seen, verdict);
                    break;
                case RuleKind::WireCross:
                    Crossings(state, seen, verdict);
                    break;
                case RuleKind::PeopleCounting:
                    Counting(state, seen, verdict);
                    break;
            }
        }
        if (state.rule.kind == RuleKind::PeopleCounting) {
            verdict.counters.push_back({state.rule.token, state.in, state.out});
        }
    }
    std::unordered_map<int, Track> tracks;
    tracks.reserve(seen.size());
    for (const Seen& one : seen) {
        tracks[one.target->id] = {one.foot, micros};
    }
    tracks_ = std::move(tracks);
    return verdict;
}

void RuleEvaluator::Dwelling(RuleState& state, const std::vector<Seen>& seen, long long micros,
                             PictureVerdict& verdict) const {
    const LiveRule& rule = state.rule;
    std::unordered_map<int, Dwell> inside;
    for (const Seen& one : seen) {
        if (!Eligible(rule, *one.target) || !Inside(rule.region, one.foot)) {
            continue;
        }
        const auto was = state.inside.find(one.target->id);
        Dwell dwell = was == state.inside.end() ? Dwell{micros, false} : was->second;
        if (!dwell.fired && static_cast<double>(micros - dwell.since) >= rule.seconds * 1e6) {
            dwell.fired = true;
            verdict.events.push_back(
                {rule.kind, rule.token, one.target->id, true, nullptr, -1, &rule.region});
        }
        inside[one.target->id] = dwell;
    }
    for (const auto& [id, dwell] : state.inside) {
        if (dwell.fired && inside.count(id) == 0) {
            verdict.events.push_back({rule.kind, rule.token, id, false});
        }
    }
    state.inside = std::move(inside);
}

void RuleEvaluator::Speeding(RuleState& state, const std::vector<Seen>& seen,
                             PictureVerdict& verdict) const {
    const LiveRule& rule = state.rule;
    std::unordered_map<int, Dwell> fast;
    for (const Seen& one : seen) {
        if (one.before == nullptr || one.speed <= rule.speed || !Eligible(rule, *one.target) ||
            !Inside(rule.region, one.foot)) {
            continue;
        }
        if (state.inside.count(one.target->id) == 0) {
            verdict.events.push_back(
                {rule.kind, rule.token, one.target->id, true, nullptr, -1, &rule.region});
        }
        fast[one.target->id] = {0, true};
    }
    for (const auto& [id, dwell] : state.inside) {
        if (fast.count(id) == 0) {
            verdict.events.push_back({rule.kind, rule.token, id, false});
        }
    }
    state.inside = std::move(fast);
}

void RuleEvaluator::Crowding(RuleState& state, const std::vector<Seen>& seen,
                             PictureVerdict& verdict) const {
    const LiveRule& rule = state.rule;
    const auto people = std::count_if(seen.begin(), seen.end(), [&](const Seen& one) {
        return Eligible(rule, *one.target) && Inside(rule.region, one.foot);
    });
    const bool crowded = people >= rule.minPeople;
    if (crowded != state.crowded) {
        verdict.events.push_back({rule.kind, rule.token, 0, crowded, nullptr,
                                  static_cast<int>(people), crowded ? &rule.region : nullptr});
        state.crowded = crowded;
    }
}

void RuleEvaluator::Crossings(RuleState& state, const std::vector<Seen>& seen,
                              PictureVerdict& verdict) const {
    const LiveRule& rule = state.rule;
    const Point a = rule.line[0];
    const Point b = rule.line[1];
    for (const Seen& one : seen) {
        if (one.before == nullptr || !Eligible(rule, *one.target) ||
            !Crosses(a, b, one.before->foot, one.foot)) {
            continue;
        }
        // Arrow A of a wire stands on its right side (looking from its
        // first point to its second): "AtoB" is a crossing that way.
        const bool towardA = Side(a, b, one.before->foot) > 0;
        if (rule.crossing == Crossing::Both || (rule.crossing == Crossing::AtoB) == towardA) {
            verdict.events.push_back({rule.kind, rule.token, one.target->id, true,
                                      towardA ? "AtoB" : "BtoA", -1, &rule.line});
        }
    }
}

void RuleEvaluator::Counting(RuleState& state, const std::vector<Seen>& seen,
                             PictureVerdict& verdict) const {
    const LiveRule& rule = state.rule;
    const Point a = rule.line[0];
    const Point b = rule.line[1];
    const double inX = rule.inward[1].x - rule.inward[0].x;
    const double inY = rule.inward[1].y - rule.inward[0].y;
    for (const Seen& one : seen) {
        if (one.before == nullptr || !Eligible(rule, *one.target) ||
            !Crosses(a, b, one.before->foot, one.foot)) {
            continue;
        }
        const bool in =
            (one.foot.x - one.before->foot.x) * inX + (one.foot.y - one.before->foot.y) * inY > 0;
        if (in ? !rule.countIn : !rule.countOut) {
            continue;
        }
        ++(in ? state.in : state.out);
        verdict.events.push_back(
            {rule.kind, rule.token, one.target->id, true, in ? "in" : "out", -1, &rule.line});
    }
}

}  // namespace devsim::analytics
