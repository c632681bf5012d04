// The difference and rule checks of a large device's configuration: 10
// scenes, 5 analytics functions each, 8 rules per function (400 rules with
// their linkage and schedules), against a copy with one change in every
// tenth rule and one rule fewer per scene. "ReadAndDiff" includes parsing
// both texts, as vexo-cmd config diff does; the target is well under 50 ms.

#include <benchmark/benchmark.h>
#include <json/reader.h>
#include <json/writer.h>

#include <fstream>
#include <string>

#include "catalog.h"
#include "config_diff.h"
#include "config_document.h"
#include "config_lint.h"
#include "config_reader.h"
#include "diff_format.h"

namespace {

const char* kFunctions[] = {"zelk:Intrusion_Event", "zelk:Wire_Cross_Event", "zelk:Loitering_Event",
                            "zelk:Abandoned_Object_Detection_Event", "zelk:Fast_Moving_Event"};

Json::Value LargeConfig() {
    std::ifstream in(std::string(VEXO_SOURCE_DIR) + "/simulator/data/korvane_profile.json");
    Json::Value profile;
    Json::CharReaderBuilder builder;
    std::string error;
    Json::parseFromStream(builder, in, &profile, &error);
    const auto catalog = devsim::Catalog::FromProfile(profile, error);
    if (!catalog) {
        return Json::Value();
    }
    Json::Value doc = devsim::FactoryDocument(*catalog);
    Json::Value scenes(Json::arrayValue);
    for (int s = 1; s <= 10; ++s) {
        Json::Value scene =
            devsim::NewScene(*catalog, devsim::SceneTokenOf(s), "Scene " + std::to_string(s));
        for (const char* function : kFunctions) {
            scene["functions"].append(function);
            const std::string shortName = std::string(function).substr(5);
            for (int r = 1; r <= 8; ++r) {
                scene["rules"][function].append(
                    devsim::NewRule(*catalog, function, shortName + " 0" + std::to_string(r)));
            }
        }
        scenes.append(scene);
    }
    doc["scenes"] = scenes;
    return doc;
}

Json::Value Edited(Json::Value config) {
    int count = 0;
    for (Json::Value& scene : config["scenes"]) {
        for (const char* function : kFunctions) {
            for (Json::Value& rule : scene["rules"][function]) {
                if (++count % 10 == 0) {
                    rule["params"]["Sensitivity"] = "77";
                }
            }
        }
        Json::Value removed;
        scene["rules"][kFunctions[0]].removeIndex(7, &removed);
    }
    return config;
}

std::string Text(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    return Json::writeString(builder, value);
}

void Diff(benchmark::State& state) {
    const Json::Value before = LargeConfig();
    const Json::Value after = Edited(before);
    size_t changes = 0;
    for (auto _ : state) {
        const auto found = vexo::review::DiffConfigs(before, after);
        benchmark::DoNotOptimize(vexo::review::DiffText(found));
        changes = found.size();
    }
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(Diff)->Unit(benchmark::kMillisecond);

void ReadAndDiff(benchmark::State& state) {
    const Json::Value large = LargeConfig();
    const std::string before = Text(large);
    const std::string after = Text(Edited(large));
    for (auto _ : state) {
        Json::Value a;
        Json::Value b;
        std::string error;
        vexo::review::ReadConfigText(before, a, error);
        vexo::review::ReadConfigText(after, b, error);
        benchmark::DoNotOptimize(vexo::review::DiffConfigs(a, b));
    }
    state.counters["bytes"] = static_cast<double>(before.size());
}
BENCHMARK(ReadAndDiff)->Unit(benchmark::kMillisecond);

void Lint(benchmark::State& state) {
    const Json::Value large = LargeConfig();
    size_t warnings = 0;
    for (auto _ : state) {
        warnings = vexo::review::LintConfig(large).size();
    }
    state.counters["warnings"] = static_cast<double>(warnings);
}
BENCHMARK(Lint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
