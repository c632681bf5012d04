// Paint time of one frame of rule overlays: 20 rules (300 items) over a
// 1280x720 video window, as the play library paints them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "show_ai_config.h"
#include "vexoplay.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kRules = 20;

// Twenty rules spread over the picture: each an eight-point labelled region
// across a large part of the frame, every other one with a trip wire too.
struct Scene {
    explicit Scene(bool selected) {
        VEXOPLAY_Init();
        const QByteArray header = R"({"codec":"h264","width":1280,"height":720})";
        port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header.data()),
                                   static_cast<int32_t>(header.size()));
        window.resize(kWidth, kHeight);
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        VEXOPLAY_Play(port, &window, 0, 0);
        QApplication::processEvents();
        renderer.SetVideoWindow(&window);
        renderer.SetVideoRect(QRect(0, 0, kWidth, kHeight));
        for (int r = 0; r < kRules; ++r) {
            const int x = 20 + (r % 5) * 40;
            const int y = 20 + (r / 5) * 30;
            const int w = 700 + (r % 3) * 100;
            const int h = 400 + (r % 4) * 50;
            const QString region =
                QStringLiteral("8|(%1,%2),(%3,%2),(%4,%2),(%4,%5),(%4,%6),(%3,%6),(%1,%6),(%1,%5)")
                    .arg(x)
                    .arg(y)
                    .arg(x + w / 2)
                    .arg(x + w)
                    .arg(y + h / 2)
                    .arg(y + h);
            const QString key = QStringLiteral("rule %1").arg(r);
            renderer.DrawRegion(port, static_cast<int16_t>(r + 1), 1, region, key);
            if (r % 2 == 0) {
                const QString wire = QStringLiteral("0|(%1,%2),(%3,%4)")
                                         .arg(x)
                                         .arg(y + h + 20)
                                         .arg(x + w)
                                         .arg(y + 100);
                const QString wireKey = key + QStringLiteral(" wire");
                renderer.DrawLine(port, 1, 2, wire, wireKey);
                renderer.SetLineBox(wireKey, QRect(0, 0, kWidth, kHeight));
                renderer.SetLineMargin(wireKey, 0.05f);
            }
        }
        if (selected) {
            // Show every handle, as while editing.
            for (int32_t i = 0; i < VEXOPLAY_GetOverlayItemCount(port); ++i) {
                int32_t id = -1;
                int32_t kind = 0;
                VEXOPLAY_GetOverlayItem(port, i, &id, &kind, nullptr);
                VEXOPLAY_ShowRenderGeometry(port, kind == 3 ? 0 : kind == 4 ? 2 : 1, id, 1);
            }
        }
        QApplication::processEvents();
    }
    ~Scene() {
        VEXOPLAY_CloseStream(port);
        VEXOPLAY_Cleanup();
    }
    vexo::CShowAIConfig renderer;
    QWidget window;
    int32_t port = -1;
};

// The overlay's own paint: the play library's view over the window, painted
// onto a frame that stands for the decoded picture. Filling that frame is the
// video's cost, not the overlay's, and stays outside the timing.
void PaintFrames(benchmark::State& state, bool selected) {
    Scene scene(selected);
    const auto children = scene.window.findChildren<QWidget*>();
    if (children.isEmpty()) {
        state.SkipWithError("the port made no overlay view");
        return;
    }
    QWidget* overlay = children.first();
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        frame.fill(Qt::black);
        state.ResumeTiming();
        overlay->render(&frame, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["items"] = VEXOPLAY_GetOverlayItemCount(scene.port);
}

void BM_OverlayFrame(benchmark::State& state) {
    PaintFrames(state, false);
}

// The machine is shared: the fastest repetition shows the paint's own cost,
// the median what a frame costs among the neighbours' work.
double Fastest(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}
void BM_OverlayFrameAllHandles(benchmark::State& state) {
    PaintFrames(state, true);
}

// Why outlines are stroked without antialiasing: the same 20 long closed
// outlines of width 2, stroked both ways.
void StrokeOutlines(benchmark::State& state, bool antialiased) {
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPolygon outline;
    outline << QPoint(20, 20) << QPoint(600, 20) << QPoint(1200, 40) << QPoint(1210, 350)
            << QPoint(1180, 690) << QPoint(600, 700) << QPoint(30, 680) << QPoint(25, 350)
            << QPoint(20, 20);
    for (auto _ : state) {
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        painter.setPen(QPen(Qt::green, 2));
        for (int r = 0; r < kRules; ++r) {
            painter.drawPolyline(outline.translated(r, r));
        }
    }
}
void BM_StrokeAntialiased(benchmark::State& state) {
    StrokeOutlines(state, true);
}
void BM_StrokeAliased(benchmark::State& state) {
    StrokeOutlines(state, false);
}

BENCHMARK(BM_OverlayFrame)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(9)
    ->ComputeStatistics("min", Fastest)
    ->ReportAggregatesOnly();
BENCHMARK(BM_OverlayFrameAllHandles)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ComputeStatistics("min", Fastest)
    ->ReportAggregatesOnly();
BENCHMARK(BM_StrokeAntialiased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeAliased)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
