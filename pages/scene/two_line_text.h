#pragma once
// The name under a function button of a scene tile: at most two lines of
// `width` pixels, broken after a word (after any character in a name
// without spaces, as Chinese names are). A first word wider than the line,
// or a rest that would need a third line, is cut with an ellipsis; the
// tile shows the whole name as a tool tip.

#include <QString>

class QFontMetrics;

namespace vexo {

QString TwoLineText(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace vexo
