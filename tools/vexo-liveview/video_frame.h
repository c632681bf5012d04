#pragma once
// The video area: a black frame with, inside it, the video window the play
// library paints into, kept at the picture's proportions. Mouse input on
// the video window goes to the session, which edits the shape under it.

#include <QSize>
#include <QWidget>
#include <functional>

class CAudioVideoPlay;

namespace liveview {

class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);
    void SetSession(CAudioVideoPlay* session) { session_ = session; }
    // Decides which presses reach the session; without it, all do.
    void SetPressFilter(std::function<bool(QPoint)> filter) { pressFilter_ = std::move(filter); }

signals:
    void Resized(QSize oldSize, QSize newSize);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CAudioVideoPlay* session_ = nullptr;
    std::function<bool(QPoint)> pressFilter_;
};

class VideoFrame : public QWidget {
    Q_OBJECT
public:
    explicit VideoFrame(QWidget* parent = nullptr);
    VideoSurface* Surface() const { return surface_; }
    // The picture's size as the stream carries it; until it is known the
    // frame assumes 16:9.
    void SetPictureSize(QSize picture);
    QSize PictureSize() const { return picture_; }
    QSize sizeHint() const override { return {960, 540}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The video window's place depends on the frame's place in the window
    // too (see AlignForDirectPaint).
    void PlaceSurface();

    VideoSurface* surface_;
    QSize picture_{16, 9};
};

}  // namespace liveview
