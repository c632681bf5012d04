// The viewer's share of a picture's paint for its metadata: 40 target boxes
// with their classes and two fired rule shapes over a 1280x720 picture
// (budget: 1 ms of the 40 ms between pictures), and reading the packet.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <string>

#include "metadata_painter.h"
#include "picture_metadata.h"

namespace {

std::string FortyTargets() {
    std::string text = R"({"capture_us": 1, "functions": ["zelk:Intrusion_Event"], "targets": [)";
    for (int i = 0; i < 40; ++i) {
        const double x = -0.95 + 0.045 * i;
        const double y = 0.8 - 0.04 * i;
        text += (i ? ", " : "") + std::string(R"({"id": )") + std::to_string(i + 1) +
                R"(, "class": ")" + (i % 3 ? "person" : "vehicle") + R"(", "box": [)" +
                std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(x + 0.04) +
                ", " + std::to_string(y - 0.15) + "]}";
    }
    return text + R"(], "events": []})";
}

void BM_DrawFortyBoxes(benchmark::State& state) {
    const std::string packet = FortyTargets();
    vexoplay::PictureMetadata metadata;
    vexoplay::ParsePictureMetadata(reinterpret_cast<const uint8_t*>(packet.data()),
                                   static_cast<int32_t>(packet.size()), metadata);
    const auto choice = vexoplay::MetadataChoice::FromOption("zelk:Intrusion_Event");
    const std::vector<std::vector<QPointF>> fired{{{-0.6, 0.6}, {0.6, 0.6}, {0.6, -0.6}},
                                                  {{0.0, 0.2}, {0.0, -0.9}}};
    QImage picture(1280, 720, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    const QString language = state.range(0) ? "english" : "chinese";
    for (auto _ : state) {
        QPainter painter(&picture);
        const auto drawn =
            vexoplay::PaintMetadata(painter, picture.rect(), &metadata, choice, language, fired);
        benchmark::DoNotOptimize(drawn.boxes);
    }
    state.SetLabel(state.range(0) ? "english classes" : "chinese classes");
}
BENCHMARK(BM_DrawFortyBoxes)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadFortyTargets(benchmark::State& state) {
    const std::string packet = FortyTargets();
    for (auto _ : state) {
        vexoplay::PictureMetadata metadata;
        vexoplay::ParsePictureMetadata(reinterpret_cast<const uint8_t*>(packet.data()),
                                       static_cast<int32_t>(packet.size()), metadata);
        benchmark::DoNotOptimize(metadata.targets.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * packet.size()));
}
BENCHMARK(BM_ReadFortyTargets)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the class labels
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
