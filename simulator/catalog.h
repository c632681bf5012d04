#pragma once
// What the device's analytics can do: every function, module, non-scene
// function, normal alarm and tour with its parameters (kind, range and
// factory value), the linkage actions, the conflicting function pairs and
// the device's limits. Read once from the device's profile file.

#include <json/value.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace devsim {

struct ParamDef {
    std::string name;
    // "int", "enum", "bool", "text", "static", "time" (minutes of the day),
    // "clock" ("HH:MM"), or "object" (geometry and attributes).
    std::string kind;
    long long min = 0;
    long long max = 0;
    std::vector<std::string> values;  // "enum"
    size_t maxLength = 0;             // "text"
    std::string description;
    // "object": "polygon", "wire", "line", "polyline", "rect", "point",
    // "ptz" or "none"; with the point limits of its polygons.
    std::string geometry;
    int minPoints = 0;
    int maxPoints = 0;
    std::vector<ParamDef> attributes;  // "object": the allowed "simp" members
    Json::Value factory;               // the factory value in its wire form

    const ParamDef* Attribute(const std::string& attribute) const;
};

struct ParamSet {
    std::vector<ParamDef> params;

    const ParamDef* Find(const std::string& name) const;
    // name -> factory value, for every parameter.
    Json::Value Factory() const;
};

struct FunctionDef {
    ParamSet params;
    std::vector<std::string> requires_;
    std::vector<std::string> requireFuns;
};

struct ModuleDef {
    std::string type;
    ParamSet params;
};

struct AlarmDef {
    std::vector<std::string> tokens;
    ParamSet params;
};

struct TourDef {
    int rows = 0;
    ParamSet plain;
    ParamSet entry;
};

struct Limits {
    int maxScenes = 16;
    int maxRulesPerFunction = 8;
    size_t maxSceneNameBytes = 64;
    size_t maxTokenBytes = 64;
    int maxPeriodsPerDay = 16;
    int maxGeometryItems = 4;
};

class Catalog {
public:
    // Reads the profile document; nullopt with `error` when it is unusable.
    static std::optional<Catalog> FromProfile(const Json::Value& profile, std::string& error);

    std::map<std::string, FunctionDef> functions;
    std::map<std::string, ModuleDef> modules;
    std::map<std::string, ParamSet> nonScenes;
    std::map<std::string, AlarmDef> alarms;
    std::map<std::string, TourDef> tours;
    std::map<std::string, std::vector<std::string>> actionGroups;  // in slot order by name
    std::vector<std::pair<std::string, std::string>> conflicts;
    Limits limits;
    Json::Value factory;  // the factory configuration, resolved by the store

    bool Conflicting(const std::string& a, const std::string& b) const;
    // Modules every scene has, whatever its functions ("standard_labels").
    std::vector<std::string> StandardModules() const;
};

}  // namespace devsim
