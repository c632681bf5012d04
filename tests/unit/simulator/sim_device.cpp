#include "sim_device.h"

#include <gtest/gtest.h>
#include <json/reader.h>
#include <json/writer.h>
#include <stdlib.h>

#include <filesystem>

namespace devsim::test {

Json::Value J(const std::string& text) {
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string error;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &error)) {
        ADD_FAILURE() << "test JSON does not parse: " << error << "\n" << text;
    }
    return value;
}

SimDevice::SimDevice() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vexo-devsim-unit-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    Restart();
}

SimDevice::~SimDevice() {
    server_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void SimDevice::Restart() {
    server_.reset();
    ServerSettings settings;
    settings.stateFolder = folder_ + "/state";
    settings.dataFolder = std::string(VEXO_SOURCE_DIR) + "/simulator/data";
    settings.users.Set("admin", "Admin_123");
    server_ = std::make_unique<DeviceServer>(settings);
}

Json::Value SimDevice::SendText(const std::string& body, const std::string& session) {
    CommandContext context;
    context.session = session;
    context.user = "admin";
    context.host = "192.0.2.7:8090";
    return J(server_->HandleSmartBody(body, context));
}

Json::Value SimDevice::Send(const std::string& op, const Json::Value& info,
                            const std::string& session) {
    Json::Value request;
    request["op"] = op;
    request["info"] = info;
    Json::StreamWriterBuilder builder;
    return SendText(Json::writeString(builder, request), session);
}

Json::Value SimDevice::Ok(const std::string& op, const Json::Value& info,
                          const std::string& session) {
    const Json::Value reply = Send(op, info, session);
    EXPECT_EQ(reply["ack"].asString(), "0") << op << " refused: " << reply["errinfo"].asString()
                                            << " / " << reply["errdetail"].asString();
    return reply["info"];
}

std::string SimDevice::Refused(const std::string& op, const Json::Value& info,
                               const std::string& session) {
    const Json::Value reply = Send(op, info, session);
    EXPECT_EQ(reply["ack"].asString(), "1") << op << " was acknowledged";
    EXPECT_TRUE(reply["errinfo"].isString());
    return reply["errinfo"].asString();
}

}  // namespace devsim::test
