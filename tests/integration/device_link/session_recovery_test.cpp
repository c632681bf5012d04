// The login id stays valid when the device forgets its session: the library
// logs in again with the stored credentials and repeats the request once.

#include <thread>

#include "link_fixture.h"

namespace {

class SessionRecoveryTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        ASSERT_TRUE(LoginChannel());
    }
    int CountLogins() const {
        int logins = 0;
        for (const auto& line : sim_.Journal()) {
            logins += line["path"].asString() == "/vexo/v1/login" ? 1 : 0;
        }
        return logins;
    }
    int SendParamInit() {
        Json::Value reply;
        return channel_.SendCommand("CMD_ParamInit", Json::Value(), reply);
    }
};

}  // namespace

TEST_F(SessionRecoveryTest, ForgottenSessionsAreRenewedTransparently) {
    const int loginsBefore = CountLogins();
    Json::Value control;
    control["forget_sessions"] = true;
    ASSERT_EQ(sim_.Control(control), 200);
    EXPECT_EQ(SendParamInit(), 1);
    EXPECT_GT(CountLogins(), loginsBefore);
    const int loginsAfter = CountLogins();
    EXPECT_EQ(SendParamInit(), 1);
    EXPECT_EQ(CountLogins(), loginsAfter);  // the new session is reused
}

TEST_F(SessionRecoveryTest, ExpiredSessionIsRenewed) {
    Json::Value control;
    control["session_expiry"] = 1;
    ASSERT_EQ(sim_.Control(control), 200);
    ASSERT_EQ(SendParamInit(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    const int loginsBefore = CountLogins();
    EXPECT_EQ(SendParamInit(), 1);
    // One digest login: the challenge and the authenticated request.
    EXPECT_EQ(CountLogins(), loginsBefore + 2);
}

TEST_F(SessionRecoveryTest, RestartedDeviceOnSamePortKeepsTheLoginIdWorking) {
    const int32_t id = session_.LoginId();
    ASSERT_TRUE(sim_.Restart());
    EXPECT_EQ(SendParamInit(), 1);
    EXPECT_EQ(session_.LoginId(), id);
    // The new process's journal starts with the second login.
    const auto journal = sim_.Journal();
    bool sawLoginAfterRestart = false;
    for (const auto& line : journal) {
        sawLoginAfterRestart |= line["path"].asString() == "/vexo/v1/login";
    }
    EXPECT_TRUE(sawLoginAfterRestart);
}

TEST_F(SessionRecoveryTest, DeviceDownMeansFailureNotHang) {
    sim_.Stop();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendParamInit(), 0);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 3.5);
    ASSERT_TRUE(sim_.Restart());
    EXPECT_EQ(SendParamInit(), 1);
}
