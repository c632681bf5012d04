// Offscreen pictures of the control for the user guide:
//   control_screenshots OUTPUT_FOLDER
// writes control-english.png, control-chinese.png and loading-dialog.png.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "audio_video_play.h"
#include "bench_support.h"
#include "com_str.h"

namespace {

bool Save(QWidget& widget, const QString& path) {
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: control_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // Some latency so that the loading dialog is seen on its way.
    vexo::test::SimProcess sim({"--latency-ms", "60"});
    if (!sim.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return 1;
    }
    CVexoSmartOcxCtrl control;
    control.resize(1280, 720);
    control.show();
    for (const char* language : {"english", "chinese"}) {
        control.SetLanguage(language);
        const bool firstRun = QString(language) == "english";
        const auto timing = bench::TimedLogin(control, sim, [&](CDlgLoad& dialog) {
            if (firstRun) {
                QTest::qWait(400);
                Save(dialog, folder + "/loading-dialog.png");
            }
        });
        if (!timing.ok) {
            std::fprintf(stderr, "login failed\n");
            return 1;
        }
        QTest::qWait(600);  // the video pane's first picture, the paint
        Save(control, folder + QString("/control-%1.png").arg(language));
    }
    control.SetLanguage("english");
    return 0;
}
