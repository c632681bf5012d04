#pragma once
// Parses the device address given to VEXONET_LoginEx into the base URL of
// the device's HTTP endpoint.

#include <optional>
#include <string>
#include <string_view>

namespace vexonet {

struct DeviceAddress {
    std::string host;  // without brackets
    int port = 0;      // 0 when the address names none
    bool ipv6 = false;

    // "http://host:port" (brackets around an IPv6 host).
    std::string BaseUrl(int defaultPort) const;
};

// Accepts "host", "host:port", "[ipv6]", "[ipv6]:port" and a bare IPv6
// address. Refuses empty hosts, bad ports and characters that would change
// the meaning of a URL (spaces, "/", "@", "?", "#", "%", "\\").
std::optional<DeviceAddress> ParseDeviceAddress(std::string_view address);

}  // namespace vexonet
