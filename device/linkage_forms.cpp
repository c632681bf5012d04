#include "linkage_forms.h"

#include "json_read.h"
#include "narrow_text.h"

namespace {

using vexo::ToNarrow;
namespace json = vexo::json;

void ReadStringMembers(const Json::Value& object, std::map<QString, QString>& out) {
    if (!object.isObject()) {
        return;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        QString text;
        if (json::ReadText(*it, text)) {
            out[json::KeyText(it)] = text;
        }
    }
}

}  // namespace

Json::Value SimpNameJson(const QString& text, const std::map<QString, QString>& attributes) {
    Json::Value out(Json::objectValue);
    out["simp"] = Json::Value();
    for (const auto& [name, value] : attributes) {
        out["simp"][ToNarrow(name)] = ToNarrow(value);
    }
    out["name"] = ToNarrow(text);
    return out;
}

void ReadSimpName(const Json::Value& object, QString& text,
                  std::map<QString, QString>& attributes) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it->isString()) {
            json::ReadText(*it, text);
        } else if (it->isObject()) {
            ReadStringMembers(*it, attributes);
        }
    }
}

Json::Value TriggerOwnerInfo(const QString& sceneToken, const ParamRecord& record) {
    Json::Value info(Json::objectValue);
    if (sceneToken == QLatin1String(kNormalAlarmOwnerToken)) {
        info["NormalAlarmType"] = ToNarrow(record.funName);
        info["NormalAlarmToken"] = ToNarrow(record.token);
    } else {
        info["SceneToken"] = ToNarrow(sceneToken);
        info["SmartFunName"] = ToNarrow(record.funName);
        info["RuleToken"] = ToNarrow(record.token);
    }
    return info;
}

Json::Value ActionTriggerJson(const ParamRecord& record) {
    Json::Value out(Json::objectValue);
    out["simp"] = Json::Value();
    for (const auto& [name, text] : record.plainParams) {
        out["simp"][ToNarrow(name)] = ToNarrow(text);
    }
    out["data"] = Json::Value();
    for (const auto& [name, value] : record.objectParams) {
        out["data"][ToNarrow(name)] = SimpNameJson(value.text, value.attributes);
    }
    return out;
}

void ReadActionTrigger(const Json::Value& info, ParamRecord& record) {
    if (!info.isObject()) {
        return;
    }
    for (auto it = info.begin(); it != info.end(); ++it) {
        if (!it->isObject()) {
            continue;
        }
        if (it.name() == "simp") {
            ReadStringMembers(*it, record.plainParams);
            continue;
        }
        // Any other object (the control writes "data") holds the object
        // parameters; only their "simp" gives attributes.
        for (auto param = it->begin(); param != it->end(); ++param) {
            if (!param->isObject()) {
                continue;
            }
            ParamValue value;
            for (auto member = param->begin(); member != param->end(); ++member) {
                if (member.name() == "simp") {
                    ReadStringMembers(*member, value.attributes);
                } else {
                    json::ReadText(*member, value.text);
                }
            }
            record.objectParams[json::KeyText(param)] = std::move(value);
        }
    }
}

Json::Value GuardSchedulesJson(const ParamRecord& record) {
    // "Token" is what the device reports, never what it is told: a parameter
    // of that name is not written.
    const QString token = QStringLiteral("Token");
    Json::Value out(Json::objectValue);
    for (const auto& [name, text] : record.plainParams) {
        if (name != token) {
            out[ToNarrow(name)] = ToNarrow(text);
        }
    }
    for (const auto& [name, value] : record.objectParams) {
        if (name != token) {
            out[ToNarrow(name)] = SimpNameJson(value.text, value.attributes);
        }
    }
    return out;
}

void ReadGuardSchedules(const Json::Value& info, ParamRecord& record) {
    if (!info.isObject()) {
        return;
    }
    for (auto it = info.begin(); it != info.end(); ++it) {
        if (it->isString()) {
            QString text;
            json::ReadText(*it, text);
            if (it.name() == "Token") {
                record.token = text;
            } else {
                record.plainParams[json::KeyText(it)] = text;
            }
        } else if (it->isObject()) {
            ParamValue value;
            ReadSimpName(*it, value.text, value.attributes);
            record.objectParams[json::KeyText(it)] = std::move(value);
        }
    }
}
