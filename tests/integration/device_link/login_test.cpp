// Logging into the simulated device through the network library.

#include <chrono>

#include "channel_fixture.h"
#include "narrow_text.h"

namespace {

int32_t LoginEx(const std::string& address, const QString& user, const QString& password) {
    const std::string xml = vexo::ToNarrow(CAudioVideoPlay::BuildSetupXml(user, password));
    return VEXONET_LoginEx(address.c_str(), xml.c_str());
}

using vexo::test::ChannelFixture;

class LoginTest : public ChannelFixture {
protected:
    LoginTest() : ChannelFixture({}, false) {}
    // Seconds the right credentials take to fail to log in.
    double SecondsToFail() {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(LoginEx(sim_.Address(), "admin", "Admin_123"), -1);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

class HostileCredentialsTest : public ChannelFixture {
protected:
    HostileCredentialsTest() : ChannelFixture({"--user", "op&<r:pa<ss&w>rd\"'"}, false) {}
};

class DigestAlgorithmTest : public ChannelFixture,
                            public ::testing::WithParamInterface<const char*> {
protected:
    DigestAlgorithmTest() : ChannelFixture({"--digest", GetParam()}, false) {}
};

}  // namespace

TEST_F(LoginTest, RightCredentialsGiveSmallLoginIds) {
    const int32_t first = LoginEx(sim_.Address(), "admin", "Admin_123");
    const int32_t second = LoginEx(sim_.Address(), "admin", "Admin_123");
    EXPECT_GE(first, 0);
    EXPECT_GE(second, 0);
    EXPECT_NE(first, second);
    EXPECT_LT(second, 16);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_OK);
}

TEST_F(LoginTest, BadArgumentsAreRefusedWithoutNetwork) {
    EXPECT_EQ(VEXONET_LoginEx(nullptr, "x"), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(VEXONET_LoginEx("host name", "<Ptz>a</Ptz>"), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_PARAMETER);
    EXPECT_EQ(VEXONET_LoginEx(sim_.Address().c_str(), "<Setup/>"), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_SETUP);
}

TEST_F(LoginTest, NothingListeningFailsWithinThreeSeconds) {
    sim_.Stop();  // its port is now closed
    EXPECT_LT(SecondsToFail(), 3.0);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_CONNECT);
}

TEST_F(LoginTest, SilentDeviceFailsAtTheExchangeTimeOut) {
    VEXONET_SetTimeouts(0, 800);
    ASSERT_EQ(sim_.ControlText(R"({"latency_ms": 3000})"), 200);
    EXPECT_LT(SecondsToFail(), 2.0);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_TIMEOUT);
}

TEST_F(HostileCredentialsTest, PasswordWithMarkupCharactersLogsIn) {
    EXPECT_GE(LoginEx(sim_.Address(), "op&<r", "pa<ss&w>rd\"'"), 0);
    EXPECT_EQ(LoginEx(sim_.Address(), "op&<r", "pa<ss&w>rd"), -1);
}

TEST_P(DigestAlgorithmTest, LogsInWithTheOfferedAlgorithmAndRefusesWrongCredentials) {
    EXPECT_GE(LoginEx(sim_.Address(), "admin", "Admin_123"), 0);
    EXPECT_EQ(LoginEx(sim_.Address(), "admin", "Admin_12"), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_AUTH);
    EXPECT_EQ(LoginEx(sim_.Address(), "nobody", "Admin_123"), -1);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_AUTH);
}

INSTANTIATE_TEST_SUITE_P(Algorithms, DigestAlgorithmTest,
                         ::testing::Values("md5", "sha256", "both"));
