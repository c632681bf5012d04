#pragma once
// Builds the "info" object of a command from named texts; every value a
// command carries, besides PTZ coordinates and embedded forms, is a string.

#include <json/value.h>

#include <QString>
#include <initializer_list>
#include <utility>

#include "narrow_text.h"

namespace vexo {

inline Json::Value CommandInfo(std::initializer_list<std::pair<const char*, QString>> members) {
    Json::Value info(Json::objectValue);
    for (const auto& [name, text] : members) {
        info[name] = ToNarrow(text);
    }
    return info;
}

}  // namespace vexo
