#include <gtest/gtest.h>

#include "qstring_print.h"
#include "schedule_week.h"

namespace vexo {
namespace {

TEST(ScheduleTimeScale, EndsOfTheBarAreMidnightAndRoundingIsToTheNearestMinute) {
    const DayScale scale{100, 820};      // 1440 minutes over pixels 101 .. 820
    EXPECT_EQ(scale.MinutesAt(100), 0);  // left of the scale
    EXPECT_EQ(scale.MinutesAt(-50), 0);
    EXPECT_EQ(scale.MinutesAt(101), 0);
    EXPECT_EQ(scale.MinutesAt(820), 1440);
    EXPECT_EQ(scale.MinutesAt(900), 1440);  // right of the scale
    // 719 pixels per day: pixel 461 is (360 / 719) * 1440 + 0.5 = 721.5.
    EXPECT_EQ(scale.MinutesAt(461), 721);
    EXPECT_EQ(scale.PixelOf(0), 101);
    EXPECT_EQ(scale.PixelOf(1440), 820);
    EXPECT_EQ(scale.PixelOf(720), 461);  // 360 * 719 / 1440 + 0.5 + 101
    // A bar with no width never divides by zero.
    EXPECT_EQ((DayScale{10, 10}).MinutesAt(10), 0);
}

TEST(ScheduleHourLabels, NarrowBarsWriteFewerHoursSoLabelsNeverTouch) {
    // Labels 16 pixels wide need 20 pixels per label.
    EXPECT_EQ(HourLabelStep(720, 16), 1);  // 30 pixels an hour: every hour
    EXPECT_EQ(HourLabelStep(480, 16), 1);  // exactly 20: still every hour
    EXPECT_EQ(HourLabelStep(479, 16), 2);  // one pixel less: every second hour
    EXPECT_EQ(HourLabelStep(300, 16), 2);  // 12.5 an hour, 25 a label
    EXPECT_EQ(HourLabelStep(200, 16), 4);  // 8.3 an hour: every fourth
    EXPECT_EQ(HourLabelStep(100, 16), 6);
    EXPECT_EQ(HourLabelStep(10, 16), 12);  // no room at all: 00, 12 and 24
    EXPECT_EQ(HourLabelStep(0, 16), 12);
}

TEST(ScheduleTimeText, FormsAndReadsHoursAndMinutes) {
    EXPECT_EQ(ScheduleTimeText(0), "00:00");
    EXPECT_EQ(ScheduleTimeText(1440), "24:00");
    EXPECT_EQ(ScheduleTimeText(605), "10:05");
    EXPECT_EQ(ScheduleMinutes("24:00"), 1440);
    EXPECT_EQ(ScheduleMinutes("10:05"), 605);
    EXPECT_EQ(ScheduleMinutes("7"), 420);
    EXPECT_EQ(ScheduleMinutes("x:y"), 0);
    EXPECT_EQ(ScheduleMinutes("99999999999:00"), 1000000);  // limited, no overflow
}

TEST(ScheduleTypedTimes, WholeStepsAndTypedPeriodsWithinTheDay) {
    EXPECT_EQ(SnapScheduleMinutes(356), 355);
    EXPECT_EQ(SnapScheduleMinutes(358), 360);
    EXPECT_EQ(SnapScheduleMinutes(1439), 1440);
    EXPECT_EQ(SnapScheduleMinutes(-3), 0);
    EXPECT_EQ(TypedScheduleMinutes("06:07"), 367);
    EXPECT_EQ(TypedScheduleMinutes(" 6:07 "), 367);
    EXPECT_EQ(TypedScheduleMinutes("24:00"), 1440);
    for (const char* wrong : {"24:01", "23:60", "6:7", "0607", "06:07:00", "", "ab:cd"}) {
        EXPECT_EQ(TypedScheduleMinutes(wrong), -1) << wrong;
    }
    const ScheduleDay day{{"01:00", "02:00"}, {"05:00", "06:00"}};
    EXPECT_EQ(CheckTypedPeriod(day, 1, 120, 360), TypedPeriodError::None);  // its own old span
    EXPECT_EQ(CheckTypedPeriod(day, 1, 110, 360), TypedPeriodError::Overlap);
    EXPECT_EQ(CheckTypedPeriod(day, 0, 60, 60), TypedPeriodError::EndNotAfterStart);
    EXPECT_EQ(CheckTypedPeriod(day, 0, -1, 60), TypedPeriodError::Format);
}

TEST(ScheduleFreeGap, StopsFiveBeforeTheNextPeriodAndMayPassTheBarsEnd) {
    const auto ends = [](const FreeGap& gap) { return std::pair{gap.left, gap.right}; };
    const std::vector<PixelSpan> spans{{200, 300}, {500, 600}};
    // From the end of the period on the left to 5 before the next start.
    EXPECT_EQ(ends(FreeGapAround(spans, 400, 100, 820)), std::pair(300, 495));
    // The bar's end, 5 outwards.
    EXPECT_EQ(ends(FreeGapAround(spans, 700, 100, 820)), std::pair(600, 825));
    EXPECT_EQ(ends(FreeGapAround(spans, 150, 100, 820)), std::pair(100, 195));
    EXPECT_EQ(ends(FreeGapAround({}, 400, 100, 820)), std::pair(100, 825));
    // A moved period stays between its neighbours.
    EXPECT_EQ(ends(FreeGapForMove({{100, 150}, {300, 350}, {600, 700}}, 1, 100, 820)),
              std::pair(150, 600));
}

TEST(ScheduleWireForm, WritesOneNumberedAttributePerPeriodAndKeepsTheRest) {
    ScheduleWeek week;
    for (int i = 0; i < 11; ++i) {
        week[0].push_back({ScheduleTimeText(i * 100), ScheduleTimeText(i * 100 + 50)});
    }
    week[6].push_back({"00:00", "24:00"});
    ParamRecord record;
    record.plainParams["Other"] = "kept";
    record.objectParams["Tue"].attributes["GuardTime 9"] = "1|2";  // replaced: Tuesday is empty
    record.objectParams["Extra"].attributes["a"] = "b";
    WriteScheduleWeek(week, record);

    const auto& monday = record.objectParams.at("Mon").attributes;
    ASSERT_EQ(monday.size(), 11u);
    EXPECT_EQ(monday.at("GuardTime 1"), "0|50");
    EXPECT_EQ(monday.at("GuardTime 11"), "1000|1050");
    EXPECT_TRUE(record.objectParams.at("Tue").attributes.empty());
    EXPECT_EQ(record.objectParams.at("Sun").attributes.at("GuardTime 1"), "0|1440");
    EXPECT_EQ(record.plainParams.at("Other"), "kept");
    EXPECT_EQ(record.objectParams.at("Extra").attributes.at("a"), "b");

    // Read back in the text order of the names: 1, 10, 11, 2, ...
    ScheduleWeek back;
    ReadScheduleWeek(record, back);
    ASSERT_EQ(back[0].size(), 11u);
    EXPECT_EQ(back[0][0].start, "00:00");
    EXPECT_EQ(back[0][1].start, ScheduleTimeText(900));   // "GuardTime 10"
    EXPECT_EQ(back[0][2].start, ScheduleTimeText(1000));  // "GuardTime 11"
    EXPECT_EQ(back[0][3].start, ScheduleTimeText(100));   // "GuardTime 2"
    EXPECT_EQ(back[6][0].end, "24:00");
}

TEST(ScheduleWireForm, OddDeviceValuesReadWithoutFault) {
    ParamRecord record;
    auto& monday = record.objectParams["Mon"].attributes;
    monday["a"] = "600";  // no "|": from midnight to the whole value
    monday["b"] = "x|y";  // not numbers
    monday["c"] = "-5|99999999999999";
    monday["d"] = "";
    ScheduleWeek week;
    week[3].push_back({"01:00", "02:00"});  // emptied by the read
    ReadScheduleWeek(record, week);
    ASSERT_EQ(week[0].size(), 4u);
    EXPECT_EQ(week[0][0].start, "00:00");
    EXPECT_EQ(week[0][0].end, "10:00");
    EXPECT_EQ(week[0][1].end, "00:00");
    EXPECT_EQ(week[0][2].start, "00:00");
    EXPECT_EQ(ScheduleMinutes(week[0][2].end), 1000000);
    EXPECT_TRUE(week[3].empty());

    for (int i = 0; i < 300; ++i) {
        monday[QString::number(1000 + i)] = "1|2";
    }
    ReadScheduleWeek(record, week);
    EXPECT_EQ(week[0].size(), kMaxPeriodsPerDay);
}

}  // namespace
}  // namespace vexo
