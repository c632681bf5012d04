#pragma once
// The control's one font face. The pages ask for "微软雅黑"; on this platform
// that face is mapped once, here, to an installed font that has both Latin
// and CJK glyphs, so that Chinese texts never show as boxes.

#include <QString>

namespace vexo {

QString UiFontFace();

// Maps the face to the installed substitutes; safe to call many times.
void InstallUiFontSubstitution();

}  // namespace vexo
