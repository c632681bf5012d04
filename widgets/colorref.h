#pragma once
// Colours are kept as the control's COLORREF values (0x00BBGGRR) wherever the
// pages name them, and turned into Qt colours in this one place.

#include <QColor>
#include <cstdint>

namespace vexo {

using COLORREF = std::uint32_t;

constexpr COLORREF MakeColorRef(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor ColorFromRef(COLORREF ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

}  // namespace vexo
