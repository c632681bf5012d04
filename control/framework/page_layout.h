#pragma once
// Where the header and the pages go inside the control: the header takes a
// 50-pixel band across the top, the page the rest.

#include <QRect>

namespace vexo {

inline constexpr int kHeaderBandHeight = 50;

inline QRect HeaderBand(const QRect& area) {
    return QRect(QPoint(area.left(), area.top()), QPoint(area.right(), kHeaderBandHeight - 1));
}

inline QRect PageArea(const QRect& area) {
    return QRect(QPoint(area.left(), kHeaderBandHeight), QPoint(area.right(), area.bottom()));
}

}  // namespace vexo
