#include <gtest/gtest.h>

#include "device_address.h"

using vexonet::ParseDeviceAddress;

TEST(DeviceAddress, FormsWithAndWithoutPort) {
    // The address, the port used when it names none, the base of its URLs.
    for (const auto& [text, port, url] :
         {std::tuple{"192.168.1.64", 90, "http://192.168.1.64:90"},
          {"camera-1.local:8080", 90, "http://camera-1.local:8080"},
          {"[::1]:4000", 90, "http://[::1]:4000"},
          {"[fe80::1]", 90, "http://[fe80::1]:90"},
          {"fe80::2", 91, "http://[fe80::2]:91"}}) {
        const auto address = ParseDeviceAddress(text);
        ASSERT_TRUE(address) << text;
        EXPECT_EQ(address->BaseUrl(port), url);
    }
}

TEST(DeviceAddress, RefusesAddressesThatWouldChangeTheUrl) {
    for (const char* bad :
         {"", ":80", "host:", "host:0", "host:70000", "host:80x", "a b", "user@host", "host/path",
          "host?x", "host#x", "[::1", "[::1]x", "[::1]:", "h%41", "ho\\st"}) {
        EXPECT_FALSE(ParseDeviceAddress(bad).has_value()) << bad;
    }
}
