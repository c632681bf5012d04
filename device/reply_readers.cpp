#include "reply_readers.h"

#include "json_read.h"

namespace json = vexo::json;

void ReadSceneList(const Json::Value& info, std::vector<SceneRecord>& scenes) {
    const QString selected = json::TextMember(info, "SelectSceneToken");
    const QString byDefault = json::TextMember(info, "DefaultSceneToken");
    const Json::Value* list = json::Member(info, "SceneList");
    if (list == nullptr || !list->isArray()) {
        return;
    }
    for (const Json::Value& element : *list) {
        if (!element.isObject()) {
            continue;
        }
        SceneRecord scene;
        scene.name = json::TextMember(element, "SceneName");
        scene.token = json::TextMember(element, "SceneToken");
        scene.kind = scene.token == byDefault ? kDefaultScene : kOrdinaryScene;
        scene.selected = scene.token == selected ? 1 : 0;
        scenes.push_back(std::move(scene));
    }
}

void ReadSmartFunNames(const Json::Value& info, QStringList* names, QStringList& enabled) {
    if (!info.isObject()) {
        return;
    }
    for (auto it = info.begin(); it != info.end(); ++it) {
        const QString name = json::KeyText(it);
        if (names != nullptr) {
            names->append(name);
        }
        QString text;
        const bool on = it->isBool()
                            ? it->asBool()
                            : json::ReadText(*it, text) &&
                                  (text == QLatin1String("true") || text == QLatin1String("TRUE"));
        if (on) {
            enabled.append(name);
        }
    }
}

void ReadTextList(const Json::Value& list, const char* member, QStringList& out) {
    if (!list.isArray()) {
        return;
    }
    for (const Json::Value& element : list) {
        QString text;
        const Json::Value* value = json::Member(element, member);
        if (value != nullptr && json::ReadText(*value, text)) {
            out.append(text);
        }
    }
}

void ReadModuleList(const Json::Value& info, std::map<QString, QString>& modules) {
    QStringList names;
    ReadTextList(info, "ModuleName", names);
    for (const QString& name : names) {
        modules[name] = QString();
    }
}

void ReadParamRange(const Json::Value& info, ParamRange& range) {
    if (const Json::Value* description = json::Member(info, "description")) {
        json::ReadText(*description, range.description);
    }
    const Json::Value* map = json::Member(info, "rangeMap");
    if (map == nullptr || !map->isObject()) {
        return;
    }
    for (auto it = map->begin(); it != map->end(); ++it) {
        QString text;
        if (json::ReadText(*it, text)) {
            range.rangeMap[json::KeyText(it)] = text;
        }
    }
}

void ReadNormalAlarmFuns(const Json::Value& info, std::vector<NormalAlarmFun>& funs) {
    if (!info.isArray()) {
        return;
    }
    for (const Json::Value& element : info) {
        if (element.isObject()) {
            funs.push_back({json::TextMember(element, "NormalAlarmType"),
                            json::TextMember(element, "NormalAlarmToken")});
        }
    }
}

void ReadPtzPosition(const Json::Value& info, PtzPosition& position) {
    json::ReadFloatMember(info, "fPan", position.pan);
    json::ReadFloatMember(info, "fTilt", position.tilt);
    json::ReadFloatMember(info, "fZoom", position.zoom);
}

int ReadSmartStatus(const Json::Value& info) {
    const QString status = json::TextMember(info, "status");
    return status == QLatin1String("TRUE") || status == QLatin1String("true") ? 1 : 0;
}

QString ReadBatchConfigText(const Json::Value& info) {
    return json::TextMember(info, "config");
}

void ReadConfigInfo(const Json::Value& info, std::map<QString, QString>& config) {
    if (!info.isObject()) {
        return;
    }
    for (auto it = info.begin(); it != info.end(); ++it) {
        QString text;
        if (json::ReadText(*it, text)) {
            config[json::KeyText(it)] = text;
        }
    }
}
