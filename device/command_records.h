#pragma once
// The records, besides the parameter record, that the device commands fill
// or send: scenes, normal alarm functions, scene tours and parameter ranges.

#include <QString>
#include <QStringList>
#include <map>

// The scene token that makes a trigger or schedule command address a normal
// alarm instead of an analytics rule.
inline constexpr const char* kNormalAlarmOwnerToken = "zelk:NormalAlarm";

// Kinds of a scene as the scene list reports them.
enum SceneKind : int {
    kAutoTrackingScene = 0,
    kDefaultScene = 1,
    kOrdinaryScene = 3,
};

struct SceneRecord {
    QString name;
    int kind = kOrdinaryScene;
    int selected = 0;                 // 1 for the device's selected scene
    QStringList functionTexts;        // display texts (first lookup), filled by the pages
    QStringList functionSecondTexts;  // display texts (second lookup), filled by the pages
    QString token;
};

// One normal (non-analytics) alarm the device offers.
struct NormalAlarmFun {
    QString type;   // "NormalAlarmType"
    QString token;  // "NormalAlarmToken"
};

// One object-valued member of the tour data ("name" and "simp").
struct TourEntry {
    QString text;
    std::map<QString, QString> attributes;
};

struct TourRecord {
    QString tourType;                        // "SceneTourType"
    std::map<QString, TourEntry> entries;    // object-valued members
    std::map<QString, QString> plainValues;  // string-valued members
};

// What the device says of one parameter's allowed values.
struct ParamRange {
    QString paramName;                    // in: "ParamName"
    QString description;                  // out: "description"
    std::map<QString, QString> rangeMap;  // out: "rangeMap"
};
