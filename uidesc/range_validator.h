#pragma once
// The edit of a value with a known range (a spin's value list, built from the
// device's range) refuses, while the operator types, every character that is
// not a digit or the value's unit and every value above the range's top; a
// value still below the bottom is let through as unfinished, since "5" is the
// way to "50". Texts set by the program are not checked.

#include <QString>
#include <QValidator>

namespace vexo {

class RangeValidator : public QValidator {
    Q_OBJECT
public:
    // `unit` is the text the values are shown with after their digits
    // ("ms", "%"; blanks between digits and unit are allowed).
    RangeValidator(int minimum, int maximum, const QString& unit, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // "Range: 0 to 100" (with the unit after the top) in the current language.
    QString RangeText() const;

private:
    int minimum_;
    int maximum_;
    QString unit_;
};

}  // namespace vexo
