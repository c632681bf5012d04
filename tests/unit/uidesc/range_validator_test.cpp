// What the operator may type into an edit with a known range.
#include "range_validator.h"

#include <gtest/gtest.h>

using vexo::RangeValidator;

namespace {

QValidator::State Typed(const RangeValidator& validator, QString text) {
    int pos = static_cast<int>(text.size());
    return validator.validate(text, pos);
}

}  // namespace

TEST(RangeValidator, RefusesValuesAboveTheTopAndForeignCharacters) {
    const RangeValidator percent(0, 100, QString());
    EXPECT_EQ(Typed(percent, "99"), QValidator::Acceptable);
    EXPECT_EQ(Typed(percent, "100"), QValidator::Acceptable);
    EXPECT_EQ(Typed(percent, "0"), QValidator::Acceptable);
    EXPECT_EQ(Typed(percent, "999"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, "101"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, "5x"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, "-5"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, "1.5"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, "٥"), QValidator::Invalid);  // a digit, but not one the device reads
    EXPECT_EQ(Typed(percent, "99999999999999999999"), QValidator::Invalid);
    EXPECT_EQ(Typed(percent, ""), QValidator::Intermediate);  // cleared to type anew
}

TEST(RangeValidator, LetsValuesBelowTheBottomThroughAsUnfinished) {
    const RangeValidator seconds(10, 3600, QString());
    EXPECT_EQ(Typed(seconds, "3"), QValidator::Intermediate);
    EXPECT_EQ(Typed(seconds, "36"), QValidator::Acceptable);
    EXPECT_EQ(Typed(seconds, "3601"), QValidator::Invalid);
}

TEST(RangeValidator, TakesTheValuesUnitAfterTheDigits) {
    const RangeValidator duration(0, 8000, "ms");
    EXPECT_EQ(Typed(duration, "500ms"), QValidator::Acceptable);
    EXPECT_EQ(Typed(duration, "500m"), QValidator::Acceptable);  // the unit half deleted
    EXPECT_EQ(Typed(duration, "500 ms"), QValidator::Acceptable);
    EXPECT_EQ(Typed(duration, "500s"), QValidator::Invalid);
    EXPECT_EQ(Typed(duration, "ms"), QValidator::Invalid);
    EXPECT_EQ(Typed(duration, "9000ms"), QValidator::Invalid);
    const RangeValidator margin(0, 50, " %");
    EXPECT_EQ(Typed(margin, "20 %"), QValidator::Acceptable);
    EXPECT_EQ(Typed(margin, "20%"), QValidator::Acceptable);
}
