#include "bitmap_button.h"

#include <QPainter>

namespace vexo {

CBitmapButton::CBitmapButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

void CBitmapButton::SetImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused,
                              const QPixmap& disabled) {
    m_normal = normal;
    m_pressed = pressed;
    m_focused = focused;
    m_disabled = disabled;
    updateGeometry();
    update();
}

const QPixmap& CBitmapButton::CurrentImage() const {
    const QPixmap* image = &m_normal;
    if (!isEnabled()) {
        image = &m_disabled;
    } else if (isDown()) {
        image = &m_pressed;
    } else if (hasFocus()) {
        image = &m_focused;
    }
    return image->isNull() ? m_normal : *image;
}

QSize CBitmapButton::sizeHint() const {
    return m_normal.isNull() ? QPushButton::sizeHint() : m_normal.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& image = CurrentImage();
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    }
}

}  // namespace vexo
