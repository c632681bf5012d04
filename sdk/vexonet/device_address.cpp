#include "device_address.h"

#include <algorithm>
#include <charconv>

namespace vexonet {
namespace {

bool ValidHostText(std::string_view host, bool ipv6) {
    if (host.empty() || host.size() > 255) {
        return false;
    }
    return std::all_of(host.begin(), host.end(), [ipv6](char c) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        return alnum || c == '.' || c == '-' || c == '_' || (ipv6 && c == ':');
    });
}

std::optional<int> ParsePort(std::string_view text) {
    int port = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || port <= 0 ||
        port > 65535) {
        return std::nullopt;
    }
    return port;
}

}  // namespace

std::string DeviceAddress::BaseUrl(int defaultPort) const {
    const int effectivePort = port > 0 ? port : defaultPort;
    std::string url = "http://";
    url += ipv6 ? "[" + host + "]" : host;
    url += ":" + std::to_string(effectivePort);
    return url;
}

std::optional<DeviceAddress> ParseDeviceAddress(std::string_view address) {
    DeviceAddress result;
    if (!address.empty() && address.front() == '[') {
        const size_t close = address.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        result.host = std::string(address.substr(1, close - 1));
        result.ipv6 = true;
        const std::string_view rest = address.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') {
                return std::nullopt;
            }
            const auto port = ParsePort(rest.substr(1));
            if (!port) {
                return std::nullopt;
            }
            result.port = *port;
        }
    } else if (std::count(address.begin(), address.end(), ':') > 1) {
        result.host = std::string(address);
        result.ipv6 = true;
    } else {
        const size_t colon = address.find(':');
        result.host = std::string(address.substr(0, colon));
        if (colon != std::string_view::npos) {
            const auto port = ParsePort(address.substr(colon + 1));
            if (!port) {
                return std::nullopt;
            }
            result.port = *port;
        }
    }
    if (!ValidHostText(result.host, result.ipv6)) {
        return std::nullopt;
    }
    return result;
}

}  // namespace vexonet
