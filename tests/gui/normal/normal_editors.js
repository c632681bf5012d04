// The schedule and linkage tabs of the normal arming page: what they send
// (the alarm's identity, never a scene token), Save saving only the tab
// shown, each save read back from the device, a refused save.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kArmingTab = 18101, kLinkageTab = 18102, kSave = 18110;
const kAllClear = 18621, kFirstAction = 17700;
const alarm = {NormalAlarmType: "zelk:Alarm_Input_Event", NormalAlarmToken: "AlarmIn 01"};

// The analytics commands journalled since `mark`.
function sent(mark) {
    return sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request);
}
function ops(requests) { return requests.map(r => r.op); }
function addressesAlarm(request) {
    const info = request.info;
    return info.NormalAlarmType === alarm.NormalAlarmType &&
           info.NormalAlarmToken === alarm.NormalAlarmToken && !("SceneToken" in info) &&
           !("RuleToken" in info);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18007) && ui.page() === 3, "normal arming group");
// Once the picture plays the panel is built again over it; the script goes on after.
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel over the picture");
ui.messages();

// Arming interval: read and written for the alarm.
let mark = sim.journalLength();
check(ui.click(kArmingTab), "arming tab");
let requests = sent(mark);
const read = requests.find(r => r.op === "CMD_GetGuardSchedules");
check(read && addressesAlarm(read), "schedule read for the alarm: " + JSON.stringify(requests));
check(ui.click(kAllClear), "all clear");
// Monday from 00:00 to about 12:00, drawn on its bar.
const monday = ui.find(15610);
check(ui.drag(15610, 0, monday.height / 2, Math.floor(monday.width / 2), monday.height / 2), "draw");
mark = sim.journalLength();
check(ui.click(kSave), "save");
requests = sent(mark);
// The save, then the read that verifies what the device stored.
check(JSON.stringify(ops(requests)) === '["CMD_SetGuardSchedules","CMD_GetGuardSchedules"]',
      "only the week is saved: " + ops(requests));
check(requests.every(addressesAlarm), "schedule written and read back for the alarm");
let shown = ui.messages();
check(shown.length === 1 && shown[0].text === "Save Success", "saved: " + JSON.stringify(shown));
const week = sim.cmd("CMD_GetGuardSchedules", alarm);
const mondayPeriods = Object.values(week.info.Mon.simp || {});
check(week.ok && mondayPeriods.length === 1 && /^0\|7[0-2][05]$/.test(mondayPeriods[0]) &&
      !week.info.Tue.simp, "the device holds the drawn week: " + JSON.stringify(week.info));

// Linkage: an action ticked and saved, nothing else.
mark = sim.journalLength();
check(ui.click(kLinkageTab), "linkage tab");
check(sent(mark).filter(r => r.op === "CMD_GetActionTrigger").every(addressesAlarm), "trigger read for the alarm");
const action = ui.find(kFirstAction);
check(action.visible && !action.checked, "first action unticked: " + JSON.stringify(action));
check(ui.check(kFirstAction, true), "tick it");
mark = sim.journalLength();
ui.click(kSave);
requests = sent(mark);
check(JSON.stringify(ops(requests)) === '["CMD_SetActionTrigger","CMD_GetActionTrigger"]',
      "only the linkage is saved: " + ops(requests));
check(requests.every(addressesAlarm), "trigger written and read back for the alarm");
const trigger = sim.cmd("CMD_GetActionTrigger", alarm);
const groups = trigger.info.data;
const ticked = Object.keys(groups).filter(g => Object.values(groups[g].simp || {}).indexOf("TRUE") >= 0);
check(trigger.ok && ticked.length === 1, "the device holds one ticked action: " + JSON.stringify(trigger.info));
check(ui.messages().length === 1, "save success shown");

// A refused save shows the device's text and keeps the ticks; the next
// save sends them.
ui.check(kFirstAction + 1, true);
check(sim.control({script: {op: "CMD_SetActionTrigger", reply: '{"ack":"1","errinfo":"Device busy","info":""}'}}),
      "refusal scripted");
ui.click(kSave);
shown = ui.messages();
check(shown.length === 1 && shown[0].title === "error" && shown[0].text === "Device busy",
      "refusal shown: " + JSON.stringify(shown));
check(ui.find(kFirstAction + 1).checked, "the tick is kept");
sim.control({clear: true});
ui.click(kSave);
const after = sim.cmd("CMD_GetActionTrigger", alarm).info.data;
const count = Object.keys(after).reduce(
    (n, g) => n + Object.values(after[g].simp || {}).filter(v => v === "TRUE").length, 0);
check(count === 2, "both ticks reached the device: " + JSON.stringify(after));

// The parameter tab saves the parameters only.
check(ui.click(18100), "parameter tab");
mark = sim.journalLength();
ui.click(kSave);
check(JSON.stringify(ops(sent(mark))) === '["CMD_ModifyNormalAlarmData","CMD_GetNormalAlarmData"]',
      "only the parameters are saved: " + ops(sent(mark)));

// Back in the analytics group the same editor code addresses a rule again:
// the restored scene token, no alarm identity.
check(ui.click(18006) && ui.page() === 0, "the smart function group opens on the scene view");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(18461), "rule 01");
check(ui.click(18396), "the rule's arming interval tab");
mark = sim.journalLength();
check(ui.click(18392), "save the rule's week");
const ruleWrite = sent(mark).find(r => r.op === "CMD_SetGuardSchedules");
check(ruleWrite && ruleWrite.info.SceneToken === "Scene_001" && ruleWrite.info.RuleToken === "Intrusion_Event 01" &&
      !("NormalAlarmType" in ruleWrite.info) && !("NormalAlarmToken" in ruleWrite.info),
      "the rule's week carries the scene token again: " + JSON.stringify(ruleWrite));
