// What the device keeps across a restart, how it treats a damaged state
// file, and that concurrent sessions never corrupt the configuration.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <thread>

#include "device_error.h"
#include "sim_device.h"
#include "temp_folder.h"

namespace devsim::test {
namespace {

TEST(Persistence, RestartKeepsEveryKindOfObject) {
    SimDevice device;
    ChangeEverything(device);
    const std::string before = device.Ok("CMD_GetBatchConfig")["config"].asString();
    const Json::Value position = device.Ok("CMD_GetPTZPosition");
    device.Restart();
    EXPECT_EQ(device.Ok("CMD_GetBatchConfig")["config"].asString(), before);
    EXPECT_EQ(device.Ok("CMD_GetPTZPosition"), position);
    EXPECT_EQ(device.Ok("CMD_GetSceneList")["SelectSceneToken"].asString(), "Scene_004");
    EXPECT_EQ(device.Ok("CMD_GetSmartStatus")["status"].asString(), "FALSE");
    // Tokens keep counting after a restart.
    EXPECT_EQ(device.Ok("CMD_AddScene", J(R"({"SceneName":"Roof"})"))["SceneToken"].asString(),
              "Scene_005");
}

TEST(Persistence, RefusedChangesAreNotStored) {
    SimDevice device;
    const std::string file = device.StateFolder() + "/state/analytics.json";
    const auto before = std::filesystem::last_write_time(file);
    const std::string text = device.Ok("CMD_GetBatchConfig")["config"].asString();
    device.Refused("CMD_AddRule",
                   J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event",
        "RuleToken":"Intrusion_Event 01"})"));
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    device.Restart();
    EXPECT_EQ(device.Ok("CMD_GetBatchConfig")["config"].asString(), text);
}

TEST(Persistence, DamagedStateFileFallsBackToTheFactoryConfiguration) {
    SimDevice device;
    device.Ok("CMD_AddScene", J(R"({"SceneName":"Lost"})"));
    const std::string file = device.StateFolder() + "/state/analytics.json";
    vexo::test::WriteFileText(file, R"({"format": 1, "scenes": "broken")");
    device.Restart();
    EXPECT_EQ(device.Ok("CMD_GetSceneList")["SceneList"].size(), 3u);
    EXPECT_TRUE(std::filesystem::exists(file));

    // A readable file with an invalid value inside is kept aside.
    Json::Value config = J(device.Ok("CMD_GetBatchConfig")["config"].asString());
    config["scenes"][0]["rules"]["zelk:Intrusion_Event"][0]["params"]["Sensitivity"] = "999";
    vexo::test::WriteFileText(file, config.toStyledString());
    device.Restart();
    EXPECT_TRUE(std::filesystem::exists(file + ".unusable"));
    const Json::Value rule = J(R"({"SceneToken":"Scene_001","SmartFunName":"zelk:Intrusion_Event",
        "RuleToken":"Intrusion_Event 01"})");
    EXPECT_EQ(device.Ok("CMD_GetRuleModuleParam", rule)["Sensitivity"], "50");
}

TEST(Concurrency, SessionsWritingTogetherNeverLoseOrCorruptChanges) {
    SimDevice device;
    // Eight sessions each add a scene with four rules and keep changing
    // the shared default scene's rule.
    const std::string factory = device.Ok("CMD_GetBatchConfig")["config"].asString();
    std::vector<std::thread> threads;
    for (int s = 0; s < 8; ++s) {
        threads.emplace_back([&device, s] {
            const std::string session = "session-" + std::to_string(s);
            Json::Value scene;
            scene["SceneName"] = "Parallel " + std::to_string(s);
            const Json::Value token = device.Ok("CMD_AddScene", scene, session)["SceneToken"];
            scene["SceneToken"] = token;
            scene["SceneConfigSmartFun"] = J(R"([{"SmartFunName":"zelk:Loitering_Event"}])");
            device.Ok("CMD_ModifyScene", scene, session);
            Json::Value rule = J(R"({"SmartFunName":"zelk:Loitering_Event"})");
            rule["SceneToken"] = token;
            Json::Value modify = J(R"({"SceneToken":"Scene_001","CMDType":"Modify",
                "SmartFunName":"zelk:Intrusion_Event","RuleToken":"Intrusion_Event 01"})");
            for (int r = 1; r <= 4; ++r) {
                rule["RuleToken"] = "Loitering_Event 0" + std::to_string(r);
                device.Ok("CMD_AddRule", rule, session);
                modify["RuleModuleData"]["Sensitivity"] = std::to_string(10 * s + r);
                device.Ok("CMD_ModifyRuleModuleParam", modify, session);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const Json::Value list = device.Ok("CMD_GetSceneList");
    ASSERT_EQ(list["SceneList"].size(), 11u);
    std::set<std::string> tokens;
    for (const Json::Value& scene : list["SceneList"]) {
        tokens.insert(scene["SceneToken"].asString());
    }
    EXPECT_EQ(tokens.size(), 11u);
    for (const std::string& token : tokens) {
        if (token <= "Scene_003") {
            continue;
        }
        Json::Value query = J(R"({"SmartFunName":"zelk:Loitering_Event"})");
        query["SceneToken"] = token;
        EXPECT_EQ(device.Ok("CMD_QueryRule", query).size(), 4u) << token;
    }
    // The stored file is the same configuration as in memory.
    const std::string text = device.Ok("CMD_GetBatchConfig")["config"].asString();
    device.Restart();
    EXPECT_EQ(device.Ok("CMD_GetBatchConfig")["config"].asString(), text);
    EXPECT_NE(text, factory);
}

}  // namespace
}  // namespace devsim::test
