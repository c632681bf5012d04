// The normal arming page's alarm list, tabs and parameter tab: what each
// alarm shows, Save read back from the device, a refused save, Recover.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kParamTab = 18100, kArmingTab = 18101, kLinkageTab = 18102;
const kSave = 18110, kRecover = 18111, kFirstAlarm = 18200;
const kInputType = 12100, kAlarmName = 13100;

function alarmButton(text) {
    for (let id = kFirstAlarm; ui.find(id).exists; ++id) {
        if (ui.find(id).text === text) return id;
    }
    throw new Error("no alarm button " + text);
}
function select(text) { check(ui.click(alarmButton(text)), "select " + text); host.wait(100); }

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18007), "normal arming group");
host.wait(200);
check(ui.page() === 3, "page 3");

// An alarm type listed twice is told apart by its token; the first alarm is
// shown with its three tabs.
const input1 = alarmButton("Alarm Input (AlarmIn 01)");
alarmButton("Alarm Input (AlarmIn 02)");
check(input1 === kFirstAlarm, "the first alarm is current");
for (const tab of [kParamTab, kArmingTab, kLinkageTab]) check(ui.find(tab).visible, "tab " + tab);

// An alarm that requires neither schedules nor linkage: the parameter tab only.
select("Storage Error");
check(ui.find(kParamTab).visible, "parameter tab");
check(!ui.find(kArmingTab).exists && !ui.find(kLinkageTab).exists, "no editor tabs");
// Video loss requires linkage only.
select("Video Loss");
check(!ui.find(kArmingTab).exists && ui.find(kLinkageTab).visible, "linkage tab only");

// Save, then read back from the device by selecting the alarm again.
select("Alarm Input (AlarmIn 01)");
ui.messages();
check(ui.setText(kAlarmName, "Gate 7"), "type a name");
check(ui.select(kInputType, "Normally Closed"), "input type");
check(ui.click(kSave), "save");
let shown = ui.messages();
check(shown.length === 1 && shown[0].title === "tips" && shown[0].text === "Save Success",
      "save success: " + JSON.stringify(shown));
select("Alarm Input (AlarmIn 02)");
check(ui.find(kAlarmName).text !== "Gate 7", "the other input is another alarm");
select("Alarm Input (AlarmIn 01)");
check(ui.find(kAlarmName).text === "Gate 7", "name read back: " + ui.find(kAlarmName).text);
check(ui.find(kInputType).text === "Normally Closed", "input type read back");

// A refused save shows the device's text and keeps the edit.
const tooLong = "n".repeat(100);
ui.setText(kAlarmName, tooLong);
ui.click(kSave);
shown = ui.messages();
check(shown.length === 1 && shown[0].title === "error" &&
      shown[0].text === "Parameter value out of range", "refusal shown: " + JSON.stringify(shown));
check(ui.find(kAlarmName).text === tooLong, "the edit is kept");

// Recover: the device's defaults, read back into the panel.
ui.click(kRecover);
shown = ui.messages();
check(shown.length === 1 && shown[0].text === "Recover successfully", "recovered: " + JSON.stringify(shown));
check(ui.find(kAlarmName).text !== tooLong && ui.find(kAlarmName).text !== "Gate 7", "defaults shown");
check(ui.find(kInputType).text === "Normally Open", "default input type");
