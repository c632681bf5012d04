// Cost of the readers on the simulated device's UI description, each call
// parsing the file again as the control does, and of the questions one rule
// panel asks when it is opened: the rule's parameters and links, its
// required modules with theirs, its non-scene functions with theirs and its
// required functions. The panel is expected to need well under 5 ms.

#include <benchmark/benchmark.h>

#include "smart_xml_parse.h"

namespace {

const QString kUi = QStringLiteral(VEXO_DEVICE_DATA_DIR "/korvane_ui.xml");
const QString kLang = QStringLiteral(VEXO_DEVICE_DATA_DIR "/korvane_lang.xml");
const QString kRule = QStringLiteral("zelk:Intrusion_Event");

CSmartXmlParse& Parse() {
    static CSmartXmlParse parse;
    parse.SetFilePaths(kUi, kLang);
    return parse;
}

void RuleParameters(benchmark::State& state) {
    for (auto _ : state) {
        vexo::ParamList params;
        Parse().GetRuleParameters(kRule, params);
        benchmark::DoNotOptimize(params);
    }
}
BENCHMARK(RuleParameters)->Unit(benchmark::kMicrosecond);

void RuleLinks(benchmark::State& state) {
    for (auto _ : state) {
        vexo::UiLinkList links;
        Parse().GetRequireUiLinks("Rule", kRule, links);
        benchmark::DoNotOptimize(links);
    }
}
BENCHMARK(RuleLinks)->Unit(benchmark::kMicrosecond);

void RuleRequires(benchmark::State& state) {
    for (auto _ : state) {
        QStringList names;
        Parse().GetRuleRequires(kRule, names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(RuleRequires)->Unit(benchmark::kMicrosecond);

void ModulesOfType(benchmark::State& state) {
    for (auto _ : state) {
        QStringList names;
        Parse().GetModulesOfType("standard_labels", names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(ModulesOfType)->Unit(benchmark::kMicrosecond);

void MetaDataMenu(benchmark::State& state) {
    for (auto _ : state) {
        QStringList menu;
        Parse().GetMetaDataMenu(menu);
        benchmark::DoNotOptimize(menu);
    }
}
BENCHMARK(MetaDataMenu)->Unit(benchmark::kMicrosecond);

void Capabilities(benchmark::State& state) {
    for (auto _ : state) {
        vexo::CapabilityMap caps;
        Parse().GetMultiSceneCapability("TourScene", caps);
        benchmark::DoNotOptimize(Parse().IsAddSceneSupported());
    }
}
BENCHMARK(Capabilities)->Unit(benchmark::kMicrosecond);

void LoadLocalisation(benchmark::State& state) {
    for (auto _ : state) {
        Parse().LoadLocalisation();
        benchmark::DoNotOptimize(Parse().Localisation().English().size());
    }
}
BENCHMARK(LoadLocalisation)->Unit(benchmark::kMicrosecond);

// Everything the rule panel of one analytics rule asks the file.
void RulePanelQueries(benchmark::State& state) {
    CSmartXmlParse& parse = Parse();
    size_t queries = 0;
    for (auto _ : state) {
        vexo::ParamList params;
        vexo::UiLinkList links;
        QStringList modules, nonScenes, funs;
        parse.GetRuleParameters(kRule, params);
        parse.GetRequireUiLinks("Rule", kRule, links);
        parse.GetRuleRequires(kRule, modules);
        for (const QString& module : modules) {
            parse.GetModuleParameters(module, params);
            parse.GetRequireUiLinks("Module", module, links);
        }
        parse.GetRuleRequireNonScene(kRule, nonScenes);
        for (const QString& nonScene : nonScenes) {
            parse.GetNonSceneParameters(nonScene, params);
            parse.GetRequireUiLinks("NonScene", nonScene, links);
        }
        parse.GetRuleRequireFuns(kRule, funs);
        queries = 5 + 2 * (modules.size() + nonScenes.size());
        benchmark::DoNotOptimize(params);
    }
    state.counters["queries"] = static_cast<double>(queries);
}
BENCHMARK(RulePanelQueries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
