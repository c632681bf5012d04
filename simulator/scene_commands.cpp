// Scenes: the list, adding, deleting, selecting and changing a scene, and
// which analytics functions and modules a scene has.

#include <algorithm>

#include "config_document.h"
#include "device_parts.h"
#include "linkage_rules.h"
#include "request_fields.h"

namespace devsim {
namespace {

Json::Value SceneList(const Json::Value& doc) {
    Json::Value info;
    info["SelectSceneToken"] = doc["selectedScene"];
    info["DefaultSceneToken"] = doc["defaultScene"];
    info["SceneList"] = Json::Value(Json::arrayValue);
    for (const Json::Value& scene : doc["scenes"]) {
        Json::Value entry;
        entry["SceneName"] = scene["name"];
        entry["SceneToken"] = scene["token"];
        info["SceneList"].append(entry);
    }
    return info;
}

// The functions asked for, in order; a function that conflicts with one
// already taken is left out and named in "Fail".
std::vector<std::string> RequestedFunctions(const Catalog& catalog, const Json::Value& list) {
    std::vector<std::string> names;
    if (list.isString() && list.asString().empty()) {
        return names;  // no function at all
    }
    if (!list.isArray()) {
        throw DeviceError(err::kMemberType, "SceneConfigSmartFun");
    }
    for (const Json::Value& entry : list) {
        if (!entry.isObject() || !entry["SmartFunName"].isString()) {
            throw DeviceError(err::kMemberType, "SceneConfigSmartFun.SmartFunName");
        }
        const std::string name = entry["SmartFunName"].asString();
        FunctionOf(catalog, name);
        names.push_back(name);
    }
    return names;
}

Json::Value ModuleList(const Catalog& catalog, const Json::Value& scene) {
    std::vector<std::string> modules = catalog.StandardModules();
    for (const Json::Value& function : scene["functions"]) {
        for (const std::string& module : FunctionOf(catalog, function.asString()).requires_) {
            if (std::find(modules.begin(), modules.end(), module) == modules.end()) {
                modules.push_back(module);
            }
        }
    }
    Json::Value list(Json::arrayValue);
    for (const std::string& module : modules) {
        Json::Value entry;
        entry["ModuleName"] = module;
        list.append(entry);
    }
    return list;
}

}  // namespace

void RegisterSceneCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_GetSceneList", [parts](const Json::Value&, const CommandContext&) {
        return Acknowledge(parts.store.Read(SceneList));
    });

    table.Add("CMD_AddScene", [parts](const Json::Value& info, const CommandContext&) {
        const std::string name = RequiredText(info, "SceneName");
        const PtzPosition here = parts.ptz.Position();
        return Acknowledge(parts.store.Update([&](Json::Value& doc) {
            if (doc["scenes"].size() >= static_cast<unsigned>(parts.catalog.limits.maxScenes)) {
                throw DeviceError(err::kSceneLimit);
            }
            CheckSceneName(parts.catalog, doc, name, std::string());
            const int number = doc["nextSceneNumber"].asInt();
            doc["nextSceneNumber"] = number + 1;
            Json::Value scene = NewScene(parts.catalog, SceneTokenOf(number), name);
            SetScenePosition(scene, here);
            Json::Value reply;
            reply["SceneToken"] = scene["token"];
            doc["scenes"].append(std::move(scene));
            return reply;
        }));
    });

    table.Add("CMD_DelScene", [parts](const Json::Value& info, const CommandContext&) {
        const std::string token = RequiredText(info, "SceneToken");
        parts.store.Update([&](Json::Value& doc) {
            SceneOf(doc, token);
            if (doc["defaultScene"].asString() == token) {
                throw DeviceError(err::kDefaultScene);
            }
            Json::Value kept(Json::arrayValue);
            for (const Json::Value& scene : doc["scenes"]) {
                if (scene["token"].asString() != token) {
                    kept.append(scene);
                }
            }
            doc["scenes"] = std::move(kept);
            // The dome falls back to its default scene.
            if (doc["selectedScene"].asString() == token) {
                doc["selectedScene"] = doc["defaultScene"];
            }
            for (const std::string& type : doc["tours"].getMemberNames()) {
                ForgetTourScene(doc["tours"][type], token);
            }
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_SetCurScene", [parts](const Json::Value& info, const CommandContext& context) {
        const std::string token = RequiredText(info, "SceneToken");
        if (!parts.lock.MayControl(context.session)) {
            throw DeviceError(err::kPtzLocked);
        }
        const Json::Value scene = parts.store.Update([&](Json::Value& doc) {
            const Json::Value& found = SceneOf(doc, token);
            doc["selectedScene"] = token;
            return found;
        });
        // Selecting a scene drives the dome to the scene's stored view.
        if (const auto position = ScenePosition(scene)) {
            parts.ptz.MoveTo(*position);
        }
        return Acknowledge();
    });

    table.Add("CMD_ModifyScene", [parts](const Json::Value& info, const CommandContext&) {
        const std::string name = RequiredText(info, "SceneName");
        const std::string token = RequiredText(info, "SceneToken");
        const auto requested =
            RequestedFunctions(parts.catalog, RequiredMember(info, "SceneConfigSmartFun"));
        const PtzPosition here = parts.ptz.Position();
        return Acknowledge(parts.store.Update([&](Json::Value& doc) {
            Json::Value& scene = SceneOf(doc, token);
            CheckSceneName(parts.catalog, doc, name, token);
            Json::Value accepted(Json::arrayValue);
            Json::Value reply;
            reply["Fail"] = Json::Value(Json::arrayValue);
            for (const std::string& function : requested) {
                bool refused = false;
                bool twice = false;
                for (const Json::Value& taken : accepted) {
                    twice = twice || taken.asString() == function;
                    refused = refused || parts.catalog.Conflicting(taken.asString(), function);
                }
                if (twice) {
                    continue;
                }
                if (refused) {
                    Json::Value fail;
                    fail["SmartFunName"] = function;
                    reply["Fail"].append(fail);
                } else {
                    accepted.append(function);
                }
            }
            scene["name"] = name;
            scene["functions"] = accepted;
            // Saving a scene stores the view the dome shows now.
            SetScenePosition(scene, here);
            return reply;
        }));
    });

    table.Add("CMD_GetAllSupportSmartFunName",
              [parts](const Json::Value& info, const CommandContext&) {
                  const std::string token = RequiredText(info, "SceneToken");
                  return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
                      const Json::Value& scene = SceneOf(doc, token);
                      Json::Value reply(Json::objectValue);
                      for (const auto& [function, def] : parts.catalog.functions) {
                          reply[function] = "false";
                      }
                      for (const Json::Value& function : scene["functions"]) {
                          reply[function.asString()] = "true";
                      }
                      return reply;
                  }));
              });

    table.Add("CMD_GetSceneModuleList", [parts](const Json::Value& info, const CommandContext&) {
        const std::string token = RequiredText(info, "SceneToken");
        return Acknowledge(parts.store.Read([&](const Json::Value& doc) {
            return ModuleList(parts.catalog, SceneOf(doc, token));
        }));
    });
}

}  // namespace devsim
