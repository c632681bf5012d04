#include "video_frame.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include "audio_video_play.h"
#include "picture_fit.h"

namespace liveview {

namespace {
// The session's mouse flags: the left button is down.
constexpr uint32_t kLeftButtonFlag = 0x0001;

void PaintBlack(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
}  // namespace

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent) {
    PaintBlack(*this);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void VideoSurface::mousePressEvent(QMouseEvent* event) {
    // A press on a shape runs its tracker until the button is released.
    const QPoint p = event->position().toPoint();
    if (session_ != nullptr && event->button() == Qt::LeftButton &&
        (!pressFilter_ || pressFilter_(p))) {
        session_->OnButtonDown(kLeftButtonFlag, p.x(), p.y());
    }
    event->accept();
}

void VideoSurface::mouseMoveEvent(QMouseEvent* event) {
    if (session_ != nullptr) {
        const QPoint p = event->position().toPoint();
        session_->OnMouseMove(event->buttons() & Qt::LeftButton ? kLeftButtonFlag : 0, p.x(),
                              p.y());
    }
    event->accept();
}

void VideoSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized(event->oldSize(), event->size());
}

VideoFrame::VideoFrame(QWidget* parent) : QWidget(parent), surface_(new VideoSurface(this)) {
    PaintBlack(*this);
    setMinimumSize(160, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void VideoFrame::SetPictureSize(QSize picture) {
    if (picture.width() > 0 && picture.height() > 0 && picture != picture_) {
        picture_ = picture;
        PlaceSurface();
    }
}

void VideoFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceSurface();
}

void VideoFrame::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlaceSurface();
}

void VideoFrame::PlaceSurface() {
    const QRect fitted = FitPicture(size(), picture_);
    surface_->setGeometry(AlignForDirectPaint(fitted, picture_, mapTo(window(), QPoint()).x()));
}

}  // namespace liveview
