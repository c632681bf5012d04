#include <gtest/gtest.h>

#include "com_str.h"
#include "qstring_print.h"
#include "stored_check.h"

namespace vexo {
namespace {

ParamRecord Week(std::map<QString, std::map<QString, QString>> days) {
    ParamRecord record;
    record.token = QStringLiteral("Intrusion_Event 01");
    for (auto& [day, periods] : days) {
        record.objectParams[day].attributes = std::move(periods);
    }
    return record;
}

TEST(StoredCheck, AWeekComparesDayByDayAsTheBarsShowIt) {
    TheComStr().SetLanguage(QStringLiteral("english"));
    const ParamRecord sent =
        Week({{"Mon", {{"GuardTime 1", "480|720"}, {"GuardTime 2", "720|1080"}}},
              {"Tue", {{"GuardTime 1", "0|1440"}}},
              {"Wed", {{"GuardTime 1", "0|600"}}},
              {"Thu", {}}});
    ParamRecord stored = Week({{"Mon", {{"GuardTime 1", "480|1080"}}},
                               {"Tue", {{"GuardTime 01", "0|1440"}}},  // renamed, same times
                               {"Thu", {{"GuardTime 1", "0|60"}}}});   // Wednesday not returned
    stored.token = QStringLiteral("another token");
    const StoredDifferences differences = CompareSchedules(sent, stored);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].name, "Monday");
    EXPECT_EQ(differences[0].sent, "08:00-12:00, 12:00-18:00");
    EXPECT_EQ(differences[0].stored, "08:00-18:00");
    EXPECT_EQ(differences[1].name, "Thursday");
    EXPECT_EQ(differences[1].sent, "none");
    EXPECT_EQ(differences[1].stored, "00:00-01:00");
}

TEST(StoredCheck, TheReportListsTenThenCountsTheRest) {
    StoredDifferences differences;
    for (int i = 1; i <= 12; ++i) {
        differences.push_back({"Region shape " + std::to_string(i), "12 points", "10 points"});
    }
    const QString english = SaveReport(QStringLiteral("Save Success"), differences, false);
    EXPECT_EQ(english.count(u'\n'), 12);  // the heading, ten lines, "and 2 more"
    EXPECT_TRUE(english.endsWith(
        QStringLiteral("Region shape 10: sent 12 points, stored 10 points\nand 2 more")));
    const QString chinese = SaveReport(QStringLiteral("保存成功"), {differences[0]}, true);
    EXPECT_EQ(
        chinese,
        QStringLiteral(
            "保存成功\n设备保存的值与发送的不同：\nRegion shape 1：发送 12 个点，保存为 10 个点"));
    EXPECT_EQ(SaveReport(QStringLiteral("Save Success"), {}, false),
              QStringLiteral("Save Success"));
}

}  // namespace
}  // namespace vexo
