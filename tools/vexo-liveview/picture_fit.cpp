#include "picture_fit.h"

#include <algorithm>
#include <cstdint>

namespace liveview {

namespace {

// The height of the picture's proportions at `width`, rounded.
int64_t HeightAt(int64_t width, const QSize& picture) {
    return (width * picture.height() + picture.width() / 2) / picture.width();
}

}  // namespace

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
        height = HeightAt(areaW, picture);
    }
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    return QRect(static_cast<int>((areaW - width) / 2), static_cast<int>((areaH - height) / 2),
                 static_cast<int>(width), static_cast<int>(height));
}

namespace {

// The rectangle of `width` (a multiple of 16) centred in `fitted`, its left
// edge moved to the nearest step of 4 in the window; empty when that leaves
// `fitted`.
QRect PlaceAligned(const QRect& fitted, const QSize& picture, int originX, int width) {
    constexpr int kLeftStep = 4;
    const int height =
        static_cast<int>(std::clamp<int64_t>(HeightAt(width, picture), 1, fitted.height()));
    int left = fitted.x() + (fitted.width() - width) / 2;
    const int offset = ((originX + left) % kLeftStep + kLeftStep) % kLeftStep;
    left += offset <= kLeftStep / 2 ? -offset : kLeftStep - offset;
    if (left < fitted.x()) {
        left += kLeftStep;
    } else if (left + width > fitted.x() + fitted.width()) {
        left -= kLeftStep;
    }
    if (left < fitted.x() || left + width > fitted.x() + fitted.width()) {
        return {};
    }
    return QRect(left, fitted.y() + (fitted.height() - height) / 2, width, height);
}

}  // namespace

QRect AlignForDirectPaint(const QRect& fitted, const QSize& picture, int originX) {
    constexpr int kWidthStep = 16;
    constexpr int kMinWidth = 64;
    if (fitted.width() < kMinWidth || picture.width() <= 0 || picture.height() <= 0) {
        return fitted;
    }
    // A width that fills the frame exactly leaves no room to move the left
    // edge: one step narrower then.
    const int width = fitted.width() / kWidthStep * kWidthStep;
    for (const int candidate : {width, width - kWidthStep}) {
        if (candidate >= kMinWidth) {
            const QRect placed = PlaceAligned(fitted, picture, originX, candidate);
            if (!placed.isEmpty()) {
                return placed;
            }
        }
    }
    return fitted;
}

}  // namespace liveview
