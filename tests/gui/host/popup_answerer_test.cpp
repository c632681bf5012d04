// The popup answerer against the control's real popup: it records what the
// popup said and closes it with the answer the script chose.
#include <gtest/gtest.h>

#include <QPoint>

#include "ok_cancel_config_dlg.h"
#include "popup_answerer.h"

namespace {

TEST(PopupAnswerer, RecordsAndAnswersThePopups) {
    host::PopupAnswerer answerer;
    EXPECT_EQ(vexo::COkCancelConfigDlg::ShowMessage("tips", "Save Success"), 1);

    answerer.SetAnswer(host::PopupAnswerer::Answer::Cancel);
    EXPECT_EQ(vexo::COkCancelConfigDlg::ShowConfirm(QPoint(10, 10), 2, "Delete it?"), 0);
    answerer.SetAnswer(host::PopupAnswerer::Answer::Ok);
    EXPECT_EQ(vexo::COkCancelConfigDlg::ShowConfirm(QPoint(10, 10), 2, "Delete it?"), 1);

    const QList<host::PopupRecord> messages = answerer.TakeMessages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0].title, "tips");
    EXPECT_EQ(messages[0].text, "Save Success");
    EXPECT_EQ(messages[1].text, "Delete it?");
    EXPECT_TRUE(answerer.TakeMessages().isEmpty());
}

TEST(PopupAnswerer, TicksTheChosenItemsOfTheNextChooserAndConfirmsIt) {
    host::PopupAnswerer answerer;
    answerer.SetAnswer(host::PopupAnswerer::Answer::Cancel);
    answerer.SetNextChoice({2, 4});
    // A message does not take the choice; the chooser after it does.
    EXPECT_EQ(vexo::COkCancelConfigDlg::ShowMessage("tips", "Save Success"), 0);
    QList<int> states;
    ASSERT_EQ(vexo::COkCancelConfigDlg::ShowDayChooser(QPoint(10, 10), 0, 7, 4, states), 1);
    EXPECT_EQ(states, QList<int>({0, 0, 1, 0, 1, 0, 0, 0}));  // Monday unticked, "All" last
    // The choice is used once.
    EXPECT_EQ(vexo::COkCancelConfigDlg::ShowDayChooser(QPoint(10, 10), 0, 7, 4, states), 0);
    answerer.SetNextChoice({3});  // "All", the last item, ticks every rule
    ASSERT_EQ(vexo::COkCancelConfigDlg::ShowRuleChooser(
                  QPoint(10, 10), 0, {"Rule 01", "Rule 02", "Rule 03"}, 5, states),
              1);
    EXPECT_EQ(states, QList<int>({1, 1, 1, 1}));
}

}  // namespace
