// The guard schedule grid against a simulated device: drawing with the
// mouse, the gap rule, moving, copying, odd replies and the normal alarm
// form. Saving a drawn week, the rule batch, the export's record, a refused
// save and the normal alarm's identity on the wire are driven through the
// pages by tests/gui/smart and tests/gui/normal; the wire form is
// tests/unit/arming's.

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
        Place(*grid_, rule_.fun, rule_.token);
    }
    void Place(GuardScheduleGrid& grid, const QString& fun, const QString& token) {
        grid.setGeometry(10, 10, 940, 450);
        grid.SetDeviceContext(&device_.Parse());
        grid.SetIdentity(fun, token);
        grid.show();
        grid.Init();
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

    CSmartArmingInterval* grid_ = nullptr;
};

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

TEST_F(ScheduleGridTest, APressOnTheSelectedPeriodMovesItWithinItsNeighbours) {
    Click(ById(grid_, ids::kScheduleAllClear));
    Draw(3, 100, 200);
    Draw(3, 400, 500);
    const QString endBefore = grid_->Week()[3][0].end;
    // Escape puts a period being moved back.
    Click(Bar(3), {150, 10});
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kSelected);
    Mouse(Bar(3), QEvent::MouseButtonPress, {150, 10}, Qt::LeftButton);
    Mouse(Bar(3), QEvent::MouseMove, {250, 10});
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(grid_, &escape);
    EXPECT_EQ(grid_->Mode(), GuardScheduleGrid::kIdle);
    EXPECT_EQ(grid_->Week()[3][0].end, endBefore);
    Click(Bar(3), {150, 10});
    Click(Bar(3), {150, 10});
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
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) {
        EXPECT_EQ(chooser.Heading(), "Copy To");
        EXPECT_TRUE(chooser.ItemControl(0)->isChecked());  // opened for Monday
        chooser.ItemControl(7)->click();                   // "All"
        chooser.OkButton()->click();
    });
    Click(ById(grid_, ids::kScheduleCopyTo));
    EXPECT_EQ(popups_.popupsSeen, 1);
    for (int day = 0; day < kScheduleDays; ++day) {
        ASSERT_EQ(grid_->Week()[day].size(), 2u) << day;
        EXPECT_EQ(grid_->Week()[day][0].start, monday[0].start);
        EXPECT_EQ(grid_->Week()[day][1].end, monday[1].end);
    }
    // A cancelled chooser copies nothing.
    Draw(2, 600, 700);
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) { chooser.CancelButton()->click(); });
    Click(ById(grid_, ids::kScheduleCopyTo + 2));
    EXPECT_EQ(popups_.popupsSeen, 2);
    EXPECT_EQ(grid_->Week()[0].size(), 2u);
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

TEST_F(ScheduleGridTest, TheNormalAlarmFormNeitherMovesNorBatches) {
    std::vector<NormalAlarmFun> alarms;
    ASSERT_EQ(Channel().GetAllNormalAlarmFunName(alarms), 1);
    ASSERT_FALSE(alarms.empty());
    device_.Parse().SetReferenceScene(QString(), QStringLiteral("zelk:NormalAlarm"));
    GuardScheduleGrid grid(&page_);
    Place(grid, alarms[0].type, alarms[0].token);
    EXPECT_FALSE(ById(&grid, ids::kScheduleRuleBatch)->isEnabled());
    Click(ById(&grid, ids::kScheduleAllClear));
    QWidget* bar = ById(&grid, ids::kScheduleDayBar + 4);
    Drag(bar, {100, 10}, {200, 10});
    Click(bar, {150, 10});
    Click(bar, {150, 10});
    EXPECT_NE(grid.Mode(), GuardScheduleGrid::kMoving);
}

}  // namespace
}  // namespace vexo::test
