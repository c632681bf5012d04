#pragma once
// A started simulator, the network library and a channel logged into it (or
// not, for tests of the login itself), with the simulator's scripted replies
// and the requests the channel sent, read back from the journal.

#include <gtest/gtest.h>
#include <json/value.h>

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "json_text.h"
#include "qstring_print.h"
#include "sim_process.h"
#include "vexonet.h"

namespace vexo::test {

class ChannelFixture : public ::testing::Test {
protected:
    explicit ChannelFixture(std::vector<std::string> simArgs = {}, bool logIn = true)
        : sim_(std::move(simArgs)), logIn_(logIn) {}

    void SetUp() override {
        ASSERT_TRUE(VEXONET_Init());
        ASSERT_TRUE(sim_.Start());
        if (logIn_) {
            ASSERT_TRUE(LoginChannel());
        }
    }
    void TearDown() override {
        VEXONET_SetTimeouts(2000, 10000);
        VEXONET_Cleanup();
    }

    bool LoginChannel() {
        return channel_.ParamInit(&session_, QString::fromStdString(sim_.Address()),
                                  SimProcess::kUser, SimProcess::kPassword) == 1;
    }

    // Makes the device answer `command` with `reply` until the test ends.
    void Script(const std::string& command, const std::string& reply) {
        ASSERT_EQ(sim_.Script(command, reply), 200);
    }
    void Acknowledge(const std::string& command, const std::string& infoJson = "\"\"") {
        Script(command, "{\"ack\": \"0\", \"info\": " + infoJson + "}");
    }
    void Refuse(const std::string& command, const std::string& errinfo = "refused") {
        Script(command, "{\"ack\": \"1\", \"errinfo\": \"" + errinfo + "\"}");
    }

    // Every analytics request sent so far, parsed, in order.
    std::vector<Json::Value> Requests() const {
        std::vector<Json::Value> requests;
        for (const Json::Value& line : sim_.Journal()) {
            Json::Value request = ParseJson(line["request"].asString());
            if (line["path"] == "/vexo/v1/smart" && !request.isNull()) {
                requests.push_back(std::move(request));
            }
        }
        return requests;
    }
    // The names of the commands sent after the login, in order.
    std::vector<std::string> Commands() const {
        std::vector<std::string> names;
        for (const Json::Value& request : Requests()) {
            if (request["op"] != "CMD_ParamInit") {
                names.push_back(request["op"].asString());
            }
        }
        return names;
    }
    // The "info" of the last request of `command`; null when none was sent.
    Json::Value SentInfo(const std::string& command) const {
        Json::Value info;
        for (const Json::Value& request : Requests()) {
            if (request["op"] == command) {
                info = request["info"];
            }
        }
        return info;
    }
    static Json::Value J(const std::string& text) {
        const Json::Value value = ParseJson(text);
        EXPECT_FALSE(value.isNull()) << text;
        return value;
    }
    QString LastError() const {
        QString text;
        channel_.GetLastErrorText(text);
        return text;
    }

    SimProcess sim_;
    CAudioVideoPlay session_;
    DeviceCommandChannel channel_;

private:
    bool logIn_;
};

}  // namespace vexo::test
