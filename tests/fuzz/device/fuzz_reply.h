#pragma once
// Turns fuzz input into what a command operation reads: the reply's "info"
// after the channel's own reply handling.

#include <json/value.h>

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "device_command_channel.h"

namespace vexo::fuzz {

// False when the text is no reply the channel hands on.
inline bool ReplyInfo(const uint8_t* data, size_t size, Json::Value& info) {
    QString lastError;
    DeviceCommandChannel::ApplyReply(std::string_view(reinterpret_cast<const char*>(data), size),
                                     lastError, info);
    return !info.isNull();
}

// A broken invariant is a finding: stop so the fuzzer keeps the input.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace vexo::fuzz
