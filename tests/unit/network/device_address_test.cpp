#include <gtest/gtest.h>

#include "device_address.h"

using vexonet::ParseDeviceAddress;

TEST(DeviceAddress, FormsWithAndWithoutPort) {
    auto a = ParseDeviceAddress("192.168.1.64");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->BaseUrl(90), "http://192.168.1.64:90");

    a = ParseDeviceAddress("camera-1.local:8080");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->BaseUrl(90), "http://camera-1.local:8080");

    a = ParseDeviceAddress("[::1]:4000");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->BaseUrl(90), "http://[::1]:4000");

    a = ParseDeviceAddress("[fe80::1]");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->BaseUrl(90), "http://[fe80::1]:90");

    a = ParseDeviceAddress("fe80::2");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->BaseUrl(91), "http://[fe80::2]:91");
}

TEST(DeviceAddress, RefusesAddressesThatWouldChangeTheUrl) {
    for (const char* bad :
         {"", ":80", "host:", "host:0", "host:70000", "host:80x", "a b", "user@host", "host/path",
          "host?x", "host#x", "[::1", "[::1]x", "[::1]:", "h%41", "ho\\st"}) {
        EXPECT_FALSE(ParseDeviceAddress(bad).has_value()) << bad;
    }
}
