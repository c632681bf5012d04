#pragma once
// The stock mouse and key events in the encoding hosts know: Button 1 left,
// 2 right, 4 middle; Shift 1 shift, 2 control, 4 alt; key codes are the
// virtual key codes (letters and digits as their upper-case ASCII codes).

#include <QtCore/qnamespace.h>

namespace vexo {

int StockButtons(Qt::MouseButtons buttons);
int StockShift(Qt::KeyboardModifiers modifiers);
// 0 for a key without a virtual key code.
int StockKeyCode(int qtKey);

}  // namespace vexo
