#include "breakdown_static.h"

#include <QMouseEvent>
#include <QPainter>

namespace vexo {

CBreakDownStatic::CBreakDownStatic(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
}

void CBreakDownStatic::SetBackground(const QPixmap& picture) {
    m_background = picture;
    update();
}

void CBreakDownStatic::SetTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void CBreakDownStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
    }
    if (!text().isEmpty()) {
        painter.setPen(m_textColor);
        painter.setFont(font());
        painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
    }
}

void CBreakDownStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (m_notify && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace vexo
