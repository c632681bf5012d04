// The loading dialog's progress rules, without a device. (The header's
// layout is checked on a logged-in control, tests/gui/control.)
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "dlg_load.h"

TEST(LoadingDialog, OnlyFullProgressClosesItAndProgressNeverGoesBack) {
    vexo::SetTimerIntervalOverride(CDlgLoad::kCreepTimer, 5);
    vexo::SetTimerIntervalOverride(CDlgLoad::kCloseTimer, 30);
    CDlgLoad dialog;
    int seenWhileOpen = 0;
    bool stillOpenAfterClose = false;
    QTimer::singleShot(150, &dialog, [&]() {
        dialog.close();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
        stillOpenAfterClose = dialog.isVisible() && dialog.HasWindow();
        seenWhileOpen = dialog.Position();
        dialog.OnLoadProgress(5);  // lower than the creep: the bar keeps its place
        EXPECT_GE(dialog.Position(), seenWhileOpen);
        dialog.OnLoadProgress(100);
    });
    EXPECT_EQ(dialog.RunModal(nullptr), QDialog::Accepted);
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_GT(seenWhileOpen, 1);   // the bar crept on its own
    EXPECT_LE(seenWhileOpen, 51);  // but never past the half
    EXPECT_EQ(dialog.Position(), 100);
    EXPECT_FALSE(dialog.HasWindow());
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->property("vexoAutoId").toInt(), 238);
    vexo::ClearTimerIntervalOverrides();
}
