// The login id stays valid when the device forgets its session: the library
// logs in again with the stored credentials and repeats the request once.
// (A device restarted on its port is the PTZ burst test's.)

#include <thread>

#include "channel_fixture.h"

namespace {

class SessionRecoveryTest : public vexo::test::ChannelFixture {
protected:
    int CountLogins() const { return sim_.JournalCount("/vexo/v1/login"); }
    int SendParamInit() {
        Json::Value reply;
        return channel_.SendCommand("CMD_ParamInit", Json::Value(), reply);
    }
};

}  // namespace

TEST_F(SessionRecoveryTest, ForgottenSessionsAreRenewedTransparently) {
    const int loginsBefore = CountLogins();
    ASSERT_EQ(sim_.ControlText(R"({"forget_sessions": true})"), 200);
    EXPECT_EQ(SendParamInit(), 1);
    EXPECT_GT(CountLogins(), loginsBefore);
    const int loginsAfter = CountLogins();
    EXPECT_EQ(SendParamInit(), 1);
    EXPECT_EQ(CountLogins(), loginsAfter);  // the new session is reused
}

TEST_F(SessionRecoveryTest, ExpiredSessionIsRenewed) {
    ASSERT_EQ(sim_.ControlText(R"({"session_expiry": 1})"), 200);
    ASSERT_EQ(SendParamInit(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    const int loginsBefore = CountLogins();
    EXPECT_EQ(SendParamInit(), 1);
    // One digest login: the challenge and the authenticated request.
    EXPECT_EQ(CountLogins(), loginsBefore + 2);
}

TEST_F(SessionRecoveryTest, DeviceDownMeansFailureNotHang) {
    sim_.Stop();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendParamInit(), 0);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3.5);
    ASSERT_TRUE(sim_.Restart());
    EXPECT_EQ(SendParamInit(), 1);
}
