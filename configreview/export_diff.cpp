#include "export_diff.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "record_compare.h"

namespace vexo::review {
namespace {

const std::set<std::string>& Groups() {
    static const std::set<std::string> groups = {"NonScenes",
                                                 "Modules",
                                                 "Rules",
                                                 "Alarms",
                                                 "SmartLinkMethod",
                                                 "NormalLinkMethod",
                                                 "SmartArmingInterval",
                                                 "NormalArmingInterval"};
    return groups;
}

const Json::Value& At(const Json::Value& value, const std::string& key) {
    return value.isObject() ? value[key] : Json::Value::nullSingleton();
}

std::vector<std::string> Names(const Json::Value& value) {
    return value.isObject() ? value.getMemberNames() : std::vector<std::string>();
}

const Json::Value* SelectedScene(const Json::Value& device) {
    const Json::Value& selected = At(device, "selectedScene");
    for (const Json::Value& scene : At(device, "scenes")) {
        if (At(scene, "token") == selected) {
            return &scene;
        }
    }
    return nullptr;
}

// The record's name on the device: its "Token", or its name in the file.
std::string TokenOf(const Json::Value& record, const std::string& name) {
    const Json::Value& token = At(record, "Token");
    return token.isString() && !token.asString().empty() ? token.asString() : name;
}

// The linkage as a parameter record: group slots as plain members, groups
// as object members (the form the export file carries).
Json::Value TriggerRecord(const Json::Value& trigger) {
    Json::Value record(Json::objectValue);
    for (const std::string& group : Names(At(trigger, "simp"))) {
        record[group] = trigger["simp"][group];
    }
    for (const std::string& group : Names(At(trigger, "data"))) {
        record[group] = trigger["data"][group];
    }
    return record;
}

class ExportComparer {
public:
    ExportComparer(const Json::Value& device, std::vector<ConfigChange>& changes)
        : device_(device), scene_(SelectedScene(device)), changes_(changes) {}

    void Compare(const Json::Value& file) {
        for (const std::string& name : Names(At(file, "NonScenes"))) {
            Record(PartKind::NonScene, "", name, "", file["NonScenes"][name],
                   At(At(device_, "nonScenes"), name));
        }
        for (const std::string& name : Names(At(file, "Modules"))) {
            Record(PartKind::Module, SceneToken(), name, "", file["Modules"][name],
                   At(At(Scene(), "modules"), name));
        }
        Nested(file, "Rules", "params", "params.");
        Nested(file, "SmartLinkMethod", "trigger", "trigger.");
        Nested(file, "SmartArmingInterval", "schedule", "schedule.");
        Nested(file, "Alarms", "params", "params.");
        Nested(file, "NormalLinkMethod", "trigger", "trigger.");
        Nested(file, "NormalArmingInterval", "schedule", "schedule.");
    }

private:
    const Json::Value& Scene() const { return scene_ ? *scene_ : Json::Value::nullSingleton(); }
    std::string SceneToken() const { return At(Scene(), "token").asString(); }

    // The rule or normal alarm a nested group's record belongs to.
    const Json::Value& Owner(const std::string& function, const std::string& token,
                             bool& alarm) const {
        const Json::Value& alarms = At(At(device_, "normalAlarms"), function);
        alarm = alarms.isObject();
        if (alarm) {
            return At(alarms, token);
        }
        for (const Json::Value& rule : At(At(Scene(), "rules"), function)) {
            if (At(rule, "token").asString() == token) {
                return rule;
            }
        }
        return Json::Value::nullSingleton();
    }

    void Nested(const Json::Value& file, const char* group, const char* member,
                const std::string& prefix) {
        const Json::Value& functions = At(file, group);
        for (const std::string& function : Names(functions)) {
            for (const std::string& name : Names(functions[function])) {
                const Json::Value& record = functions[function][name];
                const std::string token = TokenOf(record, name);
                bool alarm = false;
                const Json::Value& owner = Owner(function, token, alarm);
                Json::Value stored = At(owner, member);
                if (std::string(member) == "trigger" && !stored.isNull()) {
                    stored = TriggerRecord(stored);
                }
                Record(alarm ? PartKind::NormalAlarm : PartKind::Rule, alarm ? "" : SceneToken(),
                       function, token, record, stored, prefix, owner.isNull());
            }
        }
    }

    void Record(PartKind part, const std::string& scene, const std::string& name,
                const std::string& item, const Json::Value& sent, const Json::Value& stored,
                const std::string& prefix = "", bool missing = false) {
        ConfigChange base;
        base.scene = scene;
        base.sceneName = scene.empty() ? "" : At(Scene(), "name").asString();
        base.part = part;
        base.name = name;
        base.item = item;
        if (missing || stored.isNull()) {
            // Created by the write (a rule), or refused by the device.
            if (!reported_.insert(scene + "\n" + name + "\n" + item).second) {
                return;
            }
            base.kind = ChangeKind::Added;
            base.after = sent;
            changes_.push_back(std::move(base));
            return;
        }
        for (const StoredDifference& difference : CompareStored(sent, stored)) {
            ConfigChange change = base;
            change.kind = ChangeKind::Changed;
            change.member = prefix + difference.name;
            change.before = difference.stored;
            change.after = difference.sent;
            changes_.push_back(std::move(change));
        }
        if (prefix == "schedule.") {
            DayPeriods(base, sent, stored);
        }
    }

    // A day the file names replaces the device's day whole: periods only in
    // the file are added, periods the file leaves out are removed.
    void DayPeriods(const ConfigChange& base, const Json::Value& sent, const Json::Value& stored) {
        for (const std::string& day : Names(sent)) {
            if (!At(sent, day).isObject()) {
                continue;
            }
            const Json::Value& periods = At(At(sent, day), "simp");
            const Json::Value& kept = At(At(stored, day), "simp");
            auto add = [&](ChangeKind kind, const std::string& period, const Json::Value& value) {
                ConfigChange change = base;
                change.kind = kind;
                change.member = "schedule." + day + "." + period;
                (kind == ChangeKind::Added ? change.after : change.before) = value;
                changes_.push_back(std::move(change));
            };
            for (const std::string& period : Names(periods)) {
                if (!kept.isObject() || !kept.isMember(period)) {
                    add(ChangeKind::Added, period, periods[period]);
                }
            }
            for (const std::string& period : Names(kept)) {
                if (!periods.isObject() || !periods.isMember(period)) {
                    add(ChangeKind::Removed, period, kept[period]);
                }
            }
        }
    }

    const Json::Value& device_;
    const Json::Value* scene_;
    std::vector<ConfigChange>& changes_;
    std::set<std::string> reported_;  // records reported as added, once each
};

}  // namespace

bool IsExportFile(const Json::Value& config) {
    if (!config.isObject() || config.empty()) {
        return false;
    }
    for (const std::string& member : config.getMemberNames()) {
        if (Groups().count(member) == 0) {
            return false;
        }
    }
    return true;
}

std::vector<ConfigChange> DiffExportFile(const Json::Value& device, const Json::Value& file) {
    std::vector<ConfigChange> changes;
    ExportComparer(device, changes).Compare(file);
    // Grouped as the device's own difference is: scenes first, then the
    // device-wide functions; within them by part, function and record.
    std::stable_sort(changes.begin(), changes.end(), [](const auto& a, const auto& b) {
        return std::make_tuple(a.scene.empty(), a.scene, a.part, a.name, a.item) <
               std::make_tuple(b.scene.empty(), b.scene, b.part, b.name, b.item);
    });
    return changes;
}

}  // namespace vexo::review
