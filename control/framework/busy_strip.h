#pragma once
// BusyStrip: the thin bar along the top edge of the control that shows an
// operator action still waiting for the device. It runs a light from left
// to right; its own timer keeps it moving, which is also what tells the
// operator that the window is alive.

#include <QTimer>
#include <QWidget>

namespace vexo {

class BusyStrip : public QWidget {
public:
    explicit BusyStrip(QWidget* control);

    // Shows the strip across the control's top edge, above the pages.
    void Start();
    void Stop();

    // Host scripts find the strip by this control identifier.
    static constexpr int kControlId = 15990;
    static constexpr int kHeight = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer step_;
    int phase_ = 0;
};

}  // namespace vexo
