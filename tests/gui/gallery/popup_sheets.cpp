// Every mode of the popup, as the operator first sees it.
#include <QCheckBox>

#include "com_str.h"
#include "gallery.h"
#include "ok_cancel_config_dlg.h"
#include "popup_forms.h"
#include "stored_check.h"

using namespace vexo;

namespace gallery {

namespace {

bool SavePopup(COkCancelConfigDlg& dialog, const QString& folder, const QString& name) {
    dialog.InitDialog();
    return Save(dialog, folder, name);
}

}  // namespace

int SavePopupSheets(const QString& folder) {
    const CComStr& texts = TheComStr();
    int failures = 0;
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupMessage);
        d.SetTitle(texts->tips);
        d.SetText(texts->saveSuccess);
        failures += !SavePopup(d, folder, "popup-3-message");
    }
    {
        // What a save the device stored otherwise says (stored_check.h).
        COkCancelConfigDlg d;
        d.SetMode(kPopupMessage);
        d.SetTitle(texts->tips);
        d.SetText(SaveSuccessText(
            {{texts.WeekdayNames()[0].toStdString(), "08:00-12:00, 12:00-18:00", "08:00-18:00"},
             {"DetectionRegion", "12 points", "10 points"},
             {"Sensitivity", "150", "100"}}));
        failures += !SavePopup(d, folder, "popup-3-stored-differently");
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupMessage);
        d.SetTitle(texts->error);
        d.SetText(texts->periodsOverlap);
        failures += !SavePopup(d, folder, "popup-3-error");
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupConfirm);
        d.SetText(texts->saveAddedRuleFirst);
        failures += !SavePopup(d, folder, "popup-2-confirm");
    }
    const std::pair<int, const char*> forms[] = {
        {kPopupSetCurrentScene, "popup-2-set-current-scene"},
        {kPopupDeleteScene, "popup-2-delete-scene"},
        {kPopupDeleteRule, "popup-2-delete-rule"},
        {kPopupRecoverDefaults, "popup-2-recover-defaults"},
        {kPopupSaveChanges, "popup-2-save-changes"}};
    for (const auto& [form, name] : forms) {
        COkCancelConfigDlg d;
        d.SetMode(form);
        failures += !SavePopup(d, folder, name);
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupDayChooser);
        d.SetItems(texts.WeekdayNames(), 1);
        d.InitDialog();
        d.ItemControl(3)->click();  // a second day ticked by the operator
        failures += !Save(d, folder, "popup-4-day-chooser");
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupDayChooser);
        d.SetItems(texts.WeekdayNames(), 0);
        d.InitDialog();
        d.ItemControl(7)->click();  // "All"
        failures += !Save(d, folder, "popup-4-day-chooser-all");
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupRuleChooser);
        const bool chinese = texts.Language() == QStringLiteral("chinese");
        d.SetItems(chinese ? QStringList{"规则1", "规则2", "大门入侵", "围栏越界", "停车场"}
                           : QStringList{"Rule 1", "Rule 2", "Gate intrusion", "Fence crossing",
                                         "Parking lot"},
                   2);
        failures += !SavePopup(d, folder, "popup-5-rule-chooser");
    }
    {
        COkCancelConfigDlg d;
        d.SetMode(kPopupHourChooser);
        failures += !SavePopup(d, folder, "popup-6-hour-chooser");
    }
    return failures;
}

}  // namespace gallery
