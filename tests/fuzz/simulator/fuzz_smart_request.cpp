// Fuzzes the device's handling of one analytics request body: every input
// must give a reply document, a refusal for anything malformed, and never a
// crash. The device keeps its state between inputs, as a real one would,
// in a folder on a memory file system where there is one.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <json/reader.h>

#include "device_server.h"

namespace {

devsim::DeviceServer& Device() {
    static std::unique_ptr<devsim::DeviceServer> device = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        devsim::ServerSettings settings;
        settings.stateFolder = (base / ("vexo-devsim-fuzz-" + std::to_string(::getpid()))).string();
        settings.dataFolder = std::string(VEXO_SOURCE_DIR) + "/simulator/data";
        settings.users.Set("admin", "Admin_123");
        return std::make_unique<devsim::DeviceServer>(settings);
    }();
    return *device;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    // Two sessions take turns, so that the PTZ lock sees a rival.
    devsim::CommandContext context;
    context.session = size % 2 == 0 ? "fuzz-a" : "fuzz-b";
    context.user = "admin";
    context.host = "127.0.0.1:80";
    const std::string reply = Device().HandleSmartBody(body, context);

    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value document;
    if (!reader->parse(reply.data(), reply.data() + reply.size(), &document, nullptr) ||
        !document.isObject() || !document["ack"].isString() ||
        (document["ack"].asString() == "1" && !document["errinfo"].isString())) {
        std::abort();  // a reply the control could not read
    }
    return 0;
}
