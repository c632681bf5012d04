#include "param_record.h"

#include <cstring>

#include "geometry_text.h"
#include "json_read.h"
#include "narrow_text.h"

namespace {

using vexo::ToNarrow;
namespace geometry = vexo::geometry;
namespace json = vexo::json;

// "simp" is null, not an empty object, when there are no attributes: the
// device tells "no attributes" apart from an empty set that way.
Json::Value AttributesJson(const std::map<QString, QString>& attributes) {
    Json::Value simp;
    for (const auto& [name, text] : attributes) {
        simp[ToNarrow(name)] = ToNarrow(text);
    }
    return simp;
}

Json::Value ValueJson(const ParamValue& value) {
    Json::Value out(Json::objectValue);
    out["simp"] = AttributesJson(value.attributes);
    out["name"] = ToNarrow(value.text);
    // Geometry lists appear only when the value has such geometry.
    for (const RectF& rect : value.rectangles) {
        Json::Value element;
        element["rectF"] = geometry::FormatRect(rect);
        out["rect"].append(element);
    }
    for (const PointF& point : value.points) {
        Json::Value element;
        element["pointF"] = geometry::FormatPoint(point);
        out["point"].append(element);
    }
    for (const auto& polygon : value.polygons) {
        Json::Value element;
        element["VexoPolygon"] = geometry::FormatPolygon(polygon);
        out["polygon"].append(element);
    }
    for (const PtzPosition& position : value.ptzPositions) {
        Json::Value element;
        element["ptzPoint"]["fPan"] = static_cast<double>(position.pan);
        element["ptzPoint"]["fTilt"] = static_cast<double>(position.tilt);
        element["ptzPoint"]["fZoom"] = static_cast<double>(position.zoom);
        out["PTZ"].append(element);
    }
    return out;
}

QString ElementText(const Json::Value& element, const char* name) {
    return json::TextMember(element, name);
}

void ReadGeometryList(const std::string& name, const Json::Value& list, ParamValue& value) {
    for (const Json::Value& element : list) {
        if (name == "rect") {
            value.rectangles.push_back(geometry::ScanRect(ToNarrow(ElementText(element, "rectF"))));
        } else if (name == "point") {
            value.points.push_back(geometry::ScanPoint(ToNarrow(ElementText(element, "pointF"))));
        } else if (name == "polygon") {
            std::vector<PointF> polygon;
            if (geometry::ScanPolygon(ToNarrow(ElementText(element, "VexoPolygon")), polygon)) {
                value.polygons.push_back(std::move(polygon));
            }
        } else if (name == "PTZ") {
            // A component the device leaves out is 0.
            PtzPosition position;
            if (const Json::Value* point = json::Member(element, "ptzPoint")) {
                json::ReadFloatMember(*point, "fPan", position.pan);
                json::ReadFloatMember(*point, "fTilt", position.tilt);
                json::ReadFloatMember(*point, "fZoom", position.zoom);
            }
            value.ptzPositions.push_back(position);
        }
    }
}

ParamValue DecodeValue(const Json::Value& object) {
    ParamValue value;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Json::Value& member = *it;
        if (member.isString()) {
            json::ReadText(member, value.text);
        } else if (member.isObject()) {
            for (auto attr = member.begin(); attr != member.end(); ++attr) {
                QString text;
                if (json::ReadText(*attr, text)) {
                    value.attributes[json::KeyText(attr)] = text;
                }
            }
        } else if (member.isArray()) {
            ReadGeometryList(it.name(), member, value);
        }
    }
    return value;
}

}  // namespace

Json::Value ParamRecordJson(const ParamRecord& record) {
    Json::Value out(Json::objectValue);
    out["Token"] = ToNarrow(record.token);
    for (const auto& [name, text] : record.plainParams) {
        out[ToNarrow(name)] = ToNarrow(text);
    }
    for (const auto& [name, value] : record.objectParams) {
        out[ToNarrow(name)] = ValueJson(value);
    }
    return out;
}

void EncodeParamRecord(Json::Value& target, const ParamRecord& record, const std::string& key) {
    target[key] = ParamRecordJson(record);
}

void DecodeParamRecord(const Json::Value& object, ParamRecord& record) {
    if (!object.isObject()) {
        return;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Json::Value& member = *it;
        const QString key = json::KeyText(it);
        if (member.isString()) {
            QString text;
            json::ReadText(member, text);
            if (it.name() == "Token") {
                record.token = text;
            } else {
                record.plainParams[key] = text;
            }
        } else if (member.isObject()) {
            record.objectParams[key] = DecodeValue(member);
        }
    }
}
