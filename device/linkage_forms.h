#pragma once
// The JSON forms of an action trigger ("ActionTriggerData") and a guard
// schedule ("GuardSchedulesData"), the identity members that name their
// owner, and the readers of the device's replies. Also the {"simp", "name"}
// form that these and the tour data share.

#include <json/value.h>

#include <QString>
#include <map>

#include "command_records.h"
#include "param_record.h"

// {"simp": attributes or null, "name": text}
Json::Value SimpNameJson(const QString& text, const std::map<QString, QString>& attributes);

// Reads an object in the {"simp", "name"} form the way the device may send
// it: every string member sets `text` (the last in key order wins) and every
// object member adds its string members to `attributes`.
void ReadSimpName(const Json::Value& object, QString& text, std::map<QString, QString>& attributes);

// The identity members of a trigger or schedule command: "NormalAlarmType"
// and "NormalAlarmToken" for the normal alarm owner, otherwise "SceneToken",
// "SmartFunName" and "RuleToken".
Json::Value TriggerOwnerInfo(const QString& sceneToken, const ParamRecord& record);

Json::Value ActionTriggerJson(const ParamRecord& record);
void ReadActionTrigger(const Json::Value& info, ParamRecord& record);

// Guard schedules carry no "Token" member when written; a "Token" in a reply
// sets the record's token.
Json::Value GuardSchedulesJson(const ParamRecord& record);
void ReadGuardSchedules(const Json::Value& info, ParamRecord& record);
