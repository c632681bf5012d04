#include "catalog.h"

#include <cstring>
#include <stdexcept>

namespace devsim {
namespace {

// A profile that does not have the expected shape is a build fault of the
// device, reported once at start-up.
struct ProfileFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const Json::Value& Member(const Json::Value& object, const char* name, Json::ValueType type) {
    const Json::Value* value =
        object.isObject() ? object.find(name, name + std::strlen(name)) : nullptr;
    if (value == nullptr || !value->isConvertibleTo(type) || value->isNull()) {
        throw ProfileFault(std::string("profile member ") + name + " missing or of the wrong type");
    }
    return *value;
}

std::vector<std::string> Strings(const Json::Value& list) {
    std::vector<std::string> out;
    for (const Json::Value& item : list) {
        if (!item.isString()) {
            throw ProfileFault("profile list holds a non-string");
        }
        out.push_back(item.asString());
    }
    return out;
}

ParamDef ReadParam(const Json::Value& doc) {
    ParamDef def;
    def.name = Member(doc, "name", Json::stringValue).asString();
    def.kind = Member(doc, "kind", Json::stringValue).asString();
    def.description = doc.get("description", "").asString();
    def.factory = doc["default"];
    if (def.kind == "int" || def.kind == "time") {
        def.min = Member(doc, "min", Json::intValue).asInt64();
        def.max = Member(doc, "max", Json::intValue).asInt64();
    } else if (def.kind == "enum") {
        def.values = Strings(Member(doc, "values", Json::arrayValue));
    } else if (def.kind == "text") {
        def.maxLength = Member(doc, "maxLength", Json::uintValue).asUInt();
    } else if (def.kind == "object") {
        def.geometry = Member(doc, "geometry", Json::stringValue).asString();
        def.minPoints = doc.get("minPoints", 0).asInt();
        def.maxPoints = doc.get("maxPoints", 0).asInt();
        const Json::Value& attributes = doc["attributes"];
        for (const std::string& name : attributes.getMemberNames()) {
            Json::Value attribute = attributes[name];
            attribute["name"] = name;
            def.attributes.push_back(ReadParam(attribute));
        }
    } else if (def.kind != "bool" && def.kind != "static" && def.kind != "clock") {
        throw ProfileFault("unknown parameter kind " + def.kind);
    }
    return def;
}

ParamSet ReadParams(const Json::Value& list) {
    ParamSet set;
    for (const Json::Value& doc : list) {
        set.params.push_back(ReadParam(doc));
    }
    return set;
}

}  // namespace

const ParamDef* ParamDef::Attribute(const std::string& attribute) const {
    for (const ParamDef& def : attributes) {
        if (def.name == attribute) {
            return &def;
        }
    }
    return nullptr;
}

const ParamDef* ParamSet::Find(const std::string& name) const {
    for (const ParamDef& def : params) {
        if (def.name == name) {
            return &def;
        }
    }
    return nullptr;
}

Json::Value ParamSet::Factory() const {
    Json::Value record(Json::objectValue);
    for (const ParamDef& def : params) {
        record[def.name] = def.factory;
    }
    return record;
}

bool Catalog::Conflicting(const std::string& a, const std::string& b) const {
    for (const auto& [first, second] : conflicts) {
        if ((first == a && second == b) || (first == b && second == a)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Catalog::StandardModules() const {
    std::vector<std::string> out;
    for (const auto& [name, module] : modules) {
        if (module.type == "standard_labels") {
            out.push_back(name);
        }
    }
    return out;
}

std::optional<Catalog> Catalog::FromProfile(const Json::Value& profile, std::string& error) {
    try {
        Catalog catalog;
        const Json::Value& functions = Member(profile, "functions", Json::objectValue);
        for (const std::string& name : functions.getMemberNames()) {
            FunctionDef def;
            def.params = ReadParams(Member(functions[name], "params", Json::arrayValue));
            def.requires_ = Strings(functions[name]["requires"]);
            def.requireFuns = Strings(functions[name]["requireFuns"]);
            catalog.functions[name] = std::move(def);
        }
        const Json::Value& modules = Member(profile, "modules", Json::objectValue);
        for (const std::string& name : modules.getMemberNames()) {
            catalog.modules[name] = {Member(modules[name], "type", Json::stringValue).asString(),
                                     ReadParams(Member(modules[name], "params", Json::arrayValue))};
        }
        const Json::Value& nonScenes = Member(profile, "nonScenes", Json::objectValue);
        for (const std::string& name : nonScenes.getMemberNames()) {
            catalog.nonScenes[name] =
                ReadParams(Member(nonScenes[name], "params", Json::arrayValue));
        }
        const Json::Value& alarms = Member(profile, "normalAlarms", Json::objectValue);
        for (const std::string& name : alarms.getMemberNames()) {
            catalog.alarms[name] = {Strings(Member(alarms[name], "tokens", Json::arrayValue)),
                                    ReadParams(Member(alarms[name], "params", Json::arrayValue))};
        }
        const Json::Value& tours = Member(profile, "tours", Json::objectValue);
        for (const std::string& name : tours.getMemberNames()) {
            catalog.tours[name] = {Member(tours[name], "rows", Json::intValue).asInt(),
                                   ReadParams(Member(tours[name], "plain", Json::arrayValue)),
                                   ReadParams(Member(tours[name], "entry", Json::arrayValue))};
        }
        const Json::Value& groups = Member(profile, "actionGroups", Json::objectValue);
        for (const std::string& name : groups.getMemberNames()) {
            catalog.actionGroups[name] = Strings(groups[name]);
        }
        for (const Json::Value& pair : Member(profile, "conflicts", Json::arrayValue)) {
            const auto names = Strings(pair);
            if (names.size() != 2) {
                throw ProfileFault("a conflict names two functions");
            }
            catalog.conflicts.emplace_back(names[0], names[1]);
        }
        const Json::Value& limits = Member(profile, "limits", Json::objectValue);
        catalog.limits.maxScenes = limits.get("maxScenes", 16).asInt();
        catalog.limits.maxRulesPerFunction = limits.get("maxRulesPerFunction", 8).asInt();
        catalog.limits.maxSceneNameBytes = limits.get("maxSceneNameBytes", 64).asUInt();
        catalog.limits.maxTokenBytes = limits.get("maxTokenBytes", 64).asUInt();
        catalog.limits.maxPeriodsPerDay = limits.get("maxPeriodsPerDay", 16).asInt();
        catalog.limits.maxGeometryItems = limits.get("maxGeometryItems", 4).asInt();
        catalog.factory = Member(profile, "factory", Json::objectValue);
        return catalog;
    } catch (const std::exception& fault) {
        error = fault.what();
        return std::nullopt;
    }
}

}  // namespace devsim
