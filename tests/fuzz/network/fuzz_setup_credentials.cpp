// The setup-XML credential reader and the device address parser get any
// bytes a host might pass to the login.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device_address.h"
#include "setup_xml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto credentials = vexonet::ReadSetupCredentials(text)) {
        // What was read lies inside the input.
        if (credentials->user.size() + credentials->password.size() > size ||
            credentials->port < 0 || credentials->port > 65535) {
            __builtin_trap();
        }
    }
    if (const auto address = vexonet::ParseDeviceAddress(text)) {
        if (address->BaseUrl(90).find_first_of(" /@?#", 7) != std::string::npos) {
            __builtin_trap();
        }
    }
    return 0;
}
