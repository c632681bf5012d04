// The simulated camera's analytics per picture: 8 rules of every kind over
// 40 moving targets, evaluated and written into the picture's metadata
// (the budget is 1 ms of a 40 ms picture period). Then the main stream's
// pictures per second over a few seconds, without and with the analytics.

#include <benchmark/benchmark.h>

extern "C" {
#include <libavutil/log.h>
}

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "live_analytics.h"
#include "metadata_text.h"
#include "rule_evaluator.h"
#include "stream_channel.h"

namespace {

using namespace devsim;
using namespace devsim::analytics;

std::vector<LiveRule> EightRules() {
    const std::vector<Point> region{{-0.8, 0.2},  {0.8, 0.2},   {0.9, -0.9},
                                    {-0.9, -0.9}, {-0.5, -0.3}, {0.0, -0.5}};
    std::vector<LiveRule> rules;
    const RuleKind kinds[] = {RuleKind::Intrusion, RuleKind::Intrusion, RuleKind::WireCross,
                              RuleKind::WireCross, RuleKind::Loitering, RuleKind::PeopleCounting,
                              RuleKind::Crowd,     RuleKind::FastMoving};
    for (int i = 0; i < 8; ++i) {
        LiveRule rule;
        rule.kind = kinds[i];
        rule.token = "Rule 0" + std::to_string(i + 1);
        rule.region = region;
        rule.line = {{-0.1 * i, 0.5}, {0.1 * i, -0.9}};
        rule.inward = {{-0.1, 0}, {0.1, 0}};
        rule.seconds = 1;
        rule.speed = 0.2;
        rule.minPeople = 5;
        rule.armed.fill({{0, 1440}});
        rules.push_back(rule);
    }
    return rules;
}

std::vector<camera::ViewTarget> FortyTargets(int picture) {
    std::vector<camera::ViewTarget> targets;
    for (int i = 0; i < 40; ++i) {
        const double x = -1.0 + std::fmod(0.05 * i + 0.01 * (i % 7 + 1) * picture, 1.9);
        const double y = -0.9 + 0.04 * i;
        targets.push_back({i + 1, i % 3 == 0, x, y + 0.15, x + 0.08, y});
    }
    return targets;
}

void BM_EvaluateEightRulesFortyTargets(benchmark::State& state) {
    RuleBook book;
    book.scene = "Scene_001";
    book.rules = EightRules();
    for (const LiveRule& rule : book.rules) {
        book.functions.push_back(rule.kind);
    }
    RuleEvaluator evaluator;
    evaluator.SetRules(book.rules);
    long long micros = 1700000000LL * 1000000;
    int picture = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const auto targets = FortyTargets(picture++);
        const PictureVerdict verdict = evaluator.Evaluate(targets, micros, 1, 600);
        const std::string text = MetadataMembers(book, &targets, verdict);
        bytes += text.size();
        micros += 40000;
    }
    state.counters["metadata_bytes"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EvaluateEightRulesFortyTargets)->Unit(benchmark::kMicrosecond);

double PicturesPerSecond(bool analytics) {
    auto book = std::make_shared<RuleBook>();
    book->rules = EightRules();
    camera::AnalyticsFactory factory;
    if (analytics) {
        factory = [book](int width, int height) {
            return std::make_unique<LiveAnalytics>([book] { return book; }, width, height);
        };
    }
    camera::StreamChannel channel(
        {1280, 720, 25, camera::VideoCodec::H264},
        [] {
            return camera::HeadPosition{0, -0.1, 0};
        },
        factory);
    auto viewer = channel.Join();
    std::this_thread::sleep_for(std::chrono::seconds(1));  // the encoder warms up
    const uint64_t before = channel.PicturesEncoded();
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(4)) {
        viewer->Take(std::chrono::milliseconds(100));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double rate = static_cast<double>(channel.PicturesEncoded() - before) / seconds;
    channel.Leave(viewer);
    return rate;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    av_log_set_level(AV_LOG_ERROR);
    const double without = PicturesPerSecond(false);
    const double with = PicturesPerSecond(true);
    std::printf("main stream pictures per second: %.2f without analytics, %.2f with (%+.1f %%)\n",
                without, with, (with - without) / without * 100.0);
    return 0;
}
