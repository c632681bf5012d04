#include "screenshot_script.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "live_view_window.h"

namespace liveview {

ScreenshotScript::ScreenshotScript(LiveViewWindow& window, const LiveViewOptions& options)
    : window_(window), options_(options) {
    connect(&window_, &LiveViewWindow::LiveReady, this, [this] { OnSettled(true); });
    connect(&window_, &LiveViewWindow::GaveUp, this, [this] { OnSettled(false); });
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] { OnSettled(false); });
    limit_.start(kSettleLimitMs);
}

void ScreenshotScript::OnSettled(bool live) {
    if (settled_) {
        return;
    }
    settled_ = true;
    limit_.stop();
    if (live && options_.ptz) {
        const PtzMove move = *options_.ptz;
        window_.SendPtz(move.command, false);
        QTimer::singleShot(move.durationMs, this, [this, move] {
            window_.SendPtz(move.command, true);
            QTimer::singleShot(options_.afterMs, this, &ScreenshotScript::Grab);
        });
        return;
    }
    QTimer::singleShot(options_.afterMs, this, &ScreenshotScript::Grab);
}

void ScreenshotScript::Grab() {
    const QPixmap shot = window_.grab();
    const bool written = shot.save(options_.screenshotFile, "PNG");
    if (written) {
        std::printf("screenshot %s (%dx%d)\n", qPrintable(options_.screenshotFile), shot.width(),
                    shot.height());
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(options_.screenshotFile));
    }
    std::fflush(stdout);
    QApplication::exit(written ? 0 : 1);
}

}  // namespace liveview
