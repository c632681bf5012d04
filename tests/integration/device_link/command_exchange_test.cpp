// One command exchange through DeviceCommandChannel, including every way a
// reply can go wrong, reproduced with the simulator's knobs.

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "channel_fixture.h"

namespace {

class ExchangeTest : public vexo::test::ChannelFixture {
protected:
    int Send(const std::string& command, Json::Value& reply, Json::Value params = Json::Value()) {
        return channel_.SendCommand(command, params, reply);
    }
};

}  // namespace

// What the reply readers make of a readable reply is tested on its own;
// here the transport breaks.
TEST_F(ExchangeTest, BrokenRepliesFailAndChangeNothing) {
    Script("CMD_Seed", R"({"ack":"1","errinfo":"seed"})");
    Json::Value reply;
    Send("CMD_Seed", reply);
    ASSERT_EQ(LastError(), "seed");

    for (const auto& [command, fault] : {std::pair{"CMD_Malformed", "malformed"},
                                         {"CMD_Empty", "empty"},
                                         {"CMD_Drop", "drop"},
                                         {"CMD_Status", "status500"}}) {
        ASSERT_EQ(sim_.ControlText(std::string(R"({"fault": {"op": ")") + command +
                                   R"(", "kind": ")" + fault + "\"}}"),
                  200);
        Json::Value untouched("untouched");
        EXPECT_EQ(Send(command, untouched), 0) << command;
        EXPECT_EQ(untouched.asString(), "untouched") << command;
        EXPECT_EQ(LastError(), "seed") << command;
    }
    // The link is still usable afterwards.
    EXPECT_EQ(Send("CMD_ParamInit", reply), 1);
}

TEST_F(ExchangeTest, SlowDeviceTimesOutInsteadOfHanging) {
    VEXONET_SetTimeouts(0, 400);
    ASSERT_EQ(sim_.ControlText(R"({"latency_ms": 1500})"), 200);
    Json::Value reply("untouched");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Send("CMD_ParamInit", reply), 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.4);
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_TIMEOUT);
    EXPECT_EQ(reply.asString(), "untouched");

    ASSERT_EQ(sim_.ControlText(R"({"latency_ms": 0})"), 200);
    VEXONET_SetTimeouts(0, 10000);
    EXPECT_EQ(Send("CMD_ParamInit", reply), 1);
}

TEST_F(ExchangeTest, ReplyBufferStaysValidUntilTheNextCommand) {
    char* first = nullptr;
    int32_t length = 0;
    const char* request = R"({"info":"","op":"CMD_ParamInit"})";
    ASSERT_EQ(VEXONET_OperateSmartFun(session_.LoginId(), request, &first, &length), 1);
    ASSERT_NE(first, nullptr);
    const std::string copy(first);
    EXPECT_EQ(static_cast<size_t>(length), copy.size());
    EXPECT_EQ(std::string(first), copy);  // still readable (ASan would catch a freed buffer)

    char* untouched = reinterpret_cast<char*>(0x1);
    EXPECT_EQ(VEXONET_OperateSmartFun(12345, request, &untouched, &length), 0);
    EXPECT_EQ(untouched, reinterpret_cast<char*>(0x1));
    EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_LOGIN_ID);
}

// Calls on one login from several threads run side by side on the login's
// connections; each thread always gets its own reply, and a session the
// device forgot is renewed once for all of them.
TEST_F(ExchangeTest, ThreadsOnOneLoginEachGetTheirOwnReply) {
    const std::vector<std::string> names = {"A", "B", "C", "D", "E", "F"};
    for (const std::string& name : names) {
        Script("CMD_" + name, R"({"ack":"0","info":")" + name + "\"}");
    }
    const int32_t id = session_.LoginId();
    ASSERT_EQ(sim_.ControlText(R"({"forget_sessions": true})"), 200);
    const int loginsBefore = sim_.JournalCount("/vexo/v1/login");
    std::atomic<int> mismatches{0};
    auto worker = [&](const std::string& name) {
        const std::string request =
            DeviceCommandChannel::BuildRequestText("CMD_" + name, Json::Value());
        for (int i = 0; i < 60; ++i) {
            char* reply = nullptr;
            int32_t length = 0;
            if (VEXONET_OperateSmartFun(id, request.c_str(), &reply, &length) != 1 ||
                std::string(reply).find("\"" + name + "\"") == std::string::npos) {
                ++mismatches;
            }
        }
    };
    std::vector<std::thread> threads;
    for (const std::string& name : names) {  // more threads than connections
        threads.emplace_back(worker, name);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches.load(), 0);
    // One digest login: the challenge and the authenticated request.
    EXPECT_EQ(sim_.JournalCount("/vexo/v1/login"), loginsBefore + 2);
}

// An answer over 16 MiB is a broken device: the library stops reading it.
TEST(OversizedReply, IsRefusedWithoutTakingItIn) {
    const std::string folder = vexo::test::MakeTempFolder("vexo-huge-");
    const std::string path = vexo::test::WriteFileText(
        folder + "/huge.json", R"({"ack":"0","info":")" + std::string(17 << 20, 'x') + "\"}");
    vexo::test::SimProcess sim({"--script", "CMD_Huge=" + path});
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(VEXONET_Init());
    {
        CAudioVideoPlay session;
        DeviceCommandChannel channel;
        ASSERT_EQ(channel.ParamInit(&session, QString::fromStdString(sim.Address()), "admin",
                                    "Admin_123"),
                  1);
        Json::Value reply("untouched");
        EXPECT_EQ(channel.SendCommand("CMD_Huge", Json::Value(), reply), 0);
        EXPECT_EQ(VEXONET_GetLastError(), VEXONET_ERR_TOO_LARGE);
        EXPECT_EQ(reply.asString(), "untouched");
        EXPECT_EQ(channel.SendCommand("CMD_ParamInit", Json::Value(), reply), 1);
    }
    VEXONET_Cleanup();
    std::filesystem::remove_all(folder);
}
