#include "param_rules.h"

#include <cctype>
#include <cstdio>

#include "device_error.h"
#include "geometry_text.h"

namespace devsim {
namespace {

// "%f" rounds to six decimals: a corner written at the picture's edge may
// come back a hair beyond it.
constexpr double kEdge = 1.000001;

bool ParseInteger(const std::string& text, long long& out) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) {
        return false;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    out = text[0] == '-' ? -value : value;
    return true;
}

bool ParseClock(const std::string& text, int& minutes) {
    if (text.size() != 5 || text[2] != ':' || !std::isdigit(static_cast<unsigned char>(text[0])) ||
        !std::isdigit(static_cast<unsigned char>(text[1])) ||
        !std::isdigit(static_cast<unsigned char>(text[3])) ||
        !std::isdigit(static_cast<unsigned char>(text[4]))) {
        return false;
    }
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int mins = (text[3] - '0') * 10 + (text[4] - '0');
    if (mins > 59 || hours > 24 || (hours == 24 && mins != 0)) {
        return false;
    }
    minutes = hours * 60 + mins;
    return true;
}

bool InPicture(double v) {
    return v >= -kEdge && v <= kEdge;
}

std::string PlainValue(const ParamDef& def, const Json::Value& value) {
    if (!value.isString()) {
        throw DeviceError(err::kParamType, def.name);
    }
    const std::string text = value.asString();
    if (def.kind == "int" || def.kind == "time") {
        long long number = 0;
        if (!ParseInteger(text, number)) {
            throw DeviceError(err::kParamType, def.name + " = " + text.substr(0, 40));
        }
        if (number < def.min || number > def.max) {
            throw DeviceError(err::kParamRange, def.name + " = " + text);
        }
        return std::to_string(number);
    }
    if (def.kind == "enum") {
        for (const std::string& allowed : def.values) {
            if (allowed == text) {
                return text;
            }
        }
        throw DeviceError(err::kParamRange, def.name + " = " + text.substr(0, 40));
    }
    if (def.kind == "bool") {
        if (text == "true" || text == "TRUE" || text == "True") {
            return "true";
        }
        if (text == "false" || text == "FALSE" || text == "False") {
            return "false";
        }
        throw DeviceError(err::kParamRange, def.name + " = " + text.substr(0, 40));
    }
    if (def.kind == "clock") {
        int minutes = 0;
        if (!ParseClock(text, minutes)) {
            throw DeviceError(err::kParamRange, def.name + " = " + text.substr(0, 40));
        }
        return text;
    }
    // "text" and "static"
    const size_t limit = def.kind == "text" ? def.maxLength : 256;
    if (text.size() > limit) {
        throw DeviceError(err::kParamRange, def.name + " is longer than " + std::to_string(limit));
    }
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            throw DeviceError(err::kParamRange, def.name + " holds a control character");
        }
    }
    return text;
}

const char* GeometryMember(const std::string& geometry) {
    if (geometry == "polygon" || geometry == "wire" || geometry == "line" ||
        geometry == "polyline") {
        return "polygon";
    }
    if (geometry == "rect") {
        return "rect";
    }
    if (geometry == "point") {
        return "point";
    }
    if (geometry == "ptz") {
        return "PTZ";
    }
    return "";
}

const Json::Value& ElementText(const ParamDef& def, const Json::Value& element, const char* key) {
    if (!element.isObject() || !element[key].isString()) {
        throw DeviceError(err::kGeometry, def.name + ": element without a " + key + " text");
    }
    return element[key];
}

void CheckPolygon(const ParamDef& def, const std::string& text) {
    const auto points = ParsePolygonText(text);
    if (!points) {
        throw DeviceError(err::kGeometry, def.name + ": " + text.substr(0, 60));
    }
    if (points->empty()) {
        return;  // a cleared shape
    }
    const int count = static_cast<int>(points->size());
    if (count < def.minPoints || (def.maxPoints > 0 && count > def.maxPoints)) {
        throw DeviceError(err::kGeometry, def.name + ": " + std::to_string(count) + " points");
    }
    for (const PointF& p : *points) {
        if (!InPicture(p.x) || !InPicture(p.y)) {
            throw DeviceError(err::kGeometry, def.name + ": point outside the picture");
        }
    }
}

void CheckGeometryElement(const ParamDef& def, const std::string& member,
                          const Json::Value& element) {
    if (member == "polygon") {
        CheckPolygon(def, ElementText(def, element, "VexoPolygon").asString());
    } else if (member == "rect") {
        const auto r = ParseRectText(ElementText(def, element, "rectF").asString());
        if (!r || !InPicture((*r)[0]) || !InPicture((*r)[1]) || !InPicture((*r)[0] + (*r)[2]) ||
            !InPicture((*r)[1] + (*r)[3])) {
            throw DeviceError(err::kGeometry, def.name + ": rectangle");
        }
    } else if (member == "point") {
        const auto p = ParsePointText(ElementText(def, element, "pointF").asString());
        if (!p || !InPicture(p->x) || !InPicture(p->y)) {
            throw DeviceError(err::kGeometry, def.name + ": point");
        }
    } else {
        const Json::Value& ptz = element.isObject() ? element["ptzPoint"] : Json::Value::null;
        for (const char* axis : {"fPan", "fTilt", "fZoom"}) {
            if (!ptz.isObject() || !ptz[axis].isNumeric()) {
                throw DeviceError(err::kGeometry, def.name + ": PTZ position without " + axis);
            }
        }
        const double zoom = ptz["fZoom"].asDouble();
        if (!InPicture(ptz["fPan"].asDouble()) || !InPicture(ptz["fTilt"].asDouble()) || zoom < 0 ||
            zoom > kEdge) {
            throw DeviceError(err::kPtzRange, def.name);
        }
    }
}

Json::Value ObjectValue(const ParamDef& def, const Json::Value& value, const Json::Value& stored,
                        const Limits& limits) {
    if (!value.isObject()) {
        throw DeviceError(err::kParamType, def.name);
    }
    Json::Value out = stored.isObject() ? stored : def.factory;
    const std::string geometry = GeometryMember(def.geometry);
    // A client writes an object value whole but leaves out a geometry list
    // that is empty: the value's shapes are exactly the ones it sent, so a
    // shape the operator removed does not survive on the device.
    if (!geometry.empty()) {
        out.removeMember(geometry);
    }
    for (const std::string& member : value.getMemberNames()) {
        const Json::Value& item = value[member];
        if (member == "name") {
            if (!item.isString()) {
                throw DeviceError(err::kParamType, def.name + ".name");
            }
            out["name"] = item;
        } else if (member == "simp") {
            if (item.isNull()) {
                continue;  // no attributes sent: the stored ones stay
            }
            if (!item.isObject()) {
                throw DeviceError(err::kParamType, def.name + ".simp");
            }
            for (const std::string& attribute : item.getMemberNames()) {
                const ParamDef* attr = def.Attribute(attribute);
                if (attr == nullptr) {
                    throw DeviceError(err::kUnknownParam, def.name + "." + attribute);
                }
                if (!out["simp"].isObject()) {
                    out["simp"] = Json::Value(Json::objectValue);
                }
                out["simp"][attribute] = PlainValue(*attr, item[attribute]);
            }
        } else if (member == "polygon" || member == "rect" || member == "point" ||
                   member == "PTZ") {
            if (member != geometry) {
                throw DeviceError(err::kGeometry, def.name + " has no " + member);
            }
            if (!item.isArray() || item.size() > static_cast<unsigned>(limits.maxGeometryItems)) {
                throw DeviceError(err::kGeometry, def.name + "." + member);
            }
            for (const Json::Value& element : item) {
                CheckGeometryElement(def, member, element);
            }
            if (!item.empty()) {
                out[member] = item;
            }
        } else {
            throw DeviceError(err::kUnknownParam, def.name + "." + member);
        }
    }
    if (!out.isMember("name")) {
        out["name"] = "";
    }
    if (!out.isMember("simp")) {
        out["simp"] = Json::Value::null;
    }
    return out;
}

}  // namespace

Json::Value CheckedValue(const ParamDef& def, const Json::Value& value, const Json::Value& stored,
                         const Limits& limits) {
    if (def.kind == "object") {
        return ObjectValue(def, value, stored, limits);
    }
    const std::string text = PlainValue(def, value);
    if (def.kind == "static" && stored.isString() && text != stored.asString()) {
        throw DeviceError(err::kReadOnly, def.name);
    }
    return text;
}

void ApplyRecord(const ParamSet& set, const Json::Value& incoming, Json::Value& stored,
                 const Limits& limits) {
    if (!incoming.isObject()) {
        throw DeviceError(err::kMemberType, "record data must be an object");
    }
    Json::Value result = stored.isObject() ? stored : set.Factory();
    for (const std::string& name : incoming.getMemberNames()) {
        if (name == "Token") {
            if (!incoming[name].isString()) {
                throw DeviceError(err::kMemberType, "Token");
            }
            continue;
        }
        const ParamDef* def = set.Find(name);
        if (def == nullptr) {
            throw DeviceError(err::kUnknownParam, name);
        }
        result[name] = CheckedValue(*def, incoming[name], result[name], limits);
    }
    stored = std::move(result);
}

void CheckCompleteRecord(const ParamSet& set, const Json::Value& stored, const Limits& limits) {
    if (!stored.isObject() || stored.size() != set.params.size()) {
        throw DeviceError(err::kBatch, "a record does not hold exactly its parameters");
    }
    Json::Value copy = set.Factory();
    // Read-only values may differ between firmware versions: take the
    // device's own.
    Json::Value incoming = stored;
    for (const ParamDef& def : set.params) {
        if (!stored.isMember(def.name)) {
            throw DeviceError(err::kBatch, "record lacks " + def.name);
        }
        if (def.kind == "static") {
            incoming.removeMember(def.name);
        }
    }
    ApplyRecord(set, incoming, copy, limits);
}

Json::Value RangeOf(const ParamDef& def) {
    Json::Value reply;
    reply["description"] = def.description;
    Json::Value& map = reply["rangeMap"] = Json::Value(Json::objectValue);
    auto item = [](size_t i) {
        char key[32];
        std::snprintf(key, sizeof key, "item%02zu", i + 1);
        return std::string(key);
    };
    if (def.kind == "int" || def.kind == "time") {
        map["minInclusive"] = std::to_string(def.min);
        map["maxInclusive"] = std::to_string(def.max);
    } else if (def.kind == "enum") {
        for (size_t i = 0; i < def.values.size(); ++i) {
            map[item(i)] = def.values[i];
        }
    } else if (def.kind == "bool") {
        map[item(0)] = "true";
        map[item(1)] = "false";
    } else if (def.kind == "text") {
        map["maxLength"] = std::to_string(def.maxLength);
    } else if (def.kind == "clock") {
        map["minInclusive"] = "00:00";
        map["maxInclusive"] = "24:00";
    } else if (def.kind == "object") {
        if (def.maxPoints > 0) {
            map["minPoints"] = std::to_string(def.minPoints);
            map["maxPoints"] = std::to_string(def.maxPoints);
        }
        for (const ParamDef& attribute : def.attributes) {
            if (attribute.kind == "int") {
                map[attribute.name + ".minInclusive"] = std::to_string(attribute.min);
                map[attribute.name + ".maxInclusive"] = std::to_string(attribute.max);
            }
        }
    }
    return reply;
}

Json::Value RecordWithToken(const Json::Value& stored, const std::string& token) {
    Json::Value reply = stored.isObject() ? stored : Json::Value(Json::objectValue);
    reply["Token"] = token;
    return reply;
}

}  // namespace devsim
