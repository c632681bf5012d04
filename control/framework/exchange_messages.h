#pragma once
// The operator's message after an exchange that failed without an answer
// from the device: what the command was for and what happened, in the
// current language ("Saving the rule failed: The device did not answer").

#include <json/value.h>

#include <QString>
#include <string>

#include "exchange_gate.h"

namespace vexo {

// What `command` with its request "info" was for ("Saving the rule").
QString CommandPurpose(const std::string& command, const Json::Value& info);

// The whole message; empty for an acknowledged, refused or unsent command.
QString ExchangeFailureMessage(const std::string& command, const Json::Value& info,
                               ExchangeFailure failure);

}  // namespace vexo
