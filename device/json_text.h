#pragma once
// The two JSON text forms of the device link: requests are written by the
// JSON library's styled writer (three-space indentation, members in key
// order) and replies are read with comments allowed.

#include <json/value.h>

#include <string>
#include <string_view>

namespace vexo {

std::string StyledJson(const Json::Value& value);

// Parses `text` (comments allowed). Returns false, leaving `out` untouched,
// when the text is not JSON.
bool ParseJson(std::string_view text, Json::Value& out);

}  // namespace vexo
