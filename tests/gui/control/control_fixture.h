#pragma once
// A control on screen (offscreen platform), logged into a simulator the
// test starts, with a recorder in place of the popup (answering questions
// Cancel) and fast timers.

#include <gtest/gtest.h>
#include <json/value.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include "dialog_manager.h"
#include "dlg_load.h"
#include "login_marker.h"
#include "message_display.h"
#include "page_dialog.h"
#include "recording_message_display.h"
#include "sim_process.h"
#include "timer_set.h"
#include "vexo_smart_ocx_ctrl.h"

class ControlFixture : public ::testing::Test {
protected:
    void SetUp() override {
        display_.answer = 0;  // questions are answered Cancel
        vexo::SetMessageDisplay(&display_);
        // The loading dialog closes 50 ms after 100 % instead of a second.
        vexo::SetTimerIntervalOverride(CDlgLoad::kCloseTimer, 50);
        ASSERT_TRUE(sim_.Start());
        control_ = std::make_unique<CVexoSmartOcxCtrl>();
        control_->resize(1280, 720);
        control_->show();
    }
    void TearDown() override {
        control_.reset();
        WaitForLoginEnd();
        vexo::ClearTimerIntervalOverrides();
        vexo::SetMessageDisplay(nullptr);
    }

    bool Login(const char* password = vexo::test::SimProcess::kPassword, int loginArg = 1) {
        const bool ok =
            control_->SetDeviceLoginInfo(QString::fromStdString(sim_.Address()),
                                         vexo::test::SimProcess::kUser, password, loginArg);
        WaitForLoginEnd();
        return ok;
    }
    static void WaitForLoginEnd() {
        QElapsedTimer timer;
        timer.start();
        while (vexo::LoginInProgress() && timer.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }

    // Makes the device answer `command` with `reply` from now on.
    void Script(const std::string& command, const std::string& reply) {
        ASSERT_EQ(sim_.Script(command, reply), 200);
    }

    CPageDialog* PageWidget(int number) const {
        for (CPageDialog* page : control_->findChildren<CPageDialog*>()) {
            if (page->property(CPageDialog::kPageProperty).toInt() == number) {
                return page;
            }
        }
        return nullptr;
    }
    CDialogManager* Manager() const {
        CPageDialog* page = PageWidget(0);
        return page ? page->Manager() : nullptr;
    }
    QWidget* AutoWidget(int id) const {
        for (QWidget* widget : control_->findChildren<QWidget*>()) {
            if (widget->property("vexoAutoId").toInt() == id &&
                widget->isVisibleTo(control_.get())) {
                return widget;
            }
        }
        return nullptr;
    }
    int VisiblePage() const {
        int visible = -1;
        for (int i = 0; i < 4; ++i) {
            if (PageWidget(i) && PageWidget(i)->isVisible()) {
                EXPECT_EQ(visible, -1) << "two pages shown";
                visible = i;
            }
        }
        return visible;
    }

    vexo::test::RecordingMessageDisplay display_;
    vexo::test::SimProcess sim_;
    std::unique_ptr<CVexoSmartOcxCtrl> control_;
};
