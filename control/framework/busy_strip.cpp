#include "busy_strip.h"

#include <QPainter>

#include "auto_base.h"

namespace vexo {
namespace {
constexpr int kStepMs = 40;
constexpr int kSteps = 50;  // two seconds across
}  // namespace

BusyStrip::BusyStrip(QWidget* control) : QWidget(control) {
    setProperty(kAutoIdProperty, kControlId);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    step_.setInterval(kStepMs);
    QObject::connect(&step_, &QTimer::timeout, this, [this] {
        phase_ = (phase_ + 1) % kSteps;
        update();
    });
}

void BusyStrip::Start() {
    if (QWidget* control = parentWidget()) {
        setGeometry(0, 0, control->width(), kHeight);
    }
    phase_ = 0;
    show();
    raise();
    step_.start();
}

void BusyStrip::Stop() {
    step_.stop();
    hide();
}

void BusyStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xD0, 0xD8, 0xE0));
    const int light = std::max(width() / 4, 1);
    const int x = (width() + light) * phase_ / kSteps - light;
    painter.fillRect(QRect(x, 0, light, height()), QColor(0x1E, 0x78, 0xC8));
}

}  // namespace vexo
