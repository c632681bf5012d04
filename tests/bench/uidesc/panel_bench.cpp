// Cost of the parameter panels against the simulated device: building the
// largest rule panel of its description (rows to controls, overlay shapes
// registered), a whole rule switch with every device read it takes, at 0 and
// 20 ms of device latency, and the memory after 1,000 rebuilds of the panel.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <fstream>

#include "panel_device.h"
#include "sim_process.h"

namespace {

using vexo::test::PanelDevice;
using vexo::test::RulePanelRecords;
using vexo::test::RuleRef;
using vexo::test::SimProcess;

struct Bench {
    explicit Bench(int latencyMs)
        : sim({"--latency-ms", std::to_string(latencyMs)}), latency(latencyMs) {}
    bool Start() {
        if (!sim.Start() ||
            !device.Connect(sim.Address(), SimProcess::kUser, SimProcess::kPassword)) {
            return false;
        }
        page.resize(1000, 600);
        engine.SetArea(&page, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &overlay,
                       &device.Parse(), QRect(0, 0, 704, 576));
        // The largest rule panel: rule, modules and non-scene rows together.
        size_t most = 0;
        for (const RuleRef& candidate : device.Rules()) {
            RulePanelRecords records;
            const vexo::ParamRows built = device.BuildRulePanel(engine, candidate, records);
            if (built.size() > most) {
                most = built.size();
                rule = candidate;
                rows = built;
            }
        }
        Rebuild();
        return most > 0;
    }
    SimProcess sim;
    int latency;
    PanelDevice device;
    QWidget page;
    vexo::CShowAIConfig overlay;
    vexo::CSmartUiEngine engine;
    RuleRef rule;
    vexo::ParamRows rows;

    void Rebuild() {
        engine.Clear();
        engine.ResetLayout();
        engine.BuildPanel(rows, true);
    }
};

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    Bench fast(0);
    Bench slow(20);
    if (!fast.Start() || !slow.Start()) {
        std::fprintf(stderr, "the simulated devices did not start\n");
        return 1;
    }
    std::printf("largest rule panel: %s, %zu rows, %d controls\n", qPrintable(fast.rule.fun),
                fast.rows.size(), fast.engine.ControlCount());

    benchmark::RegisterBenchmark("PanelBuild", [&fast](benchmark::State& state) {
        for (auto _ : state) {
            fast.Rebuild();
        }
        state.counters["controls"] = fast.engine.ControlCount();
    })->Unit(benchmark::kMillisecond);
    for (Bench* b : {&fast, &slow}) {
        benchmark::RegisterBenchmark(
            ("RuleSwitch/latency_ms:" + std::to_string(b->latency)).c_str(),
            [b](benchmark::State& state) {
                size_t commands = 0;
                for (auto _ : state) {
                    state.PauseTiming();
                    const size_t before = b->sim.Journal().size();
                    state.ResumeTiming();
                    RulePanelRecords records;
                    b->device.BuildRulePanel(b->engine, b->rule, records);
                    state.PauseTiming();
                    commands = b->sim.Journal().size() - before;
                    state.ResumeTiming();
                }
                state.counters["commands"] = static_cast<double>(commands);
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(b->latency > 0 ? 5 : 30);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (int i = 0; i < 50; ++i) {
        fast.Rebuild();
    }
    const long before = ResidentKiB();
    for (int i = 0; i < 1000; ++i) {
        fast.Rebuild();
    }
    const long after = ResidentKiB();
    fast.engine.Clear();
    std::printf(
        "memory: %ld KiB resident after 50 rebuilds, %ld KiB after 1,000 more "
        "(growth %ld KiB); after Clear: %d controls, %lld child widgets\n",
        before, after, after - before, fast.engine.ControlCount(),
        static_cast<long long>(fast.page.findChildren<QWidget*>().size()));
    return 0;
}
