#include <gtest/gtest.h>

#include "scene_name_clock.h"
#include "scene_tour_rules.h"

namespace tour = vexo::tour;

TEST(SceneName, IsTheUtcInstantWithUnpaddedMilliseconds) {
    const QDateTime utc(QDate(2020, 1, 2), QTime(9, 5, 7, 3), Qt::UTC);
    EXPECT_EQ(vexo::SceneNameAt(utc), "202001020905073");
    // A local time is named by its UTC instant.
    EXPECT_EQ(vexo::SceneNameAt(utc.toOffsetFromUtc(3600)), "202001020905073");
    EXPECT_EQ(vexo::SceneNameAt(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999), Qt::UTC)),
              "20261231235959999");
}

TEST(SceneName, PinnedClockIsReadOnlyWhenValid) {
    qputenv(vexo::kSceneClockVariable, "2020-01-02T09:05:07.003Z");
    EXPECT_EQ(vexo::SceneNameAt(vexo::SceneClockNow()), "202001020905073");
    qputenv(vexo::kSceneClockVariable, "yesterday");
    EXPECT_GT(vexo::SceneClockNow().date().year(), 2024);
    qunsetenv(vexo::kSceneClockVariable);
}

TEST(TourScenes, DefaultSceneIsNeverOfferedAndUnknownTokensShowNone) {
    std::vector<SceneRecord> scenes(3);
    scenes[0] = {"Default", kDefaultScene, 1, {}, {}, "S1"};
    scenes[1] = {"Gate", kOrdinaryScene, 0, {}, {}, "S2"};
    scenes[2] = {"Yard", kAutoTrackingScene, 0, {}, {}, "S3"};
    const tour::SceneChoices choices = tour::BuildSceneChoices(scenes, "None");
    EXPECT_EQ(choices.texts, QStringList({"None", "Gate", "Yard"}));
    EXPECT_EQ(choices.tokens, QStringList({"", "S2", "S3"}));
    EXPECT_EQ(tour::ChoiceOfToken(choices, "S3"), 2);
    EXPECT_EQ(tour::ChoiceOfToken(choices, "S1"), 0);  // the default scene
    EXPECT_EQ(tour::ChoiceOfToken(choices, "gone"), 0);
    EXPECT_EQ(tour::ChoiceOfToken(choices, ""), 0);
}

TEST(TourStayTime, BoundsAreInclusiveAndOddRangesAreIgnored) {
    ParamRange range;
    range.rangeMap = {{"minInclusive", "10"}, {"maxInclusive", "3600"}};
    const auto stay = tour::StayRangeOf(range);
    ASSERT_TRUE(stay.has_value());
    int value = -1;
    EXPECT_TRUE(tour::IsStayTimeAllowed("10", stay, value));
    EXPECT_EQ(value, 10);
    EXPECT_TRUE(tour::IsStayTimeAllowed("3600", stay, value));
    EXPECT_FALSE(tour::IsStayTimeAllowed("9", stay, value));
    EXPECT_FALSE(tour::IsStayTimeAllowed("3601", stay, value));
    EXPECT_FALSE(tour::IsStayTimeAllowed("12s", stay, value));
    EXPECT_EQ(value, 3600);
    EXPECT_EQ(tour::OutOfRangeText("out of range", *stay), "out of range:10-3600");

    range.rangeMap["maxInclusive"] = "lots";
    EXPECT_FALSE(tour::StayRangeOf(range).has_value());
    EXPECT_FALSE(tour::StayRangeOf(ParamRange()).has_value());
}

TEST(TourWindows, OnlyStrictlyInsideAnotherWindowOverlaps) {
    // Row 0 09:00-10:00, row 1 10:00-12:00, row 2 not set.
    const std::vector<tour::TimeWindow> windows = {{540, 600}, {600, 720}, {0, 0}};
    EXPECT_EQ(tour::CheckStartChange(windows, 1, 600), tour::WindowCheck::Accepted);
    EXPECT_EQ(tour::CheckStartChange(windows, 1, 720), tour::WindowCheck::EndNotAfterStart);
    EXPECT_EQ(tour::CheckStartChange(windows, 1, 570), tour::WindowCheck::Overlap);
    EXPECT_EQ(tour::CheckEndChange(windows, 0, 540), tour::WindowCheck::EndNotAfterStart);
    EXPECT_EQ(tour::CheckEndChange(windows, 0, 660), tour::WindowCheck::Overlap);
    EXPECT_EQ(tour::CheckEndChange(windows, 2, 540), tour::WindowCheck::Accepted);
    EXPECT_EQ(tour::CheckEndChange(windows, 7, 540), tour::WindowCheck::EndNotAfterStart);
}

TEST(TourTimes, WholeHoursAndMalformedTimes) {
    EXPECT_EQ(tour::HourText(7), "07:00");
    EXPECT_EQ(tour::MinutesOfTime("24:00"), 1440);
    EXPECT_EQ(tour::MinutesOfTime("09:30"), 570);
    EXPECT_EQ(tour::MinutesOfTime("00:00"), 0);
    EXPECT_EQ(tour::MinutesOfTime("23:59"), 1439);
    // Read strictly: only "HH:MM" within the day, hour 24 only as "24:00".
    for (const char* broken :
         {"9", "25:00", "", "24:0010", "24:01", "24:30", "9:30", "09:3", "09:60", "-1:00", " 09:00",
          "09:00 ", "+9:00", "09:00:00", "0x9:00"}) {
        EXPECT_EQ(tour::MinutesOfTime(QString::fromLatin1(broken)), -1) << broken;
    }
}

TEST(TourRows, TimerRowsNumberInBlocksOfThirteen) {
    TourRecord record;
    EXPECT_EQ(tour::FirstRowNumber(record), 0);
    record.entries["Tour14"] = {};
    record.entries["Tour15"] = {};
    EXPECT_EQ(tour::FirstRowNumber(record), 14);
    EXPECT_EQ(tour::RowName(tour::TimerRowNumber(14, 1)), "Tour14");
    record.entries.clear();
    record.entries["Tourx"] = {};
    EXPECT_EQ(tour::FirstRowNumber(record), 0);
    record.entries["Tour99999999999"] = {};
    EXPECT_EQ(tour::FirstRowNumber(record), 0);
}
