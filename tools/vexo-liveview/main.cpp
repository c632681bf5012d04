// vexo-liveview: a device's live video with some of its rule shapes, which
// the mouse can edit, and a PTZ strip.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "live_view_window.h"
#include "liveview_options.h"
#include "screenshot_script.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace {

// Keeps a login or a command to a device that stopped answering short: the
// window's thread waits for PTZ commands, and closing the window for a
// login still under way.
constexpr int kConnectTimeoutMs = 2000;
constexpr int kExchangeTimeoutMs = 5000;

struct DeviceLibraries {
    DeviceLibraries() {
        VEXONET_Init();
        VEXOPLAY_Init();
        VEXONET_SetTimeouts(kConnectTimeoutMs, kExchangeTimeoutMs);
    }
    ~DeviceLibraries() {
        VEXOPLAY_Cleanup();
        VEXONET_Cleanup();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString message;
    bool help = false;
    const auto options = liveview::ParseLiveViewOptions(
        QApplication::arguments(), qEnvironmentVariable("VEXO_PASSWORD"), message, help);
    if (!options) {
        std::fputs(qPrintable(message), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    DeviceLibraries libraries;
    int code = 0;
    {
        liveview::LiveViewWindow window(*options);
        std::unique_ptr<liveview::ScreenshotScript> script;
        if (!options->screenshotFile.isEmpty()) {
            script = std::make_unique<liveview::ScreenshotScript>(window, *options);
        }
        window.show();
        QTimer::singleShot(0, &window, &liveview::LiveViewWindow::Start);
        code = QApplication::exec();
    }
    return code;
}
