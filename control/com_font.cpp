#include "com_font.h"

#include <QtMath>
#include <algorithm>

#include "ui_font.h"

namespace vexo {

namespace {
constexpr double kCellToEm = 1.32;
}  // namespace

CComFont::CComFont(int height, int width, const QString& face) : m_height(height), m_width(width) {
    InstallUiFontSubstitution();
    m_font.setFamily(face.isEmpty() ? UiFontFace() : face);
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setWeight(QFont::Normal);
    m_font.setItalic(false);
    m_font.setUnderline(false);
    m_font.setStrikeOut(false);
    const int em = std::max(1, qRound(std::abs(height) / kCellToEm));
    m_font.setPixelSize(em);
    if (width > 0) {
        const int stretch = qRound(100.0 * width / (em / 2.0));
        m_font.setStretch(std::clamp(stretch, 50, 200));
    }
}

const CComFont& ModuleFirstFont() {
    static const CComFont font(kModuleFirstFont);
    return font;
}

const CComFont& ModuleSecondFont() {
    static const CComFont font(kModuleSecondFont);
    return font;
}

}  // namespace vexo
