// The normal arming page's alarm list, tabs and parameter tab: what each
// alarm shows, Save read back from the device, a refused save, Recover
// (which reads the alarm again: the protocol has no reset for it).
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
// A pick reads and builds the alarm before the click returns.
function select(text) { check(ui.click(alarmButton(text)), "select " + text); }

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18007), "normal arming group");
check(ui.page() === 3, "page 3");
// Once the picture plays the panel is built again over it; edits come after.
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel over the picture");

// An alarm type listed twice is told apart by its token; the first alarm is
// shown with its three tabs.
const input1 = alarmButton("Alarm Input (AlarmIn 01)");
alarmButton("Alarm Input (AlarmIn 02)");
check(input1 === kFirstAlarm, "the first alarm is current");
for (const tab of [kParamTab, kArmingTab, kLinkageTab]) check(ui.find(tab).visible, "tab " + tab);

// An alarm that requires neither schedules nor linkage: the parameter tab only.
select("Storage Error");
check(ui.find(kParamTab).visible, "parameter tab");
check(!ui.find(kArmingTab).visible && !ui.find(kLinkageTab).visible, "no editor tabs");
// Video loss requires linkage only.
select("Video Loss");
check(!ui.find(kArmingTab).visible && ui.find(kLinkageTab).visible, "linkage tab only");

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

// Recover drops the edits and shows what the device holds; it only reads.
ui.select(kInputType, "Normally Open");
const mark = sim.journalLength();
check(ui.click(kRecover), "recover");
const sent = sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request);
check(sent.some(r => r.op === "CMD_GetNormalAlarmData" && r.info.NormalAlarmToken === "AlarmIn 01"),
      "the alarm read again: " + JSON.stringify(sent));
check(sent.every(r => r.op === "CMD_GetNormalAlarmData" || r.op === "CMD_GetParamRange"),
      "nothing but reads: " + JSON.stringify(sent.map(r => r.op)));
check(ui.find(kAlarmName).text === "Gate 7", "the device's name shown: " + ui.find(kAlarmName).text);
check(ui.find(kInputType).text === "Normally Closed", "the device's input type shown");
