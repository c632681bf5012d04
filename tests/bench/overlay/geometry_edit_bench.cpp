// Geometry editing over a busy overlay: one mouse move of a drag on a shape
// among 20 rules (about 300 play-library items), with the repaint it
// causes, and undoing 100 steps of a panel (each puts a shape back on the
// overlay and the panel's values). Figures are printed; a frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "row_sources.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"
#include "vexoplay.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kRules = 20;

QApplication& App() {
    static int argc = 1;
    static char name[] = "geometry_edit_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A playing port over an offscreen window, with 20 labelled eight-point
// regions and 10 wires: the overlay of a busy page.
struct AppFirst {
    AppFirst() { App(); }  // before any widget member
};

struct Busy : AppFirst {
    Busy() {
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
            const QString region =
                QStringLiteral("8|(%1,%2),(%3,%2),(%4,%2),(%4,%5),(%4,%6),(%3,%6),(%1,%6),(%1,%5)")
                    .arg(x)
                    .arg(y)
                    .arg(x + 350)
                    .arg(x + 700)
                    .arg(y + 200)
                    .arg(y + 400);
            renderer.DrawRegion(port, static_cast<int16_t>(r + 1), 1, region,
                                QStringLiteral("rule %1").arg(r));
            if (r % 2 == 0) {
                const QString key = QStringLiteral("rule %1 wire").arg(r);
                renderer.DrawLine(port, 1, 2,
                                  QStringLiteral("0|(%1,%2),(%3,%4)")
                                      .arg(x)
                                      .arg(y + 420)
                                      .arg(x + 700)
                                      .arg(y + 100),
                                  key);
                renderer.SetLineBox(key, QRect(0, 0, kWidth, kHeight));
                renderer.SetLineMargin(key, 0.05f);
            }
        }
        QApplication::processEvents();
    }
    ~Busy() {
        VEXOPLAY_CloseStream(port);
        VEXOPLAY_Cleanup();
    }
    vexo::CShowAIConfig renderer;
    QWidget window;
    int32_t port = -1;
};

// One step of a drag: the tracker moves a corner and redraws the shape's
// items, then the overlay view paints a frame.
void BM_DragMoveOnBusyOverlay(benchmark::State& state) {
    Busy busy;
    QWidget* view = busy.window.findChildren<QWidget*>().value(0);
    if (view == nullptr) {
        state.SkipWithError("the port made no overlay view");
        return;
    }
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        ++step;
        busy.renderer.MoveShapePoint(QStringLiteral("rule 0"), 2,
                                     {720 + step % 40, 20 + (step / 40) % 40});
        view->render(&frame, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["items"] = VEXOPLAY_GetOverlayItemCount(busy.port);
}
BENCHMARK(BM_DragMoveOnBusyOverlay)->Unit(benchmark::kMillisecond);

// A panel with a region, a wire and a few values over the busy overlay; 100
// steps made (moves, typed values), then undone in one go.
class UndoPanel : public vexo::test::RowSources {
public:
    UndoPanel() {
        page.resize(1000, 600);
        engine.SetArea(&page, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &busy.renderer, nullptr,
                       QRect(0, 0, kWidth, kHeight), busy.port);
        Param("Region", "UI_Static_And_PenBmpBtn_AllShow");
        record_.objectParams["Region"].polygons = {
            {{-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}, {-0.5f, -0.5f}}};
        Param("Name", "UI_Static_And_Edit");
        engine.ResetLayout();
        engine.BuildPanel(Rows(), true);
    }
    Busy busy;
    QWidget page;
    vexo::CSmartUiEngine engine;
};

void BM_Undo100Steps(benchmark::State& state) {
    UndoPanel panel;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 100; ++i) {
            panel.busy.renderer.MoveShapePoint(QStringLiteral("Region"), i % 4,
                                               {300 + i, 200 + i % 7});
        }
        state.ResumeTiming();
        int undone = 0;
        while (panel.engine.Undo()) {
            ++undone;
        }
        if (undone != 100) {
            state.SkipWithError("not 100 steps");
            return;
        }
    }
}
BENCHMARK(BM_Undo100Steps)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
