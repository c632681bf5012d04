#pragma once
// The live view: logs into the device, plays its stream into the video
// frame, draws the device's rule shapes once the first picture is up, and
// reports in a status line what goes wrong (refused login, refused stream,
// no picture, a device that goes away) without ever blocking for long.

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <thread>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "device_shapes.h"
#include "liveview_options.h"
#include "liveview_texts.h"
#include "overlay_shapes.h"

namespace liveview {

class EditTargetBar;
class PtzStrip;
class VideoFrame;

class LiveViewWindow : public QWidget {
    Q_OBJECT
public:
    enum class Phase {
        Idle,
        LoginFailed,
        StreamRefused,
        WaitingForPicture,
        NoPicture,  // still waiting, but the operator has been told
        Live,
        StreamEnded
    };

    explicit LiveViewWindow(const LiveViewOptions& options, QWidget* parent = nullptr);
    ~LiveViewWindow() override;

    // Logs in and reads the shapes on a thread of its own (both wait for the
    // device, up to the network library's time-outs), then starts the
    // stream. The window keeps painting and answering meanwhile; LiveReady
    // or GaveUp tells how it ended. Only the first call does anything.
    void Start();

    Phase CurrentPhase() const { return phase_; }
    QString StatusText() const { return status_->text(); }
    const LiveShapes& Shapes() const { return shapes_; }
    CAudioVideoPlay& Session() { return session_; }
    VideoFrame* Frame() const { return frame_; }
    PtzStrip* Ptz() const { return ptz_; }
    EditTargetBar* EditBar() const { return editBar_; }
    OverlayShapes& ShapesOnOverlay() { return overlayShapes_; }

    // One PTZ command on the login; a refusal shows in the status line.
    bool SendPtz(int command, bool stop);

    // How long the first picture may take before the operator is told.
    static constexpr int kPictureWaitMs = 10000;

signals:
    // The first picture is up and the shapes are drawn.
    void LiveReady();
    // The view will not come up by itself: login or stream refused, no
    // picture in time, or the stream ended.
    void GaveUp();

private:
    // What the login thread found out, for the window's thread.
    struct LoginResult {
        bool loggedIn = false;
        int error = 0;  // the network library's error, kept per thread
        LiveShapes shapes;
    };
    void OnLoggedIn(LoginResult result);
    void Watch();
    void OnSurfaceResized(QSize oldSize, QSize newSize);
    void ShowPicture();
    void SetPhase(Phase phase, const QString& status);

    LiveViewOptions options_;
    const LiveViewTexts& texts_;
    CAudioVideoPlay session_;
    DeviceCommandChannel channel_;
    LiveShapes shapes_;
    OverlayShapes overlayShapes_{session_};
    Phase phase_ = Phase::Idle;
    QElapsedTimer waiting_;
    QTimer watch_;
    VideoFrame* frame_;
    PtzStrip* ptz_;
    EditTargetBar* editBar_;
    QLabel* status_;
    // Uses channel_ and session_'s login until it hands its result over;
    // the window touches neither before that. Joined by the destructor.
    std::thread login_;
};

}  // namespace liveview
