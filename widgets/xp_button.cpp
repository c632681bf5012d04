#include "xp_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ptz_command_target.h"

namespace vexo {

namespace {
const QColor kDarkText(0x2B, 0x33, 0x3D);
const QColor kLightText(Qt::white);
const QColor kAccent(0x1E, 0x7B, 0xE0);

// True when most of the picture is dark enough to need light text over it.
bool IsDarkPicture(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return false;
    }
    const QImage image =
        pixmap.toImage().scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double lightness = 0;
    double weight = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            lightness += color.lightnessF() * color.alphaF();
            weight += color.alphaF();
        }
    }
    return weight > 0 && lightness / weight < 0.55;
}
}  // namespace

CXPButton::CXPButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAttribute(Qt::WA_Hover, true);
    // Connected first so that the owner's own click handlers already see the
    // flipped state.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_clickMode == kFlipOnClick) {
            SetSelected(m_selectedState ? 0 : 1);
        }
    });
}

void CXPButton::SetImages(const QPixmap& normal, const QPixmap& selected) {
    m_normal = normal;
    m_selected = selected;
    m_normalIsDark = IsDarkPicture(normal);
    m_selectedIsDark = selected.isNull() ? true : IsDarkPicture(selected);
    update();
}

void CXPButton::SetSelected(int selected) {
    m_selectedState = selected ? 1 : 0;
    update();
}

void CXPButton::SetTextOffset(int dx, int dy) {
    m_textDx = dx;
    m_textDy = dy;
    update();
}

void CXPButton::SetTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void CXPButton::SetPtzOwner(PtzCommandTarget* owner, int command) {
    m_ptz.Bind(owner, command);
}

bool CXPButton::ShowsSelectedImage() const {
    if (m_clickMode == kShowSelectedWhileHeld) {
        return isDown();
    }
    return m_selectedState == 1;
}

void CXPButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool selected = ShowsSelectedImage();
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const QPixmap& image = selected ? m_selected : m_normal;
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    } else {
        // A button without images still reads as a button.
        QPainterPath frame;
        frame.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter.fillPath(frame, selected ? QColor(0x1E, 0x7B, 0xE0) : QColor(0xF4, 0xF6, 0xF9));
        painter.setPen(QColor(0xC5, 0xCC, 0xD6));
        painter.drawPath(frame);
    }
    const bool darkPicture =
        image.isNull() ? selected : (selected ? m_selectedIsDark : m_normalIsDark);
    if (m_hover && isEnabled()) {
        // Hover: dark pictures light up, light ones take a trace of the accent.
        QPainterPath veil;
        veil.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        if (darkPicture) {
            painter.fillPath(veil, QColor(255, 255, 255, 45));
        } else {
            painter.fillPath(veil, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 22));
            painter.setPen(QPen(kAccent, 1));
            painter.drawPath(veil);
        }
    }
    const QString label = text();
    if (!label.isEmpty()) {
        const QColor color =
            m_textColor.isValid() ? m_textColor : (darkPicture ? kLightText : kDarkText);
        painter.setPen(color);
        painter.setFont(font());
        painter.drawText(rect().translated(m_textDx, m_textDy), Qt::AlignCenter, label);
    }
    if (hasFocus() && focusPolicy() != Qt::NoFocus && isEnabled()) {
        QPen pen(QColor(0x1E, 0x7B, 0xE0, 120));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
}

void CXPButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    setCursor(Qt::PointingHandCursor);
    update();
    QPushButton::enterEvent(event);
}

void CXPButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QPushButton::leaveEvent(event);
}

void CXPButton::mousePressEvent(QMouseEvent* event) {
    m_ptz.Press(event->button() == Qt::LeftButton);
    QPushButton::mousePressEvent(event);
}

void CXPButton::mouseReleaseEvent(QMouseEvent* event) {
    m_ptz.Release(event->button() == Qt::LeftButton);
    QPushButton::mouseReleaseEvent(event);
}

}  // namespace vexo
