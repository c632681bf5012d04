// The guard schedule grid against a simulated device: drawing with the
// mouse, the gap rule, copying, the rule batch, the export's record and the
// device's refusals and odd replies.

#include <QKeyEvent>

#include "editor_fixture.h"
#include "editor_ids.h"
#include "guard_schedule_grid.h"
#include "smart_arming_interval.h"

namespace vexo::test {
namespace {

namespace ids = editor_ids;

class ScheduleGridTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        grid_ = new CSmartArmingInterval(&page_);
        grid_->setGeometry(10, 10, 940, 450);
        grid_->SetDeviceContext(&device_.Parse());
        grid_->SetIdentity(rule_.fun, rule_.token);
        grid_->show();
        grid_->Init();
    }
    QWidget* Bar(int day) { return ById(grid_, ids::kScheduleDayBar + day); }
    // Draws on `day` from bar pixel `from` to `to` (bar coordinates) as an
    // operator does: click, move, click.
    void Draw(int day, int from, int to) {
        QWidget* bar = Bar(day);
        const int y = bar->height() / 2;
        Click(bar, {from, y});
        Mouse(bar, QEvent::MouseMove, {to, y});
        Click(bar, {to, y});
    }
    ParamRecord DeviceSchedule(const QString& token) {
        ParamRecord record;
        record.funName = rule_.fun;
        record.token = token;
        EXPECT_EQ(Channel().GetGuardSchedules(rule_.scene, record), 1);
        return record;
    }
    static std::map<QString, QString> Day(const ParamRecord& record, const char* key) {
        const auto found = record.objectParams.find(QString::fromLatin1(key));
        return found == record.objectParams.end() ? std::map<QString, QString>{}
                                                  : found->second.attributes;
    }

    CSmartArmingInterval* grid_ = nullptr;
};

TEST_F(ScheduleGridTest, AWholeDayDrawnEndToEndIsSavedAsMidnightToMidnight) {
    // The device's factory schedule arms every day all day.
    ASSERT_EQ(grid_->Week()[2].size(), 1u);
    Click(ById(grid_, ids::kScheduleAllClear));
    for (const ScheduleDay& day : grid_->Week()) {
        EXPECT_TRUE(day.empty());
    }
    QWidget* monday = Bar(0);
    ASSERT_NE(monday, nullptr);
    Drag(monday, {0, 10}, {monday->width() - 1, 10});
    ASSERT_EQ(grid_->Week()[0].size(), 1u);
    EXPECT_EQ(grid_->Week()[0][0].start, "00:00");
    EXPECT_EQ(grid_->Week()[0][0].end, "24:00");

    ASSERT_EQ(grid_->Save(), 1);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "tips");
    EXPECT_EQ(messages_.shown[0].text, "Save Success");
    const ParamRecord stored = DeviceSchedule(rule_.token);
    EXPECT_EQ(Day(stored, "Mon"), (std::map<QString, QString>{{"GuardTime 1", "0|1440"}}));
    EXPECT_TRUE(Day(stored, "Tue").empty());
    // A day without periods travels as "simp": null.
    EXPECT_TRUE(LastRequest("CMD_SetGuardSchedules")["GuardSchedulesData"]["Sun"]["simp"].isNull());
}

TEST_F(ScheduleGridTest, ElevenPeriodsGoOutNumberedOneToEleven) {
    Click(ById(grid_, ids::kScheduleAllClear));
    for (int i = 0; i < 11; ++i) {
        Draw(1, 10 + i * 60, 50 + i * 60);
    }
    ASSERT_EQ(grid_->Week()[1].size(), 11u);
    ASSERT_EQ(grid_->Save(), 1);
    const auto tuesday = Day(DeviceSchedule(rule_.token), "Tue");
    ASSERT_EQ(tuesday.size(), 11u);
    for (int n = 1; n <= 11; ++n) {
        EXPECT_EQ(tuesday.count(QString::asprintf("GuardTime %d", n)), 1u) << n;
    }
    // Read back, the tenth and eleventh follow the first.
    grid_->Init();
    ASSERT_EQ(grid_->Week()[1].size(), 11u);
    EXPECT_GT(ScheduleMinutes(grid_->Week()[1][1].start),
              ScheduleMinutes(grid_->Week()[1][3].start));
}

TEST_F(ScheduleGridTest, APeriodCannotBeDrawnAcrossAnother) {
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(0, 300, 400);
    ASSERT_EQ(grid_->Week()[0].size(), 1u);
    const QRect existing = grid_->PeriodRect(0, 0);
    const int existingStart = ScheduleMinutes(grid_->Week()[0][0].start);
    // From the left, across the period to the bar's end: stops 5 pixels short.
    Drag(Bar(0), {100, 10}, {Bar(0)->width() - 1, 10});
    ASSERT_EQ(grid_->Week()[0].size(), 2u);
    EXPECT_LT(ScheduleMinutes(grid_->Week()[0][1].end), existingStart);
    EXPECT_NEAR(grid_->PeriodRect(0, 1).right(), existing.left() - 5, 1);
    // A press inside the period selects it and shows its times; Clear
    // deletes it.
    Click(Bar(0), {350, 10});
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kSelected);
    EXPECT_EQ(grid_->SelectedPeriod(), 0);
    QWidget* startLabel = ById(grid_, ids::kScheduleStartLabel);
    ASSERT_NE(startLabel, nullptr);
    EXPECT_TRUE(startLabel->isVisible());
    EXPECT_EQ(ById<QLabel>(grid_, ids::kScheduleEndLabel)->text(), grid_->Week()[0][0].end);
    Click(ById(grid_, ids::kScheduleClear));
    ASSERT_EQ(grid_->Week()[0].size(), 1u);
    EXPECT_FALSE(startLabel->isVisible());
    ASSERT_EQ(grid_->Save(), 1);  // the device accepts what the gap rule left
}

TEST_F(ScheduleGridTest, DoubleClickMovesAPeriodWithinItsNeighbours) {
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(3, 100, 200);
    Draw(3, 400, 500);
    const QString endBefore = grid_->Week()[3][0].end;
    // Escape puts a period being moved back.
    Mouse(Bar(3), QEvent::MouseButtonDblClick, {150, 10}, Qt::LeftButton);
    Mouse(Bar(3), QEvent::MouseMove, {250, 10});
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(grid_, &escape);
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kIdle);
    EXPECT_EQ(grid_->Week()[3][0].end, endBefore);
    Mouse(Bar(3), QEvent::MouseButtonDblClick, {150, 10}, Qt::LeftButton);
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kMoving);
    Mouse(Bar(3), QEvent::MouseMove, {450, 10});  // would run into the second period
    Click(Bar(3), {450, 10});
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kIdle);
    const int movedEnd = ScheduleMinutes(grid_->Week()[3][0].end);
    EXPECT_GT(movedEnd, ScheduleMinutes(endBefore));
    EXPECT_LE(movedEnd, ScheduleMinutes(grid_->Week()[3][1].start));
    ASSERT_EQ(grid_->Save(), 1);
}

TEST_F(ScheduleGridTest, CopyToAllDaysReplacesTheOtherDaysOnly) {
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(0, 50, 150);
    Draw(0, 300, 320);
    Draw(4, 600, 700);  // replaced by Monday's
    const ScheduleDay monday = grid_->Week()[0];
    OnNextChooser([](COkCancelConfigDlg& chooser) {
        EXPECT_EQ(chooser.Heading(), "Copy To");
        EXPECT_TRUE(chooser.ItemControl(0)->isChecked());  // opened for Monday
        chooser.ItemControl(7)->click();                   // "All"
        chooser.OkButton()->click();
    });
    Click(ById(grid_, ids::kScheduleCopyTo));
    EXPECT_EQ(choosersSeen_, 1);
    for (int day = 0; day < kScheduleDays; ++day) {
        ASSERT_EQ(grid_->Week()[day].size(), 2u) << day;
        EXPECT_EQ(grid_->Week()[day][0].start, monday[0].start);
        EXPECT_EQ(grid_->Week()[day][1].end, monday[1].end);
    }
    // A cancelled chooser copies nothing.
    Draw(2, 600, 700);
    OnNextChooser([](COkCancelConfigDlg& chooser) { chooser.CancelButton()->click(); });
    Click(ById(grid_, ids::kScheduleCopyTo + 2));
    EXPECT_EQ(grid_->Week()[0].size(), 2u);
}

TEST_F(ScheduleGridTest, TheExportGetsTheRecordOnlyWithBatchSettingsTicked) {
    ParamRecord record;
    record.funName = QStringLiteral("untouched");
    EXPECT_EQ(grid_->GetScheduleRecord(record), 0);
    EXPECT_EQ(record.funName, "untouched");
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(5, 10, 100);
    grid_->SetBatchCheck(true);
    EXPECT_TRUE(ById<QCheckBox>(grid_, ids::kScheduleBatchCheck)->isChecked());
    ASSERT_EQ(grid_->GetScheduleRecord(record), 1);
    EXPECT_EQ(record.token, rule_.token);
    EXPECT_EQ(record.funName, rule_.fun);
    EXPECT_EQ(Day(record, "Sat").size(), 1u);
    EXPECT_TRUE(Day(record, "Mon").empty());
    grid_->ClearControls();
    EXPECT_EQ(grid_->GetScheduleRecord(record), 0);  // no box, no record
}

TEST_F(ScheduleGridTest, RuleBatchWritesTheWeekToEveryChosenRule) {
    const QString second = AddRule(QStringLiteral("Intrusion_Event 07"));
    const QString third = AddRule(QStringLiteral("Intrusion_Event 08"));
    ASSERT_FALSE(second.isEmpty());
    ASSERT_FALSE(third.isEmpty());
    grid_->SetRuleBatch(true, {{"Rule 01", rule_.token}, {"Rule 07", second}, {"Rule 08", third}});
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(6, 200, 260);
    ChooseItems({1, 2});
    Click(ById(grid_, ids::kScheduleRuleBatch));
    EXPECT_EQ(choosersSeen_, 1);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "Save Success");
    const auto sunday = grid_->Week()[6];
    for (const QString& token : {second, third}) {
        const ParamRecord stored = DeviceSchedule(token);
        EXPECT_EQ(Day(stored, "Sun").size(), 1u) << token.toStdString();
        EXPECT_TRUE(Day(stored, "Mon").empty()) << token.toStdString();
    }
    // The rule being edited was not ticked: the device still has its week.
    EXPECT_EQ(Day(DeviceSchedule(rule_.token), "Mon").size(), 1u);
}

TEST_F(ScheduleGridTest, ARefusedSaveShowsTheTranslatedErrorAndKeepsTheEdits) {
    TheComStr().SetLanguage(QStringLiteral("chinese"));
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(0, 10, 100);
    Script("CMD_SetGuardSchedules", R"({"ack":"1","errinfo":"Invalid arming schedule","info":""})");
    EXPECT_EQ(grid_->Save(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, QString::fromUtf8("错误"));
    EXPECT_EQ(messages_.shown[0].text, QString::fromUtf8("布防时间无效"));
    EXPECT_EQ(grid_->Week()[0].size(), 1u);
    EXPECT_TRUE(grid_->Week()[1].empty());
}

TEST_F(ScheduleGridTest, OddlyTypedOrMissingScheduleRepliesNeverFault) {
    const char* replies[] = {
        R"({"ack":"0","info":{"Mon":{"simp":{"GuardTime 1":5,"GuardTime 2":"60"}},"Tue":[1],"Wed":"x"}})",
        R"({"ack":"0","info":{"Mon":{"simp":"text","name":{"a":1}},"Sun":{"simp":{"x":"9|"}}}})",
        R"({"ack":"0","info":[1,2]})",
        R"({"ack":"0"})",
        R"({"ack":"0","info":{"Fri":{"simp":{"a":"-3|99999999999999999999"}}}})",
    };
    for (const char* reply : replies) {
        Script("CMD_GetGuardSchedules", reply);
        grid_->Init();
        grid_->grab();  // paints every period, however odd
        for (const ScheduleDay& day : grid_->Week()) {
            for (const SchedulePeriod& period : day) {
                EXPECT_GE(ScheduleMinutes(period.end), 0) << reply;
            }
        }
    }
    Script("CMD_GetGuardSchedules",
           R"({"ack":"0","info":{"Mon":{"simp":{"GuardTime 1":5,"GuardTime 2":"60"}}}})");
    grid_->Init();
    ASSERT_EQ(grid_->Week()[0].size(), 1u);  // the number is not a text: skipped
    EXPECT_EQ(grid_->Week()[0][0].end, "01:00");
}

TEST_F(ScheduleGridTest, TheNormalAlarmFormAddressesTheAlarmAndNeitherMovesNorBatches) {
    std::vector<NormalAlarmFun> alarms;
    ASSERT_EQ(Channel().GetAllNormalAlarmFunName(alarms), 1);
    ASSERT_FALSE(alarms.empty());
    device_.Parse().SetReferenceScene(QString(), QStringLiteral("zelk:NormalAlarm"));
    GuardScheduleGrid grid(&page_);
    grid.setGeometry(10, 10, 940, 450);
    grid.SetDeviceContext(&device_.Parse());
    grid.SetIdentity(alarms[0].type, alarms[0].token);
    grid.show();
    grid.Init();
    EXPECT_FALSE(ById(&grid, ids::kScheduleRuleBatch)->isEnabled());
    Click(ById(&grid, ids::kScheduleAllClear));
    QWidget* bar = ById(&grid, ids::kScheduleDayBar + 4);
    Drag(bar, {100, 10}, {200, 10});
    Mouse(bar, QEvent::MouseButtonDblClick, {150, 10}, Qt::LeftButton);
    EXPECT_NE(grid.Mode(), GuardScheduleGrid::kMoving);
    ASSERT_EQ(grid.Save(), 1);
    const Json::Value sent = LastRequest("CMD_SetGuardSchedules");
    EXPECT_EQ(sent["NormalAlarmType"].asString(), alarms[0].type.toStdString());
    EXPECT_FALSE(sent.isMember("SceneToken"));
    EXPECT_EQ(sent["GuardSchedulesData"]["Fri"]["simp"].size(), 1u);
}

}  // namespace
}  // namespace vexo::test
