// Write, then verify, beyond a rule's parameters: each save is read back and
// what the device stored differently is listed after "Save Success", and the
// page then shows the device's version. Here the device (scripted replies)
// cuts a normal alarm's name to 16 characters, joins two touching arming
// periods into one and leaves one of a scene's functions out; "Advance
// Param", which it keeps as sent, says "Save Success" only.
host.include("smart_steps.js");
const RULE_2 = 18462, ADVANCE = 18460, ARMING_TAB = 18396, SAVE = 18392;
const NORMAL = 18007, NORMAL_SAVE = 18110, ALARM_NAME = 13100;
const rule2 = {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 02"};
const input1 = {NormalAlarmType: "zelk:Alarm_Input_Event", NormalAlarmToken: "AlarmIn 01"};

function script(op, info) {
    check(sim.control({script: {op: op, reply: JSON.stringify({ack: "0", info: info})}}), "scripted " + op);
}
function clearScripts() { check(sim.control({clear: true}), "scripts cleared"); }
function ops(mark) { return sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request); }
function saved(id) {
    check(ui.click(id), "Save");
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].title === "tips", JSON.stringify(messages));
    return messages[0].text;
}

// A normal alarm's parameters: the device cuts the name to 16 characters.
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(NORMAL) && ui.page() === 3, "Normal Arming");
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel over the picture");
const alarm = sim.cmd("CMD_GetNormalAlarmData", input1).info;
const name = "North gate by the car park";
alarm.AlarmName = name.substring(0, 16);
script("CMD_GetNormalAlarmData", alarm);
check(ui.setText(ALARM_NAME, name), "a long name typed");
let mark = sim.journalLength();
check(saved(NORMAL_SAVE) === "Save Success\nThe device stored some values differently:\n" +
      "AlarmName: sent " + name + ", stored " + name.substring(0, 16), "the cut name named");
check(ops(mark).some(r => r.op === "CMD_ModifyNormalAlarmData" && r.info.NormalAlarmData.AlarmName === name),
      "the long name sent");
check(ui.find(ALARM_NAME).text === name.substring(0, 16), "the panel shows the device's name: " + ui.find(ALARM_NAME).text);
clearScripts();

// The smart configuration page, in a new login.
check(control.Destroy(), "Destroy");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login again");
enterFunction("Intrusion");

// "Advance Param" (the function's modules and non-scene functions): every
// record is read back after its save, and the device keeps them as sent.
check(ui.click(ADVANCE), "Advance Param");
mark = sim.journalLength();
check(saved(SAVE) === "Save Success", "the modules kept as sent");
const modules = ops(mark).filter(r => r.op === "CMD_ModifyRuleModuleParam").map(r => r.info.ModuleName);
const readBack = ops(mark).filter(r => r.op === "CMD_GetRuleModuleParam").map(r => r.info.ModuleName);
check(modules.length > 0 && modules.every(m => readBack.indexOf(m) >= 0),
      "each module read back: " + JSON.stringify([modules, readBack]));

// The schedule: Monday 08:00-12:00 and 12:00-18:00; the device joins them.
const week = sim.cmd("CMD_GetGuardSchedules", rule2).info;
week.Mon = {name: "", simp: {"GuardTime 1": "480|720", "GuardTime 2": "720|1080"}};
delete week.Token;
check(sim.cmd("CMD_SetGuardSchedules", Object.assign({GuardSchedulesData: week}, rule2)).ok, "two periods on Monday");
check(ui.click(RULE_2) && ui.click(ARMING_TAB), "rule 02's Arming Interval");
const joined = JSON.parse(JSON.stringify(week));
joined.Mon.simp = {"GuardTime 1": "480|1080"};
script("CMD_GetGuardSchedules", joined);
mark = sim.journalLength();
check(saved(SAVE) === "Save Success\nThe device stored some values differently:\n" +
      "Monday: sent 08:00-12:00, 12:00-18:00, stored 08:00-18:00", "the joined period named");
check(ops(mark).map(r => r.op).join() === "CMD_SetGuardSchedules,CMD_GetGuardSchedules", "one read back");
// The bars now hold the device's week: saved again, Monday goes as one period.
clearScripts();
mark = sim.journalLength();
check(saved(SAVE) === "Save Success", "the device's week kept");
const sent = ops(mark).find(r => r.op === "CMD_SetGuardSchedules").info.GuardSchedulesData.Mon.simp;
check(JSON.stringify(sent) === '{"GuardTime 1":"480|1080"}', "one period sent: " + JSON.stringify(sent));
// The rule batch reads each rule back after its write: a device that keeps
// Monday empty is named rule by rule, and rule 02's bars show its week.
const emptyMonday = JSON.parse(JSON.stringify(joined));
emptyMonday.Mon.simp = {};
script("CMD_GetGuardSchedules", emptyMonday);
ui.choose([0, 1]);
mark = sim.journalLength();
check(ui.click(18620), "rule batch");
const batch = ui.messages().filter(m => m.title === "tips").map(m => m.text).join("|");
check(batch === "Save Success\nThe device stored some values differently:\n" +
      "Rule 01 / Monday: sent 08:00-18:00, stored none\nRule 02 / Monday: sent 08:00-18:00, stored none",
      "each rule's Monday named: " + batch);
check(ops(mark).map(r => r.op).join() === "CMD_SetGuardSchedules,CMD_GetGuardSchedules," +
      "CMD_SetGuardSchedules,CMD_GetGuardSchedules", "each rule read back after its write");
check(!/\*$/.test(ui.find(RULE_2).text), "rule 02 unmarked: " + ui.find(RULE_2).text);
clearScripts();


// Scene settings, "PTZ" tab: the device runs one of the scene's two
// functions only; the lists are read again and show so.
const entrance = sim.cmd("CMD_GetSceneList").info.SceneList[1].SceneToken;
const functions = sim.cmd("CMD_GetAllSupportSmartFunName", {SceneToken: entrance}).info;
check(ui.openScene(1), "the scene settings of Entrance");
check(JSON.stringify(ui.find(20001).items) === '["Loitering","People Counting"]', "two functions");
functions["zelk:Loitering_Event"] = "false";
script("CMD_GetAllSupportSmartFunName", functions);
check(saved(18108) === "Save Success\nThe device stored some values differently:\n" +
      "Scene Function: sent Loitering, People Counting, stored People Counting", "the function left out named");
check(JSON.stringify(ui.find(20001).items) === '["People Counting"]', "the list shows what the scene runs");
clearScripts();
// Unread after the save, the scene's functions are compared with nothing,
// not with the list read before it.
check(ui.select(20002, "Loitering") && ui.click(11000 + 81), "Loitering added again");
check(sim.control({fault: {op: "CMD_GetAllSupportSmartFunName", kind: "status500"}}), "read-back fails");
check(ui.click(18108), "Save");
const unread = ui.messages().map(m => m.text);
check(unread.indexOf("Save Success") >= 0 && !unread.some(t => t.indexOf("differently") >= 0),
      "nothing compared with an unread list: " + JSON.stringify(unread));
check(JSON.stringify(ui.find(20001).items) === '["People Counting","Loitering"]', "the list as sent");
clearScripts();
