#include "ptz_strip.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "liveview_options.h"
#include "liveview_texts.h"

namespace liveview {

PtzStrip::PtzStrip(const LiveViewTexts& texts, Sender sender, QWidget* parent)
    : QWidget(parent), sender_(std::move(sender)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addStretch();
    const std::pair<const char*, const QString*> entries[] = {
        {"left", &texts.left}, {"right", &texts.right},    {"up", &texts.up},
        {"down", &texts.down}, {"zoom-in", &texts.zoomIn}, {"zoom-out", &texts.zoomOut}};
    for (const auto& [name, label] : entries) {
        const int command = *PtzCommandOf(QLatin1String(name));
        auto* button = new QPushButton(*label, this);
        button->setObjectName(QLatin1String(name));
        // Held, not clicked: no auto-repeat, pressed starts and released stops.
        button->setAutoRepeat(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::pressed, this, [this, command] { Send(command, false); });
        connect(button, &QPushButton::released, this, [this, command] { Send(command, true); });
        layout->addWidget(button);
        buttons_[command] = button;
    }
    layout->addStretch();
}

QPushButton* PtzStrip::ButtonFor(int command) const {
    const auto it = buttons_.find(command);
    return it == buttons_.end() ? nullptr : it->second;
}

void PtzStrip::Send(int command, bool stop) {
    if (sender_ && !sender_(command, stop)) {
        emit Refused(command);
    }
}

}  // namespace liveview
