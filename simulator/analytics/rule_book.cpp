#include "rule_book.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace devsim::analytics {
namespace {

struct FunctionEntry {
    RuleKind kind;
    const char* name;
};

constexpr FunctionEntry kFunctions[] = {
    {RuleKind::Intrusion, "zelk:Intrusion_Event"},
    {RuleKind::WireCross, "zelk:Wire_Cross_Event"},
    {RuleKind::Loitering, "zelk:Loitering_Event"},
    {RuleKind::PeopleCounting, "zelk:People_Counting_Event"},
    {RuleKind::Crowd, "zelk:Crowd_Action_Event"},
    {RuleKind::FastMoving, "zelk:Fast_Moving_Event"},
};

constexpr const char* kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string Text(const Json::Value& params, const char* name) {
    const Json::Value& value = params[name];
    return value.isString() ? value.asString() : std::string();
}

bool IsFalse(const std::string& text) {
    return text == "false" || text == "FALSE" || text == "False";
}

double Number(const Json::Value& params, const char* name, double fallback) {
    const std::string text = Text(params, name);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return text.empty() || *end != '\0' ? fallback : value;
}

// The points of an object value {"polygon": [{"VexoPolygon": text}]}.
std::vector<Point> Geometry(const Json::Value& params, const char* name) {
    const Json::Value& object = params[name];
    if (!object.isObject() || !object["polygon"].isArray() || object["polygon"].empty()) {
        return {};
    }
    const Json::Value& first = object["polygon"][0];
    if (!first.isObject() || !first["VexoPolygon"].isString()) {
        return {};
    }
    return ParsePoints(first["VexoPolygon"].asString());
}

std::array<std::vector<std::pair<int, int>>, 7> Armed(const Json::Value& schedule) {
    std::array<std::vector<std::pair<int, int>>, 7> days;
    if (!schedule.isObject()) {
        return days;
    }
    for (size_t day = 0; day < 7; ++day) {
        const Json::Value& entry = schedule[kDays[day]];
        const Json::Value& simp = entry.isObject() ? entry["simp"] : entry;
        if (!simp.isObject()) {
            continue;
        }
        for (const std::string& slot : simp.getMemberNames()) {
            int start = 0;
            int end = 0;
            char tail = 0;
            if (simp[slot].isString() &&
                std::sscanf(simp[slot].asCString(), "%d|%d%c", &start, &end, &tail) == 2 &&
                start < end) {
                days[day].push_back({start, end});
            }
        }
    }
    return days;
}

TargetKinds Kinds(const std::string& text, TargetKinds fallback) {
    if (text == "Human") {
        return TargetKinds::People;
    }
    if (text == "Vehicle") {
        return TargetKinds::Vehicles;
    }
    return text == "AllTargets" ? TargetKinds::All : fallback;
}

// A low sensitivity ignores small targets: at 1 a target must be about a
// tenth of the picture high, at 100 any size counts.
double MinHeight(const Json::Value& params) {
    const double sensitivity = std::clamp(Number(params, "Sensitivity", 100), 1.0, 100.0);
    return (100.0 - sensitivity) / 500.0;  // in device units (2 per picture)
}

bool ReadRule(RuleKind kind, const Json::Value& stored, LiveRule& rule) {
    const Json::Value& params = stored["params"];
    if (!stored["token"].isString() || !params.isObject()) {
        return false;
    }
    rule.kind = kind;
    rule.token = stored["token"].asString();
    rule.enabled = !IsFalse(Text(params, "Enable"));
    rule.armed = Armed(stored["schedule"]);
    rule.minHeight = MinHeight(params);
    switch (kind) {
        case RuleKind::Intrusion:
            rule.region = Geometry(params, "DetectionRegion");
            rule.seconds = Number(params, "TimeThreshold", 0);
            rule.targets = Kinds(Text(params, "TargetType"), TargetKinds::All);
            return rule.region.size() >= 3;
        case RuleKind::Loitering:
            rule.region = Geometry(params, "DetectionRegion");
            rule.seconds = Number(params, "LoiterTime", 0);
            return rule.region.size() >= 3;
        case RuleKind::FastMoving:
            rule.region = Geometry(params, "DetectionRegion");
            rule.speed = Number(params, "SpeedThreshold", 30) / 100.0;
            return rule.region.size() >= 3;
        case RuleKind::Crowd:
            rule.region = Geometry(params, "DetectionRegion");
            rule.minPeople = static_cast<int>(Number(params, "MinPeople", 10));
            rule.targets = TargetKinds::People;
            rule.minHeight = 0;
            return rule.region.size() >= 3;
        case RuleKind::WireCross: {
            rule.line = Geometry(params, "Wire");
            const std::string direction = Text(params, "Direction");
            rule.crossing = direction == "AtoB"   ? Crossing::AtoB
                            : direction == "BtoA" ? Crossing::BtoA
                                                  : Crossing::Both;
            rule.targets = Kinds(Text(params, "TargetType"), TargetKinds::All);
            return rule.line.size() == 2;
        }
        case RuleKind::PeopleCounting: {
            rule.line = Geometry(params, "CountingLine");
            rule.inward = Geometry(params, "DirectionLine");
            const std::string direction = Text(params, "CountingDirection");
            rule.countIn = direction != "Out";
            rule.countOut = direction != "In";
            rule.targets = TargetKinds::People;
            rule.minHeight = 0;
            return rule.line.size() == 2 && rule.inward.size() == 2;
        }
    }
    return false;
}

const Json::Value* SelectedScene(const Json::Value& doc) {
    if (!doc["scenes"].isArray() || !doc["selectedScene"].isString()) {
        return nullptr;
    }
    for (const Json::Value& scene : doc["scenes"]) {
        if (scene.isObject() && scene["token"] == doc["selectedScene"]) {
            return &scene;
        }
    }
    return nullptr;
}

}  // namespace

const char* FunctionName(RuleKind kind) {
    for (const FunctionEntry& entry : kFunctions) {
        if (entry.kind == kind) {
            return entry.name;
        }
    }
    return "";
}

bool LiveRule::ArmedAt(int weekday, int minute) const {
    if (weekday < 0 || weekday > 6) {
        return false;
    }
    const auto& periods = armed[static_cast<size_t>(weekday)];
    return std::any_of(periods.begin(), periods.end(), [minute](const auto& period) {
        return minute >= period.first && minute < period.second;
    });
}

RuleBook ReadRuleBook(const Json::Value& doc) {
    RuleBook book;
    if (!doc.isObject()) {
        return book;
    }
    const Json::Value& nonScenes = doc["nonScenes"];
    const Json::Value& settings =
        nonScenes.isObject() ? nonScenes["zelk:Metadata_Settings"] : nonScenes;
    if (settings.isObject()) {
        book.metadata = !IsFalse(Text(settings, "MetadataEnable"));
        book.targetBoxes = !IsFalse(Text(settings, "ShowTargetBox"));
    }
    const Json::Value* scene = SelectedScene(doc);
    // Analytics switched off as a whole, or no scene: the camera still
    // reports what it sees, but no rule runs.
    if (scene == nullptr || IsFalse(Text(doc, "smartStatus"))) {
        return book;
    }
    book.scene = (*scene)["token"].asString();
    const Json::Value& functions = (*scene)["functions"];
    const Json::Value& byFunction = (*scene)["rules"];
    if (!functions.isArray() || !byFunction.isObject()) {
        return book;
    }
    for (const FunctionEntry& entry : kFunctions) {
        const bool offered = std::any_of(functions.begin(), functions.end(), [&](const auto& f) {
            return f.isString() && f.asString() == entry.name;
        });
        if (!offered) {
            continue;
        }
        book.functions.push_back(entry.kind);
        const Json::Value& rules = byFunction[entry.name];
        if (!rules.isArray()) {
            continue;
        }
        for (const Json::Value& stored : rules) {
            LiveRule rule;
            if (stored.isObject() && ReadRule(entry.kind, stored, rule)) {
                book.rules.push_back(std::move(rule));
            }
        }
    }
    return book;
}

}  // namespace devsim::analytics
