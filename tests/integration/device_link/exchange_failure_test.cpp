// How an exchange ended, as the channel tells it: acknowledged, refused, or
// one of the ways a device fails to answer, each reproduced with the
// simulator's knobs; and the gate a thread's exchanges pass through.

#include <chrono>
#include <thread>

#include "channel_fixture.h"

namespace {

using vexo::ExchangeFailure;

class ExchangeFailureTest : public vexo::test::ChannelFixture {
protected:
    ExchangeFailure Send(const std::string& command) {
        Json::Value reply;
        const int result = channel_.SendCommand(command, Json::Value(), reply);
        EXPECT_EQ(result, channel_.LastFailure() == ExchangeFailure::None ? 1 : 0) << command;
        return channel_.LastFailure();
    }
    void Control(const std::string& json) { ASSERT_EQ(sim_.ControlText(json), 200) << json; }
};

// A gate that records what passes and may hold commands back.
class RecordingGate : public vexo::ExchangeGate {
public:
    RecordingGate() { InstallForThisThread(this); }
    ~RecordingGate() override { InstallForThisThread(nullptr); }

    bool MaySend() override { return open; }
    void Run(const std::function<void()>& call) override {
        ++runs;
        // Elsewhere, as the control's UI thread does it.
        std::thread(call).join();
    }
    void Finished(const std::string& command, const Json::Value& info,
                  ExchangeFailure failure) override {
        finished.push_back({command, info, failure});
    }

    struct Outcome {
        std::string command;
        Json::Value info;
        ExchangeFailure failure;
        bool operator==(const Outcome&) const = default;
    };
    bool open = true;
    int runs = 0;
    std::vector<Outcome> finished;
};

}  // namespace

TEST_F(ExchangeFailureTest, AnswersAreAcknowledgedRefusedOrUnreadable) {
    Refuse("CMD_No", "no");
    Script("CMD_Odd", R"({"ack":"0","errinfo":7})");
    const std::pair<const char*, const char*> faults[] = {
        {"CMD_Malformed", "malformed"},
        {"CMD_Empty", "empty"},
        {"CMD_Status", "status500"},
        {"CMD_Drop", "drop"},
    };
    for (const auto& [command, kind] : faults) {
        Control(std::string(R"({"fault": {"op": ")") + command + R"(", "kind": ")" + kind + "\"}}");
    }
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::None);
    EXPECT_EQ(Send("CMD_No"), ExchangeFailure::Refused);
    EXPECT_EQ(Send("CMD_Odd"), ExchangeFailure::Unreadable);
    for (const auto& [command, kind] : faults) {
        EXPECT_EQ(Send(command), ExchangeFailure::Unreadable) << kind;
    }
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::None) << "a success clears the failure";
}

TEST_F(ExchangeFailureTest, AHungDeviceIsNoAnswerAndAGoneOneUnreachable) {
    VEXONET_SetTimeouts(0, 300);
    Control(R"({"hang_ms": -1})");
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::NoAnswer);
    Control(R"({"hang_ms": 0})");

    Control(R"({"offline_ms": 1500})");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::Unreachable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));

    VEXONET_SetTimeouts(0, 10000);
    ExchangeFailure back = ExchangeFailure::Unreachable;
    while (back == ExchangeFailure::Unreachable &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        back = Send("CMD_ParamInit");
    }
    EXPECT_EQ(back, ExchangeFailure::None) << "the same login works once the device is back";
}

TEST_F(ExchangeFailureTest, CommandsPassTheThreadsGate) {
    Refuse("CMD_No", "no");
    const int sentBefore = sim_.JournalCount("/vexo/v1/smart");
    {
        RecordingGate gate;
        Json::Value info;
        info["SceneToken"] = "s1";
        Json::Value reply;
        EXPECT_EQ(channel_.SendCommand("CMD_No", info, reply), 0);
        EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::None);
        gate.open = false;
        EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::NotSent);
        EXPECT_EQ(gate.runs, 2);
        const std::vector<RecordingGate::Outcome> expected = {
            {"CMD_No", info, ExchangeFailure::Refused},
            {"CMD_ParamInit", Json::Value(), ExchangeFailure::None},
        };
        EXPECT_EQ(gate.finished, expected) << "a command held back is not reported";
    }
    EXPECT_EQ(sim_.JournalCount("/vexo/v1/smart"), sentBefore + 2);
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::None) << "no gate: sent as ever";

    channel_.Cut();
    EXPECT_EQ(Send("CMD_ParamInit"), ExchangeFailure::NotSent);
    EXPECT_EQ(sim_.JournalCount("/vexo/v1/smart"), sentBefore + 3);
}
