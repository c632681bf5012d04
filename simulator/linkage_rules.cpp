#include "linkage_rules.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "device_error.h"
#include "param_rules.h"

namespace devsim {
namespace {

constexpr const char* kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr int kMaxSlot = 7;
constexpr size_t kMaxAttributeName = 32;

bool IsDay(const std::string& name) {
    return std::find(std::begin(kDays), std::end(kDays), name) != std::end(kDays);
}

const Json::Value& OptionalObject(const Json::Value& value, const std::string& what) {
    if (!value.isNull() && !value.isObject()) {
        throw DeviceError(err::kMemberType, what);
    }
    return value;
}

std::string ActionState(const Json::Value& value, const std::string& action) {
    const std::string text = value.isString() ? value.asString() : std::string();
    if (text == "TRUE" || text == "true" || text == "True") {
        return "TRUE";
    }
    if (text == "FALSE" || text == "false" || text == "False") {
        return "FALSE";
    }
    throw DeviceError(value.isString() ? err::kParamRange : err::kParamType, action);
}

bool ParseMinutes(const std::string& text, int& out) {
    if (text.empty() || text.size() > 4) {
        return false;
    }
    out = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        out = out * 10 + (c - '0');
    }
    return true;
}

int ClockMinutes(const std::string& text) {
    return ((text[0] - '0') * 10 + (text[1] - '0')) * 60 + (text[3] - '0') * 10 + (text[4] - '0');
}

// Periods [start, end) of one list; any two sharing a moment overlap.
void CheckNoOverlap(std::vector<std::pair<int, int>> periods) {
    std::sort(periods.begin(), periods.end());
    for (size_t i = 1; i < periods.size(); ++i) {
        if (periods[i].first < periods[i - 1].second) {
            throw DeviceError(err::kOverlap);
        }
    }
}

Json::Value Day(const Limits& limits, const std::string& day, const Json::Value& value) {
    if (!value.isObject()) {
        throw DeviceError(err::kMemberType, day);
    }
    const Json::Value& simp = OptionalObject(value["simp"], day + ".simp");
    if (!value["name"].isNull() && !value["name"].isString()) {
        throw DeviceError(err::kMemberType, day + ".name");
    }
    for (const std::string& member : value.getMemberNames()) {
        if (member != "simp" && member != "name") {
            throw DeviceError(err::kUnknownParam, day + "." + member);
        }
    }
    std::vector<std::pair<int, int>> periods;
    Json::Value out;
    out["name"] = "";
    out["simp"] = Json::Value::null;
    if (simp.isObject()) {
        if (simp.size() > static_cast<unsigned>(limits.maxPeriodsPerDay)) {
            throw DeviceError(err::kSchedule, day + ": too many periods");
        }
        for (const std::string& name : simp.getMemberNames()) {
            const Json::Value& period = simp[name];
            if (name.empty() || name.size() > kMaxAttributeName || !period.isString()) {
                throw DeviceError(err::kSchedule, day + "." + name.substr(0, 40));
            }
            const std::string text = period.asString();
            const size_t bar = text.find('|');
            int start = 0;
            int end = 0;
            if (bar == std::string::npos || !ParseMinutes(text.substr(0, bar), start) ||
                !ParseMinutes(text.substr(bar + 1), end) || end > 1440) {
                throw DeviceError(err::kSchedule, day + "." + name + " = " + text.substr(0, 40));
            }
            if (end <= start) {
                throw DeviceError(err::kEndBeforeStart, day + "." + name);
            }
            periods.emplace_back(start, end);
            out["simp"][name] = std::to_string(start) + "|" + std::to_string(end);
        }
    }
    CheckNoOverlap(periods);
    return out;
}

}  // namespace

Json::Value FactoryTrigger(const Catalog& catalog) {
    Json::Value trigger;
    int slot = 0;
    for (const auto& [group, actions] : catalog.actionGroups) {
        trigger["simp"][group] = std::to_string(slot++);
        Json::Value& data = trigger["data"][group];
        data["name"] = "";
        for (const std::string& action : actions) {
            data["simp"][action] = "FALSE";
        }
    }
    return trigger;
}

void ApplyTrigger(const Catalog& catalog, const Json::Value& incoming, Json::Value& stored) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kMemberType, "ActionTriggerData");
    }
    Json::Value out = stored.isObject() ? stored : FactoryTrigger(catalog);
    for (const std::string& member : incoming.getMemberNames()) {
        if (member != "simp" && member != "data") {
            throw DeviceError(err::kUnknownParam, "ActionTriggerData." + member);
        }
    }
    const Json::Value& slots = OptionalObject(incoming["simp"], "ActionTriggerData.simp");
    for (const std::string& group :
         slots.isObject() ? slots.getMemberNames() : std::vector<std::string>{}) {
        if (catalog.actionGroups.count(group) == 0) {
            throw DeviceError(err::kUnknownAction, group);
        }
        const Json::Value& slot = slots[group];
        const std::string text = slot.isString() ? slot.asString() : std::string();
        if (!slot.isString()) {
            throw DeviceError(err::kParamType, group);
        }
        if (text.size() != 1 || text[0] < '0' || text[0] > '0' + kMaxSlot) {
            throw DeviceError(err::kParamRange, group + " = " + text.substr(0, 20));
        }
        out["simp"][group] = text;
    }
    const Json::Value& groups = OptionalObject(incoming["data"], "ActionTriggerData.data");
    for (const std::string& group :
         groups.isObject() ? groups.getMemberNames() : std::vector<std::string>{}) {
        const auto known = catalog.actionGroups.find(group);
        if (known == catalog.actionGroups.end()) {
            throw DeviceError(err::kUnknownAction, group);
        }
        const Json::Value& value = groups[group];
        if (!value.isObject()) {
            throw DeviceError(err::kMemberType, group);
        }
        for (const std::string& member : value.getMemberNames()) {
            if (member == "name") {
                if (!value[member].isString()) {
                    throw DeviceError(err::kMemberType, group + ".name");
                }
            } else if (member != "simp") {
                throw DeviceError(err::kUnknownParam, group + "." + member);
            }
        }
        const Json::Value& actions = OptionalObject(value["simp"], group + ".simp");
        for (const std::string& action :
             actions.isObject() ? actions.getMemberNames() : std::vector<std::string>{}) {
            if (std::find(known->second.begin(), known->second.end(), action) ==
                known->second.end()) {
                throw DeviceError(err::kUnknownAction, group + "." + action);
            }
            out["data"][group]["simp"][action] = ActionState(actions[action], action);
        }
    }
    stored = std::move(out);
}

Json::Value FactorySchedule() {
    Json::Value schedule;
    for (const char* day : kDays) {
        schedule[day]["name"] = "";
        schedule[day]["simp"]["GuardTime 1"] = "0|1440";
    }
    return schedule;
}

void ApplySchedule(const Limits& limits, const Json::Value& incoming, Json::Value& stored) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kMemberType, "GuardSchedulesData");
    }
    Json::Value out = stored.isObject() ? stored : FactorySchedule();
    for (const std::string& member : incoming.getMemberNames()) {
        if (member == "Token" && incoming[member].isString()) {
            continue;  // the owner's identity, not a schedule value
        }
        if (!IsDay(member)) {
            throw DeviceError(err::kUnknownParam, member);
        }
        out[member] = Day(limits, member, incoming[member]);
    }
    stored = std::move(out);
}

Json::Value FactoryTour(const TourDef& tour) {
    Json::Value data = tour.plain.Factory();
    for (int row = 0; row < tour.rows; ++row) {
        Json::Value& entry = data["Tour" + std::to_string(row)];
        entry["name"] = "";
        entry["simp"] = tour.entry.Factory();
    }
    return data;
}

void ApplyTour(const std::string& type, const TourDef& tour, const Json::Value& incoming,
               Json::Value& stored, const std::set<std::string>& scenes) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kMemberType, "Data");
    }
    const Limits limits;
    Json::Value out = stored.isObject() ? stored : FactoryTour(tour);
    for (const std::string& member : incoming.getMemberNames()) {
        const Json::Value& value = incoming[member];
        if (value.isString()) {
            const ParamDef* def = tour.plain.Find(member);
            if (def == nullptr) {
                throw DeviceError(err::kUnknownParam, member);
            }
            out[member] = CheckedValue(*def, value, out[member], limits);
            continue;
        }
        if (!value.isObject()) {
            throw DeviceError(err::kMemberType, member);
        }
        if (!out[member].isObject()) {
            throw DeviceError(err::kNoTourRow, member);
        }
        if (!value["name"].isNull() && !value["name"].isString()) {
            throw DeviceError(err::kMemberType, member + ".name");
        }
        const Json::Value& simp = OptionalObject(value["simp"], member + ".simp");
        for (const std::string& attribute :
             simp.isObject() ? simp.getMemberNames() : std::vector<std::string>{}) {
            const ParamDef* def = tour.entry.Find(attribute);
            if (def == nullptr) {
                throw DeviceError(err::kUnknownParam, member + "." + attribute);
            }
            out[member]["simp"][attribute] =
                CheckedValue(*def, simp[attribute], out[member]["simp"][attribute], limits);
        }
    }
    // The rows as a whole: every scene exists; timed rows keep apart.
    std::vector<std::pair<int, int>> windows;
    for (const std::string& row : out.getMemberNames()) {
        if (!out[row].isObject()) {
            continue;
        }
        const Json::Value& attributes = out[row]["simp"];
        const std::string scene = attributes["AnalyticsConfigurationToken"].asString();
        if (!scene.empty() && scenes.count(scene) == 0) {
            throw DeviceError(err::kNoScene, row + " names " + scene);
        }
        if (type == "TimeSceneTour" && !scene.empty()) {
            const int start = ClockMinutes(attributes["StartTime"].asString());
            const int end = ClockMinutes(attributes["EndTime"].asString());
            if (end <= start) {
                throw DeviceError(err::kEndBeforeStart, row);
            }
            windows.emplace_back(start, end);
        }
    }
    CheckNoOverlap(windows);
    stored = std::move(out);
}

void ForgetTourScene(Json::Value& tour, const std::string& sceneToken) {
    for (const std::string& row : tour.getMemberNames()) {
        Json::Value& entry = tour[row];
        if (entry.isObject() &&
            entry["simp"]["AnalyticsConfigurationToken"].asString() == sceneToken) {
            entry["simp"]["AnalyticsConfigurationToken"] = "";
        }
    }
}

}  // namespace devsim
