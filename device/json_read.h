#pragma once
// Type-checked reads of device replies. A device may answer any JSON at all;
// the JSON library throws when a value is read as a type it does not have, so
// every read of device data goes through these, and a member of an unexpected
// type counts as absent.

#include <json/value.h>

#include <QString>

namespace vexo::json {

// The member `name` when `value` is an object holding it, else nullptr.
const Json::Value* Member(const Json::Value& value, const char* name);

// Sets `out` to the text of `value` when it is a string; returns whether it was.
bool ReadText(const Json::Value& value, QString& out);

// The text of the string member `name`, or the empty text when the member is
// missing or not a string.
QString TextMember(const Json::Value& value, const char* name);

// Sets `out` when the member `name` is a number; returns whether it was.
bool ReadFloatMember(const Json::Value& value, const char* name, float& out);

// The key of an object member, as wide text.
QString KeyText(const Json::Value::const_iterator& it);

}  // namespace vexo::json
