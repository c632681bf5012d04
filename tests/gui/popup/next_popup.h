#pragma once
// The operator at the next popup: the popup's launch operations run modally,
// so a test schedules what the operator does before it opens one. Counts the
// popups it saw, so that a test can also check that none came up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "ok_cancel_config_dlg.h"

namespace vexo::test {

struct PopupOperator {
    int popupsSeen = 0;
    QObject context;  // cancels pending steps when the test ends

    // Runs `act` on the popup as soon as it is the active modal window.
    void OnNextPopup(std::function<void(COkCancelConfigDlg&)> act) {
        QTimer::singleShot(20, &context, [this, act] {
            auto* dialog = qobject_cast<COkCancelConfigDlg*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            ++popupsSeen;
            act(*dialog);
            // A step that failed to close the popup must not hang the run.
            QPointer<COkCancelConfigDlg> left(dialog);
            QTimer::singleShot(3000, &context, [left] {
                if (left) {
                    ADD_FAILURE() << "the popup was left open";
                    left->reject();
                }
            });
        });
    }
};

}  // namespace vexo::test
