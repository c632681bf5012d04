#pragma once
// Readers of the device's command replies ("info"), one per reply shape.
// They take any JSON at all: an element or member of an unexpected type is
// treated as absent. Outputs are appended to or updated, never cleared.

#include <json/value.h>

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "command_records.h"
#include "param_record.h"

// "CMD_GetSceneList": appends one record per object of "SceneList".
void ReadSceneList(const Json::Value& info, std::vector<SceneRecord>& scenes);

// "CMD_GetAllSupportSmartFunName": appends every function name to `names`
// (when given) and every function reported "true", "TRUE" or true to
// `enabled`.
void ReadSmartFunNames(const Json::Value& info, QStringList* names, QStringList& enabled);

// Appends the string member `member` of every object element of the array
// `list` ("RuleToken" of "CMD_QueryRule", "SmartFunName" of a refusal list).
// Elements without it are skipped.
void ReadTextList(const Json::Value& list, const char* member, QStringList& out);

// "CMD_GetSceneModuleList": modules["ModuleName"] = "" per element.
void ReadModuleList(const Json::Value& info, std::map<QString, QString>& modules);

// "CMD_GetParamRange": "description" and the string members of "rangeMap".
void ReadParamRange(const Json::Value& info, ParamRange& range);

// "CMD_GetAllNormalAlarmFunName": one pair per object element; a missing
// half is the empty text.
void ReadNormalAlarmFuns(const Json::Value& info, std::vector<NormalAlarmFun>& funs);

// "CMD_GetPTZPosition": each of "fPan", "fTilt", "fZoom" that is a number;
// the others keep their values.
void ReadPtzPosition(const Json::Value& info, PtzPosition& position);

// "CMD_GetSmartStatus": 1 only for "TRUE" or "true"; anything else,
// including a missing "status", means off.
int ReadSmartStatus(const Json::Value& info);

// "CMD_GetBatchConfig": the "config" string, empty when there is none.
QString ReadBatchConfigText(const Json::Value& info);

// "CMD_GetConfigInfo": every string member.
void ReadConfigInfo(const Json::Value& info, std::map<QString, QString>& config);
