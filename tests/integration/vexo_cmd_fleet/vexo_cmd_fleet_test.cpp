// vexo-cmd config set on a device list: the summary and exit code over a
// fleet of simulated devices, and the bound on devices in hand at once.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command_run.h"
#include "free_port.h"
#include "json_text.h"
#include "sim_process.h"
#include "temp_folder.h"

namespace {

using vexo::test::CommandRun;
using vexo::test::SimProcess;

class VexoCmdFleet : public ::testing::Test {
protected:
    void StartDevices(int count) {
        for (int i = 0; i < count; ++i) {
            sims_.push_back(
                std::make_unique<SimProcess>(std::vector<std::string>{"--latency-ms", "100"}));
            ASSERT_TRUE(sims_.back()->Start());
        }
        folder_ = vexo::test::MakeTempFolder("vexo-cmd-fleet-");
        // The first device's own configuration: writing it changes nothing.
        const CommandRun get = Run("--device " + sims_[0]->Address() + " config get --out " +
                                   folder_ + "/config.json");
        ASSERT_EQ(get.exitCode, 0) << get.output;
    }

    // A device list of the first `count` devices, with the extra lines.
    std::string WriteList(std::size_t count, const std::string& extra = "") const {
        std::string text = "# cameras of the test\n\n";
        for (std::size_t i = 0; i < count; ++i) {
            text += sims_[i]->Address() + "  building A\n";
        }
        return vexo::test::WriteFileText(folder_ + "/devices-" + std::to_string(count) + ".txt",
                                         text + extra);
    }

    static CommandRun Run(const std::string& arguments) {
        return vexo::test::RunCommandLine(std::string("VEXO_PASSWORD=") + SimProcess::kPassword +
                                          " " + VEXO_CMD_PATH + " --user admin " + arguments +
                                          " 2>&1");
    }

    CommandRun SetOn(const std::string& list, const std::string& options = "") const {
        return Run("--devices " + list + " " + options + " config set " + folder_ + "/config.json");
    }

    std::vector<std::unique_ptr<SimProcess>> sims_;
    std::string folder_;
};

TEST_F(VexoCmdFleet, TwentyDevicesSummaryAndExitCodes) {
    StartDevices(20);
    const auto timed = [](const auto& run) {
        const auto start = std::chrono::steady_clock::now();
        const CommandRun result = run();
        return std::make_pair(result, std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start)
                                          .count());
    };
    const auto [one, oneMs] = timed([&] { return SetOn(WriteList(1)); });
    EXPECT_EQ(one.exitCode, 0) << one.output;
    EXPECT_THAT(one.output, ::testing::Not(::testing::HasSubstr("devices:")));

    const auto [all, allMs] = timed([&] { return SetOn(WriteList(20)); });
    EXPECT_EQ(all.exitCode, 0) << all.output;
    EXPECT_THAT(all.output, ::testing::HasSubstr("20 devices: 20 ok\n"));
    EXPECT_THAT(all.output, ::testing::HasSubstr(sims_[19]->Address() + ": ok, nothing changed"));
    std::cout << "config set at 100 ms latency: 1 device " << oneMs << " ms, 20 devices " << allMs
              << " ms\n";

    const CommandRun dry = SetOn(WriteList(20), "--dry-run");
    EXPECT_EQ(dry.exitCode, 0) << dry.output;
    EXPECT_THAT(dry.output, ::testing::HasSubstr("20 devices: 20 unchanged\n"));

    const std::string unreachable = "127.0.0.1:" + std::to_string(vexo::test::FreeLoopbackPort());
    const CommandRun dead = SetOn(WriteList(20, unreachable + "\n"), "--timeout-ms 2000");
    EXPECT_EQ(dead.exitCode, 3) << dead.output;
    EXPECT_THAT(dead.output, ::testing::HasSubstr("21 devices: 20 ok, 1 login failed\n"));
    EXPECT_THAT(dead.output, ::testing::HasSubstr(unreachable + ": login failed"));

    for (const char* command : {"CMD_SetBatchConfig", "CMD_SetParamsBatchConfig"}) {
        ASSERT_EQ(sims_[7]->Script(command, R"({"ack": "1", "errinfo": "storage busy"})"), 200);
    }
    const CommandRun refused = SetOn(WriteList(20, unreachable + "\n"), "--timeout-ms 2000");
    EXPECT_EQ(refused.exitCode, 1) << refused.output;
    EXPECT_THAT(refused.output,
                ::testing::HasSubstr("21 devices: 19 ok, 1 refused, 1 login failed\n"));
    EXPECT_THAT(refused.output, ::testing::HasSubstr(sims_[7]->Address() + ": device refused"));
}

TEST_F(VexoCmdFleet, JobsBoundsTheDevicesInHand) {
    StartDevices(6);
    const long long began = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
    const CommandRun run = SetOn(WriteList(6), "--jobs 2");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    // Each device's requests span its time in hand; at no device's first
    // request may more than two spans be open.
    std::vector<std::pair<long long, long long>> spans;
    for (const auto& sim : sims_) {
        long long first = -1;
        long long last = -1;
        for (const Json::Value& line : sim->Journal()) {
            // Only config set's requests: the set-up's config get came before.
            if (line["time"].asInt64() < began) {
                continue;
            }
            first = first < 0 ? line["time"].asInt64() : first;
            last = line["time"].asInt64();
        }
        ASSERT_GE(first, 0);
        spans.emplace_back(first, last);
    }
    std::size_t most = 0;
    for (const auto& [start, end] : spans) {
        most = std::max<std::size_t>(most, std::count_if(spans.begin(), spans.end(), [&](auto& s) {
                                         return s.first <= start && start <= s.second;
                                     }));
    }
    EXPECT_EQ(most, 2u);
}

}  // namespace
