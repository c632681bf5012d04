#include "panel_metrics.h"

#include <algorithm>
#include <climits>

namespace vexo {

namespace {

// The largest power of ten that divides `value`; 1 for 0.
long long PowerOfTenDividing(long long value) {
    if (value == 0) {
        return 1;
    }
    long long power = 1;
    while (power <= LLONG_MAX / 10 && value % (power * 10) == 0) {
        power *= 10;
    }
    return power;
}

}  // namespace

QList<int> BuildSpinValues(int minimum, int maximum) {
    QList<int> values;
    const long long lo = minimum;
    const long long hi = maximum;
    if (hi - lo <= 400) {
        for (long long v = lo; v <= hi; ++v) {
            values.append(static_cast<int>(v));
        }
        return values;
    }
    long long step = PowerOfTenDividing(lo);
    const bool coarse = (hi - lo) / step > 100;
    long long v = lo;
    while (v <= hi && values.size() < kMaxSpinValues) {
        values.append(static_cast<int>(v));
        if (coarse && (hi - v) / step + values.size() > 100) {
            step = PowerOfTenDividing(v);
        }
        v += step;
    }
    if (values.last() != maximum && values.size() < kMaxSpinValues) {
        values.append(maximum);
    }
    return values;
}

QString LeadingDigitText(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text.at(end) >= u'0' && text.at(end) <= u'9') {
        ++end;
    }
    return text.left(end);
}

int LeadingDigits(const QString& text) {
    long long value = 0;
    for (const QChar c : LeadingDigitText(text)) {
        value = std::min<long long>(value * 10 + (c.unicode() - u'0'), INT_MAX);
    }
    return static_cast<int>(value);
}

QString SpinUnit(const QString& valueType, const QString& objectText) {
    if (objectText == u"CaliberLine") {
        return QStringLiteral("mm");
    }
    if (valueType == u"xs:duration") {
        return QStringLiteral("ms");
    }
    if (valueType == u"xs:length") {
        return QStringLiteral("cm");
    }
    return {};
}

QString SpinValueText(int value, const QString& name, const QString& unit) {
    if (name == u"Wire") {
        return QString::number(value) + QStringLiteral(" %");
    }
    return QString::number(value) + unit;
}

StaticTextBox StaticTextSize(const QString& text, int fixedWidth) {
    StaticTextBox box;
    const long long width = (static_cast<long long>(text.size()) * 2 + 2) * 10;
    box.size = QSize(static_cast<int>(std::min<long long>(width, 280)), 20);
    if (width > 280) {
        box.size.setHeight(40);
        box.raise = 5;
    }
    if (fixedWidth != 0) {
        box.size.setWidth(fixedWidth);
    }
    return box;
}

}  // namespace vexo
