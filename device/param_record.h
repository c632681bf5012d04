#pragma once
// The parameter record: the unit in which rule, module, normal alarm,
// non-scene, action trigger and guard schedule data travel between the pages
// and the device, and its JSON form.

#include <json/value.h>

#include <QString>
#include <map>
#include <string>
#include <vector>

struct PointF {
    float X = 0;
    float Y = 0;
};

struct RectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};

// A stored position of the PTZ head ("fPan", "fTilt", "fZoom").
struct PtzPosition {
    float pan = 0;
    float tilt = 0;
    float zoom = 0;
};

// One object-valued parameter: its own text ("name"), its attributes
// ("simp") and the geometry lists it may carry.
struct ParamValue {
    QString text;
    std::map<QString, QString> attributes;
    std::vector<PointF> points;
    std::vector<RectF> rectangles;
    std::vector<std::vector<PointF>> polygons;
    std::vector<PtzPosition> ptzPositions;
};

struct ParamRecord {
    QString token;       // "RuleToken", the normal alarm's token, or the reply's "Token"
    QString secondText;  // kept for the pages; the channel never sends or fills it
    QString funName;     // function, module, normal alarm type or non-scene name
    std::map<QString, ParamValue> objectParams;
    std::map<QString, QString> plainParams;
};

// Stores the JSON form of `record` as target[key]: "Token", then one string
// member per plain parameter, then one object member per object parameter.
// A parameter named like an earlier member replaces it in that order.
void EncodeParamRecord(Json::Value& target, const ParamRecord& record, const std::string& key);

// The JSON form of `record` on its own.
Json::Value ParamRecordJson(const ParamRecord& record);

// Reads a JSON form into `record`. Entries the JSON does not mention keep
// their contents; members of unexpected types are ignored, so any device
// reply can be given here.
void DecodeParamRecord(const Json::Value& object, ParamRecord& record);
