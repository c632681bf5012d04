#include "live_view_window.h"

#include <QHBoxLayout>
#include <QMetaObject>
#include <QVBoxLayout>

#include "edit_target_bar.h"
#include "ptz_strip.h"
#include "vexonet.h"
#include "vexoplay.h"
#include "video_frame.h"

namespace liveview {

namespace {
constexpr int kWatchIntervalMs = 100;
// Pan and tilt speed of the strip's movements (1 to 10).
constexpr int kPtzSpeed = 6;
}  // namespace

LiveViewWindow::LiveViewWindow(const LiveViewOptions& options, QWidget* parent)
    : QWidget(parent),
      options_(options),
      texts_(TextsFor(options.language)),
      frame_(new VideoFrame(this)),
      ptz_(new PtzStrip(
          texts_, [this](int command, bool stop) { return SendPtz(command, stop); }, this)),
      editBar_(new EditTargetBar(texts_, this)),
      status_(new QLabel(this)) {
    setWindowTitle(texts_.title + QStringLiteral(" - ") + options_.device);
    session_.SetUiLanguage(options.language == Language::Chinese ? QStringLiteral("chinese")
                                                                 : QStringLiteral("english"));
    // The camera's targets with their classes, and every rule that fires.
    session_.SetMetadataOption(
        QStringLiteral("zelk:ShowTargetBox,zelk:ShowObjectClass,zelk:ShowRuleGeometry"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(frame_, 1);
    auto* controls = new QHBoxLayout;
    controls->addWidget(editBar_);
    controls->addStretch();
    controls->addWidget(ptz_);
    layout->addLayout(controls);
    layout->addWidget(status_);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ptz_->setEnabled(false);
    frame_->Surface()->SetSession(&session_);
    frame_->Surface()->SetPressFilter(
        [this](QPoint p) { return phase_ == Phase::Live && overlayShapes_.AcceptsPress(p); });
    connect(editBar_, &EditTargetBar::TargetChosen, this,
            [this](EditTarget target) { overlayShapes_.SetEditTarget(target); });
    connect(frame_->Surface(), &VideoSurface::Resized, this, &LiveViewWindow::OnSurfaceResized);
    watch_.setInterval(kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &LiveViewWindow::Watch);
    resize(980, 660);
}

LiveViewWindow::~LiveViewWindow() {
    // A login still under way ends within the network library's time-outs;
    // its result is then dropped with the window's queued calls.
    if (login_.joinable()) {
        login_.join();
    }
    watch_.stop();
    // Stop the stream while the video window still exists.
    session_.StopRealPlay();
}

void LiveViewWindow::Start() {
    if (login_.joinable()) {
        return;
    }
    SetPhase(Phase::Idle, texts_.loggingIn.arg(options_.device));
    login_ = std::thread([this] {
        LoginResult result;
        result.loggedIn =
            channel_.ParamInit(&session_, options_.device, options_.user, options_.password) != 0;
        result.error = VEXONET_GetLastError();
        if (result.loggedIn) {
            result.shapes = WithDemoShapes(ReadDeviceShapes(channel_));
        }
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)]() mutable { OnLoggedIn(std::move(result)); },
            Qt::QueuedConnection);
    });
}

void LiveViewWindow::OnLoggedIn(LoginResult result) {
    if (!result.loggedIn) {
        SetPhase(Phase::LoginFailed,
                 texts_.loginFailed.arg(options_.device, ReasonText(texts_, result.error)));
        emit GaveUp();
        return;
    }
    shapes_ = std::move(result.shapes);
    VideoSurface* surface = frame_->Surface();
    if (!session_.StartRealPlay(options_.streamSelector, surface,
                                QRect(QPoint(), surface->size()))) {
        SetPhase(Phase::StreamRefused,
                 texts_.streamRefused.arg(ReasonText(texts_, session_.LastStartError())));
        emit GaveUp();
        return;
    }
    ptz_->setEnabled(true);
    SetPhase(Phase::WaitingForPicture, texts_.waitingForPicture);
    waiting_.start();
    watch_.start();
}

bool LiveViewWindow::SendPtz(int command, bool stop) {
    if (session_.LoginId() < 0) {
        return false;
    }
    if (VEXONET_PTZControl(session_.LoginId(), 0, command, kPtzSpeed, kPtzSpeed, stop ? 1 : 0) ==
        1) {
        return true;
    }
    status_->setText(texts_.ptzRefused.arg(ReasonText(texts_, VEXONET_GetLastError())));
    return false;
}

void LiveViewWindow::Watch() {
    if (session_.RealDataHandle() >= 0 &&
        VEXONET_GetRealDataState(session_.RealDataHandle()) == 0) {
        const int reason = VEXONET_GetLastError();
        watch_.stop();
        session_.StopRealPlay();
        ptz_->setEnabled(false);
        SetPhase(Phase::StreamEnded, texts_.streamEnded.arg(ReasonText(texts_, reason)));
        emit GaveUp();
        return;
    }
    if (phase_ != Phase::WaitingForPicture && phase_ != Phase::NoPicture) {
        return;
    }
    if (session_.FirstFrameDrawn() && session_.HasPicture()) {
        ShowPicture();
    } else if (phase_ == Phase::WaitingForPicture && waiting_.elapsed() > kPictureWaitMs) {
        SetPhase(Phase::NoPicture, texts_.noPicture.arg(kPictureWaitMs / 1000));
        emit GaveUp();
    }
}

void LiveViewWindow::ShowPicture() {
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(session_.PlayPort(), &info);
    // The video window takes the picture's proportions first, so the shapes
    // are converted to the size they will be seen at.
    frame_->SetPictureSize(QSize(info.width, info.height));
    const QSize video = frame_->Surface()->size();
    overlayShapes_.Draw(shapes_, video);
    SetPhase(Phase::Live,
             texts_.playing.arg(options_.device)
                 .arg(info.width)
                 .arg(info.height)
                 .arg(AllFromDevice(shapes_) ? texts_.shapesFromDevice : texts_.shapesDemo));
    emit LiveReady();
}

void LiveViewWindow::OnSurfaceResized(QSize oldSize, QSize newSize) {
    if (phase_ == Phase::Live) {
        overlayShapes_.Capture();
    }
    session_.ResizeVideo(QRect(QPoint(), newSize));
    if (phase_ == Phase::Live) {
        overlayShapes_.Rescale(oldSize, newSize);
    }
}

void LiveViewWindow::SetPhase(Phase phase, const QString& status) {
    phase_ = phase;
    status_->setText(status);
}

}  // namespace liveview
