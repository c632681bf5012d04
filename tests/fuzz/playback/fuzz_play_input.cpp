// Decoder input of the play library and the painting of what it decodes.
// The first byte picks the codec of the port (bit 0) and the width of the
// window it plays in (bit 1: 64 pixels, where pictures are converted
// straight into the window's pixels, or 70, where they go through an
// image); the rest is cut into packets at each 0xFF 0xFE 0xFD marker and
// fed to VEXOPLAY_InputData. The decoder must skip what it cannot read,
// and whatever it decodes (any size, any pixel format) must paint.
#include <QApplication>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vexoplay.h"

namespace {

QWidget& Window() {
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_play_input";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
    static QWidget* window = [] {
        VEXOPLAY_Init();
        auto* w = new QWidget;
        w->resize(64, 48);
        w->show();
        return w;
    }();
    return *window;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QWidget& window = Window();
    if (size < 1) {
        return 0;
    }
    const char* header = (data[0] & 1) != 0 ? R"({"codec":"mjpeg","width":64,"height":48})"
                                            : R"({"codec":"h264","width":64,"height":48})";
    const int32_t port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header),
                                             static_cast<int32_t>(strlen(header)));
    if (port < 0) {
        return 0;
    }
    window.resize((data[0] & 2) != 0 ? 70 : 64, 48);
    VEXOPLAY_Play(port, &window, 0, 0);
    size_t start = 1;
    for (size_t i = 1; i + 3 <= size; ++i) {
        if (data[i] == 0xFF && data[i + 1] == 0xFE && data[i + 2] == 0xFD) {
            VEXOPLAY_InputData(port, data + start, static_cast<int32_t>(i - start));
            start = i + 3;
            i += 2;
        }
    }
    if (start < size) {
        VEXOPLAY_InputData(port, data + start, static_cast<int32_t>(size - start));
    }
    VEXOPLAY_WaitIdle(port, 10000);
    Settle();  // the window paints the newest picture
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port, &info);
    VEXOPLAY_Stop(port);
    VEXOPLAY_CloseStream(port);
    Settle();
    return 0;
}
