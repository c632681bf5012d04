#pragma once
// A scripted run of the live view: once the view is up (or has given up),
// optionally one PTZ movement, then after a delay the window is written to
// a PNG and the application exits (0 when the file was written, 1 if not).

#include <QObject>
#include <QTimer>

#include "liveview_options.h"

namespace liveview {

class LiveViewWindow;

class ScreenshotScript : public QObject {
    Q_OBJECT
public:
    ScreenshotScript(LiveViewWindow& window, const LiveViewOptions& options);

    // The longest the script waits for the view to come up or give up.
    static constexpr int kSettleLimitMs = 30000;

private:
    void OnSettled(bool live);
    void Grab();

    LiveViewWindow& window_;
    LiveViewOptions options_;
    bool settled_ = false;
    QTimer limit_;
};

}  // namespace liveview
