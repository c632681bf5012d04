#include "ok_cancel_message_display.h"

#include "ok_cancel_config_dlg.h"
#include "popup_forms.h"

namespace vexo {

int COkCancelMessageDisplay::ShowText(const QString& title, const QString& text) {
    return COkCancelConfigDlg::ShowMessage(title, text, m_owner);
}

int COkCancelMessageDisplay::Ask(const QPoint& topLeft, int form, int* chosenValue) {
    if (form == kPopupHourChooser) {
        int hour = -1;
        if (COkCancelConfigDlg::ShowHourChooser(topLeft, form, hour, m_owner) != 1) {
            return 0;
        }
        if (chosenValue) {
            *chosenValue = hour;
        }
        return 1;
    }
    if (form == kPopupSaveChanges) {
        return COkCancelConfigDlg::AskSaveChanges(topLeft, m_owner);
    }
    return COkCancelConfigDlg::ShowConfirm(topLeft, form, QString(), m_owner);
}

}  // namespace vexo
