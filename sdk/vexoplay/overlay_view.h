#pragma once
// A transparent child that covers the video window and paints the port's
// overlay items over the window's own picture. Mouse input passes through to
// the window, so editing code keeps talking to the window it knows.

#include <QWidget>
#include <memory>

namespace vexoplay {

class PlayPort;

class OverlayView : public QWidget {
    Q_OBJECT
public:
    OverlayView(QWidget* window, std::weak_ptr<PlayPort> port);
    ~OverlayView() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::weak_ptr<PlayPort> port_;
};

}  // namespace vexoplay
