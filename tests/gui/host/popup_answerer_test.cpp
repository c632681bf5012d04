// The popup answerer against the control's real popup: the chooser answer
// `ui.choose` sets up. Recording messages and the ok/cancel answer are used
// by every host script (ui.messages, ui.answer in export_batch_file.js).
#include <gtest/gtest.h>

#include <QPoint>

#include "ok_cancel_config_dlg.h"
#include "popup_answerer.h"

namespace {

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
