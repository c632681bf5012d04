#pragma once
// The forms of the control's popup. 2 to 6 are its modes; the confirmation
// forms that ask a fixed question (set current scene, delete scene, delete
// rule, restore the device's defaults, turn the analytics off) behave like
// mode 2 and take their question from the built-in texts. The unsaved-edits
// question ("Save changes?") has three answers: Save (as OK), Discard and
// Cancel.

namespace vexo {

enum PopupForm : int {
    kPopupSetCurrentScene = 0,
    kPopupDeleteScene = 1,
    kPopupConfirm = 2,
    kPopupMessage = 3,
    kPopupDayChooser = 4,
    kPopupRuleChooser = 5,
    kPopupHourChooser = 6,
    kPopupDeleteRule = 7,
    kPopupRecoverDefaults = 8,
    kPopupSmartOff = 9,
    kPopupSaveChanges = 10,
};

// The answers of kPopupSaveChanges, as MessageDisplay::Ask returns them.
enum SaveChangesAnswer : int {
    kSaveChangesCancel = 0,
    kSaveChangesSave = 1,
    kSaveChangesDiscard = 2,
};

}  // namespace vexo
