#include "gdip_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "ptz_command_target.h"

namespace vexo {

namespace {
// Rectangles are merged into the region in blocks of this many, which keeps
// each union small for masks with many runs.
constexpr int kRectsPerBlock = 40;
}  // namespace

CGdipButton::CGdipButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setAttribute(Qt::WA_Hover, true);
}

void CGdipButton::SetImages(const QImage& normal, const QImage& hovered, const QImage& pressed) {
    m_normal = normal;
    m_hovered = hovered;
    m_pressed = pressed;
    update();
}

QRegion CGdipButton::RegionFromMask(const QImage& mask, QRgb transparent) {
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    const QRgb outside = transparent | 0xFF000000u;
    QRegion region;
    std::vector<QRect> block;
    block.reserve(kRectsPerBlock);
    auto flush = [&] {
        if (!block.empty()) {
            // A rectangle list handed to a region must run top to bottom and
            // left to right; the scan goes bottom up.
            std::sort(block.begin(), block.end(), [](const QRect& a, const QRect& b) {
                return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
            });
            QRegion part;
            part.setRects(block.data(), static_cast<int>(block.size()));
            region = region.united(part);
            block.clear();
        }
    };
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (row[x] | 0xFF000000u) == outside) {
                ++x;
            }
            const int start = x;
            while (x < image.width() && (row[x] | 0xFF000000u) != outside) {
                ++x;
            }
            if (x > start) {
                block.emplace_back(start, y, x - start, 1);
                if (static_cast<int>(block.size()) == kRectsPerBlock) {
                    flush();
                }
            }
        }
    }
    flush();
    return region;
}

void CGdipButton::SetMask(const QImage& mask, QRgb transparent) {
    m_region = RegionFromMask(mask, transparent);
    m_shaped = true;
    if (m_region.isEmpty()) {
        // An empty window region hides the button and lets every click fall
        // through to whatever lies beneath it. (QWidget::setMask treats an
        // empty region as "no mask", so it cannot express this itself.)
        clearMask();
        setAttribute(Qt::WA_TransparentForMouseEvents, true);
    } else {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
        QWidget::setMask(m_region);
    }
    update();
}

void CGdipButton::SetPtzOwner(PtzCommandTarget* owner, int command) {
    m_ptz.Bind(owner, command);
}

bool CGdipButton::hitButton(const QPoint& pos) const {
    if (m_shaped) {
        return m_region.contains(pos);
    }
    return QPushButton::hitButton(pos);
}

void CGdipButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_shaped) {
        if (m_region.isEmpty()) {
            return;
        }
        painter.setClipRegion(m_region);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage* image = &m_normal;
    if (isDown() && !m_pressed.isNull()) {
        image = &m_pressed;
    } else if (m_hover && !m_hovered.isNull()) {
        image = &m_hovered;
    }
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    if (!image->isNull()) {
        painter.drawImage(rect(), *image);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void CGdipButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    setCursor(Qt::PointingHandCursor);
    update();
    QPushButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QPushButton::leaveEvent(event);
}

void CGdipButton::mousePressEvent(QMouseEvent* event) {
    m_ptz.Press(event->button() == Qt::LeftButton && hitButton(event->position().toPoint()));
    QPushButton::mousePressEvent(event);
}

void CGdipButton::mouseReleaseEvent(QMouseEvent* event) {
    m_ptz.Release(event->button() == Qt::LeftButton);
    QPushButton::mouseReleaseEvent(event);
}

}  // namespace vexo
