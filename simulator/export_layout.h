#pragma once
// Applying a configuration in the layout of the control's export file:
// groups "NonScenes", "Modules" (name -> record), "Rules", "Alarms",
// "SmartLinkMethod", "NormalLinkMethod", "SmartArmingInterval",
// "NormalArmingInterval" (function or alarm type -> name -> record).
//
// The file names no scene, so the scene-bound groups (modules, rules and
// the rules' linkage and arming) apply to the device's selected scene. A
// rule is addressed by the record's "Token", or by its name in the group
// when the token is empty; a rule that does not exist yet is created. The
// linkage and arming groups address a normal alarm when their function
// name is an alarm type, a rule otherwise. A group or function that is
// null holds nothing. Throws DeviceError on anything unknown or invalid.

#include <json/value.h>

#include "catalog.h"

namespace devsim {

bool LooksLikeExportLayout(const Json::Value& config);
void ApplyExportLayout(const Catalog& catalog, const Json::Value& layout, Json::Value& doc);

}  // namespace devsim
