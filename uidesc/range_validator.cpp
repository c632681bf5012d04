#include "range_validator.h"

#include "com_str.h"

namespace vexo {

namespace {

QString WithoutBlanks(QString text) {
    text.remove(u' ');
    return text;
}

}  // namespace

RangeValidator::RangeValidator(int minimum, int maximum, const QString& unit, QObject* parent)
    : QValidator(parent), minimum_(minimum), maximum_(maximum), unit_(WithoutBlanks(unit)) {}

QValidator::State RangeValidator::validate(QString& input, int&) const {
    qsizetype digits = 0;
    while (digits < input.size() && input.at(digits).isDigit() &&
           input.at(digits).unicode() < 128) {
        ++digits;
    }
    // After the digits only (the start of) the unit may follow.
    const QString rest = WithoutBlanks(input.mid(digits));
    if (!rest.isEmpty() && !unit_.startsWith(rest)) {
        return Invalid;
    }
    if (digits == 0) {
        return rest.isEmpty() ? Intermediate : Invalid;
    }
    // More digits than the top has can only be above it (or padding zeros).
    if (digits > QString::number(maximum_).size() + 1) {
        return Invalid;
    }
    const qlonglong value = input.left(digits).toLongLong();
    if (value > maximum_) {
        return Invalid;
    }
    return value < minimum_ ? Intermediate : Acceptable;
}

QString RangeValidator::RangeText() const {
    return TheComStr().Texts().valueRange.arg(minimum_).arg(QString::number(maximum_) + unit_);
}

}  // namespace vexo
