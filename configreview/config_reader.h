#pragma once
// Reading a batch configuration text (the device's own, as "config get"
// writes it) from an operator's file. Files are edited by hand, so a text
// that is not JSON is reported with its line and column.

#include <json/value.h>

#include <string>
#include <string_view>

namespace vexo::review {

// Parses `text` (comments allowed, a UTF-8 byte-order mark skipped). On
// failure returns false and sets `error` to the reader's message, which
// names the line and column ("Line 3, Column 7").
bool ReadConfigText(std::string_view text, Json::Value& config, std::string& error);

// Whether `config` is a device's own batch configuration: an object with a
// "scenes" list. The control's export file (groups "Rules", "Modules", ...)
// is not; it names no scene and cannot be compared scene by scene.
bool IsDeviceConfig(const Json::Value& config);

// The compact one-line JSON text of a value, for messages.
std::string CompactJson(const Json::Value& value);

}  // namespace vexo::review
