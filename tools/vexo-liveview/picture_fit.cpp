#include "picture_fit.h"

#include <cstdint>

namespace liveview {

QRect FitPicture(const QSize& area, const QSize& picture) {
    if (area.width() <= 0 || area.height() <= 0) {
        return {};
    }
    if (picture.width() <= 0 || picture.height() <= 0) {
        return QRect(QPoint(0, 0), area);
    }
    // Compare the two aspects by cross products in 64 bits: exact, and no
    // overflow for any pair of int sizes.
    const int64_t areaW = area.width();
    const int64_t areaH = area.height();
    int64_t width = areaW;
    int64_t height = areaH;
    if (areaW * picture.height() > areaH * picture.width()) {
        // The frame is wider than the picture: bars left and right.
        width = (areaH * picture.width() + picture.height() / 2) / picture.height();
    } else {
        height = (areaW * picture.height() + picture.width() / 2) / picture.width();
    }
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    return QRect(static_cast<int>((areaW - width) / 2), static_cast<int>((areaH - height) / 2),
                 static_cast<int>(width), static_cast<int>(height));
}

}  // namespace liveview
