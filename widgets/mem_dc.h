#pragma once
// GDI_CMemDC: double buffering for owner drawing. Drawing goes to an
// off-screen picture of the target rectangle; when the object goes out of
// scope the picture replaces (copies over) that rectangle of the target, so a
// complex drawing never shows half-done.

#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace vexo {

class GDI_CMemDC {
public:
    // The buffer uses the target's coordinates: drawing at rect.topLeft()
    // lands at the buffer's origin.
    GDI_CMemDC(QPainter& target, const QRect& rect);
    ~GDI_CMemDC();

    GDI_CMemDC(const GDI_CMemDC&) = delete;
    GDI_CMemDC& operator=(const GDI_CMemDC&) = delete;

    QPainter& Painter() { return m_painter; }
    QPainter* operator->() { return &m_painter; }

private:
    QPainter& m_target;
    QRect m_rect;
    QPixmap m_buffer;
    QPainter m_painter;
};

}  // namespace vexo
