// Scene operations of the command channel and the scene function cache.

#include "command_info.h"
#include "device_command_channel.h"
#include "json_read.h"
#include "reply_readers.h"

using vexo::CommandInfo;

int DeviceCommandChannel::GetSceneList(std::vector<SceneRecord>& scenes) {
    Json::Value reply;
    if (!SendCommand("CMD_GetSceneList", Json::Value(), reply)) {
        return 0;
    }
    ReadSceneList(reply, scenes);
    return 1;
}

int DeviceCommandChannel::AddScene(const QString& sceneName, QString& sceneToken) {
    Json::Value reply;
    if (!SendCommand("CMD_AddScene", CommandInfo({{"SceneName", sceneName}}), reply)) {
        return 0;
    }
    // A device that names no token leaves the caller with an empty one.
    sceneToken = vexo::json::TextMember(reply, "SceneToken");
    return 1;
}

int DeviceCommandChannel::DelScene(const QString& sceneToken) {
    Json::Value reply;
    if (!SendCommand("CMD_DelScene", CommandInfo({{"SceneToken", sceneToken}}), reply)) {
        return 0;
    }
    sceneFunctions_.erase(sceneToken);
    return 1;
}

int DeviceCommandChannel::SetCurScene(const QString& sceneToken) {
    Json::Value reply;
    return SendCommand("CMD_SetCurScene", CommandInfo({{"SceneToken", sceneToken}}), reply);
}

int DeviceCommandChannel::ModifyScene(const QString& sceneToken, const QString& sceneName,
                                      const QStringList& funNames, QStringList& refusedFunNames) {
    Json::Value info = CommandInfo({{"SceneName", sceneName}, {"SceneToken", sceneToken}});
    Json::Value functions(Json::arrayValue);
    for (const QString& name : funNames) {
        functions.append(CommandInfo({{"SmartFunName", name}}));
    }
    // The device reads an empty function list as the empty text, not [].
    info["SceneConfigSmartFun"] = funNames.isEmpty() ? Json::Value("") : functions;
    Json::Value reply;
    if (!SendCommand("CMD_ModifyScene", info, reply)) {
        return 0;
    }
    if (const Json::Value* fail = vexo::json::Member(reply, "Fail")) {
        ReadTextList(*fail, "SmartFunName", refusedFunNames);
    }
    // The device may have enabled fewer functions than asked for: ask again.
    // Unanswered, the list from before the change is no longer the scene's.
    if (!QuerySceneFunctions(sceneToken, nullptr)) {
        sceneFunctions_.erase(sceneToken);
    }
    return 1;
}

DeviceCommandChannel::AheadCommand DeviceCommandChannel::FunctionListRead(
    const QString& sceneToken) {
    return {"CMD_GetAllSupportSmartFunName", CommandInfo({{"SceneToken", sceneToken}})};
}

DeviceCommandChannel::AheadCommand DeviceCommandChannel::ModuleListRead(const QString& sceneToken) {
    return {"CMD_GetSceneModuleList", CommandInfo({{"SceneToken", sceneToken}})};
}

int DeviceCommandChannel::QuerySceneFunctions(const QString& sceneToken, QStringList* funNames) {
    Json::Value reply;
    const AheadCommand read = FunctionListRead(sceneToken);
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    QStringList enabled;
    ReadSmartFunNames(reply, funNames, enabled);
    sceneFunctions_[sceneToken] = enabled;
    return 1;
}

int DeviceCommandChannel::GetAllSupportSmartFunName(const QString& sceneToken,
                                                    QStringList& funNames) {
    return QuerySceneFunctions(sceneToken, &funNames);
}

int DeviceCommandChannel::GetSceneSmartFuns(const QString& sceneToken,
                                            QStringList& funNames) const {
    const auto it = sceneFunctions_.find(sceneToken);
    funNames = it == sceneFunctions_.end() ? QStringList() : it->second;
    return it == sceneFunctions_.end() ? 0 : 1;
}

int DeviceCommandChannel::GetSceneModuleList(const QString& sceneToken,
                                             std::map<QString, QString>& modules) {
    Json::Value reply;
    const AheadCommand read = ModuleListRead(sceneToken);
    if (!SendCommand(read.command, read.params, reply)) {
        return 0;
    }
    ReadModuleList(reply, modules);
    return 1;
}
