#pragma once
// The arithmetic of a parameter panel that needs no widget: the values a
// spin button walks and the size of a label.

#include <QList>
#include <QSize>
#include <QString>

namespace vexo {

// A spin walks a list of values rather than stepping freely. Up to 400
// apart every integer is listed; further apart the step is the largest
// power of ten dividing the current value, recomputed whenever the values
// left plus those listed would pass 100, so wide ranges stay short lists
// (0..8000 gives 0-9, 10-90, 100-8000). The maximum closes the list when the
// walk does not land on it. A maximum below the minimum gives an empty list;
// whatever the device sends, the list holds at most kMaxSpinValues values.
inline constexpr int kMaxSpinValues = 1000;
QList<int> BuildSpinValues(int minimum, int maximum);

// The integer of the text's leading decimal digits (no sign), saturated at
// INT_MAX; 0 when the text starts with anything else ("0 pixel" gives 0).
int LeadingDigits(const QString& text);
// The leading digits themselves, as text ("" when there are none).
QString LeadingDigitText(const QString& text);

// The unit a spin's values are shown with: "ms" for "xs:duration", "cm"
// for "xs:length", "mm" for the calibration line; empty otherwise.
QString SpinUnit(const QString& valueType, const QString& objectText);
// One spin value as its edit shows it ("%d %%" for the wire margin).
QString SpinValueText(int value, const QString& name, const QString& unit);

// A static label: two pixel columns per character plus two, ten pixels
// each; past 280 it wraps into two lines of 280 (height 40, drawn 5 pixels
// higher). A non-zero `fixedWidth` wins.
struct StaticTextBox {
    QSize size;
    int raise = 0;
};
StaticTextBox StaticTextSize(const QString& text, int fixedWidth);

}  // namespace vexo
