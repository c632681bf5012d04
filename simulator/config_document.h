#pragma once
// The layout of the analytics configuration document and the operations on
// it that several commands share.
//
// {
//   "format": 1, "smartStatus": "TRUE", "nextSceneNumber": 4,
//   "defaultScene": token, "selectedScene": token,
//   "scenes": [{"token", "name", "functions": [...],
//               "modules": {module: record},
//               "rules": {function: [{"token", "params", "trigger", "schedule"}]}}],
//   "nonScenes": {name: record},
//   "normalAlarms": {type: {token: {"params", "trigger", "schedule"}}},
//   "tours": {type: tour data}
// }
//
// A record maps parameter names to their wire values. Rules of a function
// that a scene no longer runs are kept, so that switching it on again
// brings them back. The scene's PTZ position is its module
// "zelk:ScenePosition_Settings".

#include <json/value.h>

#include <optional>
#include <set>
#include <string>

#include "catalog.h"
#include "ptz_model.h"

namespace devsim {

inline constexpr int kDocumentFormat = 1;
inline constexpr const char* kPositionModule = "zelk:ScenePosition_Settings";
inline constexpr const char* kPositionParam = "ScenePosition";
inline constexpr const char* kNormalAlarmOwner = "zelk:NormalAlarm";

Json::Value FactoryDocument(const Catalog& catalog);
// A whole configuration from outside (a stored file or a batch text),
// checked member by member and rebuilt in the device's own form. Throws
// DeviceError when anything in it is unknown or invalid.
Json::Value RestoreDocument(const Catalog& catalog, const Json::Value& incoming);

Json::Value NewScene(const Catalog& catalog, const std::string& token, const std::string& name);
Json::Value NewRule(const Catalog& catalog, const std::string& function, const std::string& token);
std::string SceneTokenOf(int number);

// Lookups that refuse with the matching error when nothing is found.
Json::Value& SceneOf(Json::Value& doc, const std::string& token);
const Json::Value& SceneOf(const Json::Value& doc, const std::string& token);
const FunctionDef& FunctionOf(const Catalog& catalog, const std::string& name);
const ModuleDef& ModuleOf(const Catalog& catalog, const std::string& name);
const AlarmDef& AlarmOf(const Catalog& catalog, const std::string& type, const std::string& token);
const ParamSet& NonSceneOf(const Catalog& catalog, const std::string& name);
// A rule of a function that runs in the scene.
Json::Value& RuleOf(Json::Value& scene, const std::string& function, const std::string& token);
const Json::Value& RuleOf(const Json::Value& scene, const std::string& function,
                          const std::string& token);
void RequireEnabled(const Json::Value& scene, const std::string& function);

// Refuses an unusable scene name; `self` is the scene being renamed.
void CheckSceneName(const Catalog& catalog, const Json::Value& doc, const std::string& name,
                    const std::string& self);
void CheckRuleToken(const Catalog& catalog, const std::string& token);
// Creates a rule with factory values (limit and token checked).
Json::Value& AddRuleTo(const Catalog& catalog, Json::Value& scene, const std::string& function,
                       const std::string& token);

std::set<std::string> SceneTokens(const Json::Value& doc);
std::optional<PtzPosition> ScenePosition(const Json::Value& scene);
void SetScenePosition(Json::Value& scene, const PtzPosition& position);

}  // namespace devsim
