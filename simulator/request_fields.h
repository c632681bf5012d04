#pragma once
// Reading the members of a command's "info": a missing member and a member
// of the wrong JSON type are refused with their own texts, naming the
// member in the detail.

#include <json/value.h>

#include <string>

#include "device_error.h"

namespace devsim {

inline const Json::Value& InfoObject(const Json::Value& info) {
    if (!info.isObject()) {
        throw DeviceError(err::kMemberType, "info must be an object");
    }
    return info;
}

inline const Json::Value& RequiredMember(const Json::Value& info, const char* member) {
    const Json::Value& value = InfoObject(info)[member];
    if (value.isNull()) {
        throw DeviceError(err::kMissingMember, member);
    }
    return value;
}

inline std::string RequiredText(const Json::Value& info, const char* member) {
    const Json::Value& value = RequiredMember(info, member);
    if (!value.isString()) {
        throw DeviceError(err::kMemberType, member);
    }
    return value.asString();
}

inline const Json::Value& RequiredObject(const Json::Value& info, const char* member) {
    const Json::Value& value = RequiredMember(info, member);
    if (!value.isObject()) {
        throw DeviceError(err::kMemberType, member);
    }
    return value;
}

}  // namespace devsim
