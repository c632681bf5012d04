// The popup: each test schedules what the operator does once the popup is
// up (next_popup.h), checking the popup there, then checks the outcome. The rule chooser's ticks
// and its Cancel are driven through the linkage editor's rule batch (tests/gui/arming) and
// smart_editors.js.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMouseEvent>
#include <QTest>

#include "com_str.h"
#include "next_popup.h"
#include "ok_cancel_config_dlg.h"
#include "ok_cancel_message_display.h"
#include "popup_forms.h"
#include "ui_helpers.h"
#include "xp_button.h"

using namespace vexo;

namespace {

void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

struct PopupTest : ::testing::Test {
    test::PopupOperator op;
    PopupTest() { TheComStr().SetLanguage("english"); }
};

}  // namespace

TEST_F(PopupTest, MessageShowsTitleAndTextWithOnlyAnOkButtonAndNothingForAnEmptyText) {
    op.OnNextPopup([](COkCancelConfigDlg& d) { d.accept(); });
    EXPECT_EQ(COkCancelConfigDlg::ShowMessage("tips", QString()), 1);
    QTest::qWait(60);
    EXPECT_EQ(op.popupsSeen, 0);

    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.Heading(), "tips");
        EXPECT_EQ(d.Message(), "Save Success");
        EXPECT_EQ(d.CancelButton(), nullptr);
        EXPECT_EQ(d.OkButton()->text(), "OK");
        Click(d.OkButton());
    });
    EXPECT_EQ(COkCancelConfigDlg::ShowMessage("tips", "Save Success"), 1);
    EXPECT_EQ(op.popupsSeen, 1);

    op.OnNextPopup([](COkCancelConfigDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(COkCancelConfigDlg::ShowMessage("error", "x"), 0);
}

TEST_F(PopupTest, ConfirmationFormsAskTheirQuestionInTheCurrentLanguageAtTheGivenPlace) {
    TheComStr().SetLanguage("chinese");
    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.Message(), "   是否删除当前场景");
        EXPECT_EQ(d.OkButton()->text(), "确认");
        EXPECT_EQ(d.CancelButton()->text(), "取消");
        EXPECT_EQ(d.pos(), QPoint(120, 80));
        Click(d.CancelButton());
    });
    EXPECT_EQ(COkCancelConfigDlg::ShowConfirm(QPoint(120, 80), kPopupDeleteScene), 0);
    EXPECT_EQ(op.popupsSeen, 1);

    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.Message(), "Go on?") << "unknown modes behave as confirmations";
        Click(d.OkButton());
    });
    EXPECT_EQ(COkCancelConfigDlg::ShowConfirm(QPoint(0, 0), 42, "Go on?"), 1);
}

// Unsaved edits: Save, Discard and Cancel each give their answer, through
// the message display too; Escape is Cancel.
TEST_F(PopupTest, SaveChangesQuestionHasThreeAnswers) {
    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.Message(), "Save changes?");
        EXPECT_EQ(d.OkButton()->text(), "Save");
        EXPECT_EQ(d.DiscardButton()->text(), "Discard");
        EXPECT_EQ(d.CancelButton()->text(), "Cancel");
        EXPECT_LT(d.OkButton()->geometry().right(), d.DiscardButton()->x());
        EXPECT_LT(d.DiscardButton()->geometry().right(), d.CancelButton()->x());
        Click(d.DiscardButton());
    });
    EXPECT_EQ(COkCancelConfigDlg::AskSaveChanges(QPoint(10, 10)), kSaveChangesDiscard);
    op.OnNextPopup([](COkCancelConfigDlg& d) { Click(d.OkButton()); });
    EXPECT_EQ(COkCancelConfigDlg::AskSaveChanges(QPoint(10, 10)), kSaveChangesSave);
    op.OnNextPopup([](COkCancelConfigDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(COkCancelConfigDlg::AskSaveChanges(QPoint(10, 10)), kSaveChangesCancel);

    TheComStr().SetLanguage("chinese");
    COkCancelMessageDisplay display;
    SetMessageDisplay(&display);
    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.Message(), "保存更改吗？");
        EXPECT_EQ(d.DiscardButton()->text(), "放弃");
        Click(d.DiscardButton());
    });
    EXPECT_EQ(AskSaveChanges(10, 10), kSaveChangesDiscard);
    op.OnNextPopup([](COkCancelConfigDlg& d) { Click(d.CancelButton()); });
    EXPECT_EQ(AskSaveChanges(10, 10), kSaveChangesCancel);
    SetMessageDisplay(nullptr);
    EXPECT_EQ(op.popupsSeen, 5);
}

// Opened for Tuesday: ticking the six other days ticks "All"; "All" off
// and on again follows into every day; one day off takes "All" off.
TEST_F(PopupTest, DayChooserKeepsAllAndTheDaysInStep) {
    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        EXPECT_EQ(d.ItemStates(), (QList<int>{0, 1, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(d.Heading(), "Copy To");
        EXPECT_EQ(d.ItemControl(1)->text(), "Tuesday");
        for (int day : {0, 2, 3, 4, 5, 6}) {
            Click(d.ItemControl(day));
        }
        EXPECT_EQ(d.ItemStates(), QList<int>(8, 1));
        Click(d.ItemControl(7));
        EXPECT_EQ(d.ItemStates(), QList<int>(8, 0));
        EXPECT_FALSE(d.ItemControl(1)->isChecked() || d.ItemControl(7)->isChecked());
        Click(d.ItemControl(7));
        EXPECT_EQ(d.ItemStates(), QList<int>(8, 1));
        Click(d.ItemControl(3));
        Click(d.OkButton());
    });
    QList<int> states;
    ASSERT_EQ(COkCancelConfigDlg::ShowDayChooser(QPoint(10, 10), 1, 7, kPopupDayChooser, states),
              1);
    EXPECT_EQ(op.popupsSeen, 1);
    EXPECT_EQ(states, (QList<int>{1, 1, 1, 0, 1, 1, 1, 0}));
}

TEST_F(PopupTest, LongRuleNamesAreCutToTheColumnAndKeptInTheToolTip) {
    const QString longName = "Perimeter fence crossing towards the loading bay";
    COkCancelConfigDlg dialog;
    dialog.SetMode(kPopupRuleChooser);
    dialog.SetItems({"Gate", longName}, 0);
    dialog.InitDialog();
    EXPECT_EQ(dialog.ItemControl(0)->text(), "Gate");
    EXPECT_TRUE(dialog.ItemControl(0)->toolTip().isEmpty());
    const QString shown = dialog.ItemControl(1)->text();
    EXPECT_LT(shown.size(), longName.size());
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(dialog.ItemControl(1)->toolTip(), longName);
    dialog.InitDialog();  // a second call builds nothing twice
    EXPECT_EQ(dialog.ItemControl(3), nullptr);
}

TEST_F(PopupTest, HourChooserOffersTheTwentyFourWholeHours) {
    QStringList hours;
    op.OnNextPopup([&](COkCancelConfigDlg& d) {
        for (int h = 0; d.HourControl(h); ++h) {
            hours.append(d.HourControl(h)->text());
        }
        EXPECT_EQ(d.OkButton(), nullptr);
        Click(d.HourControl(13));
    });
    int hour = -1;
    EXPECT_EQ(COkCancelConfigDlg::ShowHourChooser(QPoint(50, 50), kPopupHourChooser, hour), 1);
    EXPECT_EQ(hour, 13);
    ASSERT_EQ(hours.size(), 24);
    EXPECT_EQ(hours.back(), "23:00");

    op.OnNextPopup([](COkCancelConfigDlg& d) { d.reject(); });
    hour = 5;
    EXPECT_EQ(COkCancelConfigDlg::ShowHourChooser(QPoint(), kPopupHourChooser, hour), 0);
    EXPECT_EQ(hour, 5);
}

TEST_F(PopupTest, PressingTheBackgroundDragsThePopup) {
    COkCancelConfigDlg dialog;
    dialog.SetMode(kPopupConfirm);
    dialog.SetText("Drag me");
    dialog.SetPosition(QPoint(100, 100));
    dialog.InitDialog();
    dialog.show();
    const QPoint start = dialog.pos();
    const QPointF inside(6, 60), global = dialog.mapToGlobal(inside);
    auto send = [&](QEvent::Type type, QPointF by, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, inside + by, global + by, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    };
    send(QEvent::MouseButtonPress, {}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {30, 20}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 20));
}

// The message display's hour form opens the hour chooser and hands the
// hour back. (Its messages and confirmations reach the popup in every host
// script: ui.messages() reads them off the popups, smart_rule_bar.js
// answers the rule deletion's question both ways.)
TEST_F(PopupTest, MessageDisplayAsksForAnHourWithTheHourChooser) {
    COkCancelMessageDisplay display;
    SetMessageDisplay(&display);
    op.OnNextPopup([](COkCancelConfigDlg& d) { Click(d.HourControl(7)); });
    int hour = 0;
    EXPECT_EQ(ConfirmWithValue(0, 0, kPopupHourChooser, hour), 1);
    EXPECT_EQ(hour, 7);
    SetMessageDisplay(nullptr);
}
