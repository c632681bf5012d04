#pragma once
// A child that covers the video window and paints the port's newest decoded
// picture (while there is none it stays transparent, so the window's own
// idle picture shows) and the overlay items over it. Mouse input passes through to
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

    // The window's dynamic property that holds the number of items shown
    // over it, as of the last repaint.
    static constexpr char kShownItemsProperty[] = "vexoOverlayItems";
    // And the number of target boxes the last repaint drew from the
    // picture's metadata.
    static constexpr char kTargetBoxesProperty[] = "vexoMetadataTargets";

    // A new picture or a change of the items: repaint. Once the port has a
    // picture, it covers the whole view, so the window underneath is no
    // longer painted first (that fill cost as much as the picture's blit).
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::weak_ptr<PlayPort> port_;
};

}  // namespace vexoplay
