#pragma once
// CComFont: one font of the control, given as the cell height and average
// character width in pixels that the pages were laid out with, normal weight,
// upright, sans serif, face "微软雅黑" (mapped to an installed CJK font).
//
// Mapping to Qt: the cell height includes the face's line gap, so the pixel
// size of the em is the height divided by 1.32 (the cell-to-em ratio of the
// face the layouts were made with). The width becomes a horizontal stretch
// relative to half the em, the usual average width of Latin text; 20 x 7
// therefore gives a 15-pixel font at 93 % width.

#include <QFont>
#include <QString>

namespace vexo {

struct FontCell {
    int height;
    int width;
};

// The fonts the pages use.
inline constexpr FontCell kModuleFirstFont{20, 7};  // owner-drawn buttons, the analytics switch
inline constexpr FontCell kModuleSecondFont{21, 8};
inline constexpr FontCell kHeaderFont{23, 8};            // the common header
inline constexpr FontCell kIndexPartFont{20, 8};         // every index page part
inline constexpr FontCell kIndexHeaderStripFont{20, 6};  // the index page's header strip

class CComFont {
public:
    CComFont(int height, int width, const QString& face = QString());
    explicit CComFont(FontCell cell) : CComFont(cell.height, cell.width) {}
    virtual ~CComFont() = default;

    const QFont& Font() const { return m_font; }
    operator const QFont&() const { return m_font; }
    int Height() const { return m_height; }
    int Width() const { return m_width; }

private:
    int m_height;
    int m_width;
    QFont m_font;
};

// The module's two shared fonts.
const CComFont& ModuleFirstFont();
const CComFont& ModuleSecondFont();

}  // namespace vexo
