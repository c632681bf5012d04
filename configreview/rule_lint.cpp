#include "rule_lint.h"

#include <optional>

#include "shape_checks.h"

namespace vexo::review {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The kind of a drawing parameter that holds no points, when its name says.
std::optional<ShapeKind> KindByName(const std::string& name) {
    if (EndsWith(name, "Region") && name.find("Exclude") == std::string::npos) {
        return ShapeKind::Region;
    }
    if (EndsWith(name, "Wire") || EndsWith(name, "Line")) {
        return ShapeKind::Wire;
    }
    return std::nullopt;
}

LintWarning Warning(LintCode code, const std::string& subject, const std::string& english,
                    const std::string& chinese) {
    return {code, subject, english, chinese};
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}
std::string CjkQuoted(const std::string& name) {
    return "“" + name + "”";
}

void CheckRegion(const std::string& name, const std::vector<ShapePoint>& points,
                 std::vector<LintWarning>& out) {
    if (OnOneLine(points)) {
        out.push_back(
            Warning(LintCode::RegionZeroArea, name,
                    "Region " + Quoted(name) + " encloses no area: move its points apart.",
                    "区域" + CjkQuoted(name) + "面积为零：请把各点拉开。"));
    } else if (SelfIntersecting(points)) {
        out.push_back(
            Warning(LintCode::RegionSelfIntersecting, name,
                    "Region " + Quoted(name) +
                        " crosses itself: move its points so that no two edges cross.",
                    "区域" + CjkQuoted(name) + "的边相互交叉：请移动各点，使边不再交叉。"));
    }
}

void CheckWire(const std::string& name, const std::vector<ShapePoint>& points,
               std::vector<LintWarning>& out) {
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        if (SamePoint(points[i], points[i + 1])) {
            out.push_back(
                Warning(LintCode::WireZeroLength, name,
                        "Wire " + Quoted(name) + " has zero length: drag its two ends apart.",
                        "绊线" + CjkQuoted(name) + "长度为零：请把两端拉开。"));
            return;
        }
        if (OnFrameEdge(points[i], points[i + 1])) {
            out.push_back(Warning(LintCode::WireOnFrameEdge, name,
                                  "Wire " + Quoted(name) +
                                      " lies along the edge of the picture: move it into the "
                                      "picture.",
                                  "绊线" + CjkQuoted(name) + "位于画面边缘：请把它移到画面内。"));
            return;
        }
    }
}

void CheckShapes(const RuleToLint& rule, std::vector<LintWarning>& out) {
    if (!rule.params.isObject()) {
        return;
    }
    for (const std::string& name : rule.params.getMemberNames()) {
        const Json::Value& value = rule.params[name];
        if (!value.isObject()) {
            continue;
        }
        const auto known = rule.shapes.find(name);
        std::optional<ShapeKind> kind;
        if (known != rule.shapes.end()) {
            kind = known->second;
        }
        bool drawn = false;
        const Json::Value& polygons = value["polygon"];
        for (const Json::Value& element : polygons.isArray() ? polygons : Json::Value()) {
            const Json::Value& text = element.isObject() ? element["VexoPolygon"] : element;
            const auto points = text.isString() ? ParsePolygonText(text.asString()) : std::nullopt;
            if (!points || points->empty()) {
                continue;  // unreadable shapes are the device's to refuse
            }
            drawn = true;
            const ShapeKind shape =
                kind.value_or(points->size() == 2 ? ShapeKind::Wire : ShapeKind::Region);
            if (shape == ShapeKind::Region) {
                CheckRegion(name, *points, out);
            } else {
                CheckWire(name, *points, out);
            }
        }
        if (drawn || value.isMember("rect") || value.isMember("point") || value.isMember("PTZ")) {
            continue;
        }
        if (!kind) {
            kind = KindByName(name);
        }
        if (kind == ShapeKind::Region) {
            out.push_back(Warning(LintCode::ShapeEmpty, name,
                                  "Region " + Quoted(name) + " is empty: draw it on the video.",
                                  "区域" + CjkQuoted(name) + "为空：请在视频上绘制。"));
        } else if (kind == ShapeKind::Wire) {
            out.push_back(Warning(LintCode::ShapeEmpty, name,
                                  "Wire " + Quoted(name) + " is empty: draw it on the video.",
                                  "绊线" + CjkQuoted(name) + "为空：请在视频上绘制。"));
        }
    }
}

bool HasPeriod(const Json::Value& day) {
    const Json::Value& simp = day.isObject() ? day["simp"] : Json::Value::nullSingleton();
    if (!simp.isObject()) {
        return false;
    }
    for (const Json::Value& period : simp) {
        const std::string text = period.isString() ? period.asString() : "";
        const size_t bar = text.find('|');
        if (bar == std::string::npos) {
            continue;
        }
        int start = 0;
        int end = 0;
        try {
            start = std::stoi(text.substr(0, bar));
            end = std::stoi(text.substr(bar + 1));
        } catch (const std::exception&) {
            continue;
        }
        if (end > start) {
            return true;
        }
    }
    return false;
}

bool ArmedOnSomeDay(const Json::Value& schedule) {
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}) {
        if (HasPeriod(schedule[day])) {
            return true;
        }
    }
    return false;
}

// Whether any "simp" object below `value` ticks an action.
bool TicksAction(const Json::Value& value) {
    if (!value.isObject()) {
        return false;
    }
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (it.name() == "simp" && it->isObject()) {
            for (const Json::Value& state : *it) {
                if (state.isString() &&
                    (state.asString() == "TRUE" || state.asString() == "true")) {
                    return true;
                }
            }
        } else if (TicksAction(*it)) {
            return true;
        }
    }
    return false;
}

bool Disabled(const Json::Value& params) {
    const Json::Value& enable = params.isObject() ? params["Enable"] : Json::Value::nullSingleton();
    if (!enable.isString()) {
        return false;
    }
    const std::string text = enable.asString();
    return text == "false" || text == "FALSE" || text == "False" || text == "0";
}

}  // namespace

std::vector<LintWarning> LintRule(const RuleToLint& rule) {
    std::vector<LintWarning> out;
    if (Disabled(rule.params)) {
        out.push_back(Warning(LintCode::RuleDisabled, "Enable",
                              "The rule is disabled: tick \"Enable\" to let it fire.",
                              "规则未启用：请勾选“启用”。"));
    }
    CheckShapes(rule, out);
    if (rule.schedule.isObject() && !ArmedOnSomeDay(rule.schedule)) {
        out.push_back(Warning(LintCode::ArmingWeekEmpty, "",
                              "The arming schedule has no period on any day: add a period in the "
                              "guard schedule.",
                              "布防时间表每天都没有时间段：请在布防时间中添加时间段。"));
    }
    if (rule.trigger.isObject() && !TicksAction(rule.trigger)) {
        out.push_back(Warning(LintCode::NoLinkageAction, "",
                              "The linkage method ticks no action: tick at least one action.",
                              "联动方式未勾选任何动作：请至少勾选一个动作。"));
    }
    return out;
}

}  // namespace vexo::review
