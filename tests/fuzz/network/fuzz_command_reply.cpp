// The channel's handling of a device reply text: any bytes the device
// sends must give 1 or 0, never a crash or an exception.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device_command_channel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString lastError("before");
    Json::Value reply("before");
    const int result = DeviceCommandChannel::ApplyReply(
        std::string_view(reinterpret_cast<const char*>(data), size), lastError, reply);
    if (result != 0 && result != 1) {
        __builtin_trap();
    }
    return 0;
}
