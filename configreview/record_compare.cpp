#include "record_compare.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "config_reader.h"
#include "shape_checks.h"

namespace vexo::review {
namespace {

bool IsBoolean(const std::string& text, bool& value) {
    if (text == "true" || text == "TRUE" || text == "True") {
        value = true;
        return true;
    }
    if (text == "false" || text == "FALSE" || text == "False") {
        value = false;
        return true;
    }
    return false;
}

bool SameText(const Json::Value& sent, const Json::Value& stored) {
    if (sent == stored) {
        return true;
    }
    bool a = false;
    bool b = false;
    return sent.isString() && stored.isString() && IsBoolean(sent.asString(), a) &&
           IsBoolean(stored.asString(), b) && a == b;
}

std::string Shown(const Json::Value& value) {
    return value.isString() ? value.asString() : CompactJson(value);
}

std::string PointText(const ShapePoint& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.6f, %.6f)", p.x, p.y);
    return text;
}

bool SameNumber(double a, double b) {
    return std::fabs(a - b) <= kDevicePrecision;
}

// The numbers of a "(a,b,...)" text, as the device writes rectangles and points.
std::vector<double> Numbers(const std::string& text) {
    std::vector<double> out;
    const char* at = text.c_str();
    const char* end = at + text.size();
    while (at < end) {
        if ((*at >= '0' && *at <= '9') || *at == '-' || *at == '.') {
            double value = 0;
            const auto [next, error] = std::from_chars(at, end, value);
            if (error != std::errc()) {
                break;
            }
            out.push_back(value);
            at = next;
        } else {
            ++at;
        }
    }
    return out;
}

std::vector<double> ElementNumbers(const Json::Value& element) {
    if (!element.isObject()) {
        return {};
    }
    for (const char* key : {"rectF", "pointF"}) {
        if (element[key].isString()) {
            return Numbers(element[key].asString());
        }
    }
    const Json::Value& ptz = element["ptzPoint"];
    std::vector<double> out;
    for (const char* axis : {"fPan", "fTilt", "fZoom"}) {
        out.push_back(ptz.isObject() && ptz[axis].isNumeric() ? ptz[axis].asDouble() : 0.0);
    }
    return out;
}

std::vector<ShapePoint> PolygonOf(const Json::Value& element) {
    const Json::Value& text = element.isObject() ? element["VexoPolygon"] : element;
    const auto points = text.isString() ? ParsePolygonText(text.asString()) : std::nullopt;
    return points.value_or(std::vector<ShapePoint>());
}

std::string Count(size_t count, const char* what) {
    return std::to_string(count) + " " + what;
}

class Comparer {
public:
    explicit Comparer(std::vector<StoredDifference>& out) : out_(out) {}

    void Polygons(const std::string& name, const Json::Value& sent, const Json::Value& stored) {
        const Json::ArrayIndex count = std::max(Size(sent), Size(stored));
        for (Json::ArrayIndex i = 0; i < count; ++i) {
            const std::string shape = count > 1 ? name + " shape " + std::to_string(i + 1) : name;
            const auto a = i < Size(sent) ? PolygonOf(sent[i]) : std::vector<ShapePoint>();
            const auto b = i < Size(stored) ? PolygonOf(stored[i]) : std::vector<ShapePoint>();
            if (a.size() != b.size()) {
                Add(shape, Count(a.size(), "points"), Count(b.size(), "points"));
                continue;
            }
            for (size_t p = 0; p < a.size(); ++p) {
                if (!SameNumber(a[p].x, b[p].x) || !SameNumber(a[p].y, b[p].y)) {
                    Add(shape + " point " + std::to_string(p + 1), PointText(a[p]),
                        PointText(b[p]));
                }
            }
        }
    }

    // Rectangles, points and PTZ positions: element by element.
    void Elements(const std::string& name, const char* what, const Json::Value& sent,
                  const Json::Value& stored) {
        if (Size(sent) != Size(stored)) {
            Add(name, Count(Size(sent), what), Count(Size(stored), what));
            return;
        }
        for (Json::ArrayIndex i = 0; i < Size(sent); ++i) {
            const auto a = ElementNumbers(sent[i]);
            const auto b = ElementNumbers(stored[i]);
            bool same = a.size() == b.size();
            for (size_t k = 0; same && k < a.size(); ++k) {
                same = SameNumber(a[k], b[k]);
            }
            if (!same) {
                Add(Size(sent) > 1 ? name + " " + std::to_string(i + 1) : name,
                    CompactJson(sent[i]), CompactJson(stored[i]));
            }
        }
    }

    void Object(const std::string& name, const Json::Value& sent, const Json::Value& stored) {
        if (sent["name"].isString() && stored.isMember("name") &&
            !SameText(sent["name"], stored["name"])) {
            Add(name + ".name", Shown(sent["name"]), Shown(stored["name"]));
        }
        const Json::Value& simp = sent["simp"];
        for (const std::string& attribute :
             simp.isObject() ? simp.getMemberNames() : std::vector<std::string>()) {
            const Json::Value& kept = stored["simp"].isObject() ? stored["simp"][attribute]
                                                                : Json::Value::nullSingleton();
            if (!kept.isNull() && !SameText(simp[attribute], kept)) {
                Add(name + "." + attribute, Shown(simp[attribute]), Shown(kept));
            }
        }
        Polygons(name, sent["polygon"], stored["polygon"]);
        Elements(name, "rectangles", sent["rect"], stored["rect"]);
        Elements(name, "points", sent["point"], stored["point"]);
        Elements(name, "positions", sent["PTZ"], stored["PTZ"]);
    }

private:
    static Json::ArrayIndex Size(const Json::Value& list) {
        return list.isArray() ? list.size() : 0;
    }

    void Add(std::string name, std::string sent, std::string stored) {
        out_.push_back({std::move(name), std::move(sent), std::move(stored)});
    }

    std::vector<StoredDifference>& out_;
};

}  // namespace

std::vector<StoredDifference> CompareStored(const Json::Value& sent, const Json::Value& stored) {
    std::vector<StoredDifference> out;
    if (!sent.isObject() || !stored.isObject()) {
        return out;
    }
    Comparer comparer(out);
    for (const std::string& member : sent.getMemberNames()) {
        if (member == "Token" || !stored.isMember(member)) {
            continue;
        }
        const Json::Value& a = sent[member];
        const Json::Value& b = stored[member];
        if (a.isObject() && b.isObject()) {
            comparer.Object(member, a, b);
        } else if (!SameText(a, b)) {
            out.push_back({member, Shown(a), Shown(b)});
        }
    }
    return out;
}

}  // namespace vexo::review
