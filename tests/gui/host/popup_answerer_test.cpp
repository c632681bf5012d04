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

}  // namespace
