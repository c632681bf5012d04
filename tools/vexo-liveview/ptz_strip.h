#pragma once
// The PTZ strip under the video: each button moves the dome while it is
// held down and stops it on release, so the operator sees the view follow.

#include <QWidget>
#include <functional>
#include <map>

class QPushButton;

namespace liveview {

struct LiveViewTexts;

class PtzStrip : public QWidget {
    Q_OBJECT
public:
    // Sends one PTZ command (stop = false starts it, true ends it); true
    // when the device took it.
    using Sender = std::function<bool(int command, bool stop)>;

    PtzStrip(const LiveViewTexts& texts, Sender sender, QWidget* parent = nullptr);

    // The button of a PTZ command, or null.
    QPushButton* ButtonFor(int command) const;

signals:
    void Refused(int command);

private:
    void Send(int command, bool stop);

    Sender sender_;
    std::map<int, QPushButton*> buttons_;
};

}  // namespace liveview
