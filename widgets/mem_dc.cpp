#include "mem_dc.h"

namespace vexo {

namespace {
qreal TargetPixelRatio(const QPainter& target) {
    const QPaintDevice* device = target.device();
    return device ? device->devicePixelRatioF() : 1.0;
}
}  // namespace

GDI_CMemDC::GDI_CMemDC(QPainter& target, const QRect& rect)
    : m_target(target), m_rect(rect), m_buffer(rect.size() * TargetPixelRatio(target)) {
    m_buffer.setDevicePixelRatio(TargetPixelRatio(target));
    m_buffer.fill(Qt::transparent);
    m_painter.begin(&m_buffer);
    m_painter.translate(-rect.topLeft());
}

GDI_CMemDC::~GDI_CMemDC() {
    m_painter.end();
    m_target.save();
    // A straight copy: the buffer replaces what was there, as a bit block
    // transfer would.
    m_target.setCompositionMode(QPainter::CompositionMode_Source);
    m_target.drawPixmap(m_rect.topLeft(), m_buffer);
    m_target.restore();
}

}  // namespace vexo
