// The fuzzer's seed requests are well-formed requests of every command, as
// the control sends them: each is acknowledged by a factory-fresh device
// (except the seeds meant to be refused), so the fuzzer starts from paths
// that reach deep into the device model.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "sim_device.h"
#include "temp_folder.h"

namespace devsim::test {
namespace {

TEST(SeedRequests, EveryWellFormedSeedIsAcknowledged) {
    const std::filesystem::path folder =
        std::filesystem::path(VEXO_SOURCE_DIR) / "tests/fuzz/simulator/corpus_request";
    std::set<std::string> commands;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const std::string text = vexo::test::ReadFileText(entry.path().string());
        SimDevice device;
        const Json::Value reply = device.SendText(text);
        const bool meantToFail =
            name.find("bad") != std::string::npos || name.find("malformed") != std::string::npos;
        EXPECT_EQ(reply["ack"].asString(), meantToFail ? "1" : "0")
            << name << ": " << reply["errinfo"].asString() << " " << reply["errdetail"].asString();
        if (!meantToFail) {
            commands.insert(J(text)["op"].asString());
        }
        ++seeds;
    }
    EXPECT_GE(seeds, 40);
    EXPECT_EQ(commands.size(), 35u);  // every command has a seed
}

}  // namespace
}  // namespace devsim::test
