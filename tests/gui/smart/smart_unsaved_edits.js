// Unsaved edits are marked with " *" on their rule, tab or alarm button, and
// leaving them asks "Save changes?": Cancel stays with the edits, Discard
// shows the device's values again, Save writes them first.
// vexo-host ... -- OUT LANGUAGE
host.include("smart_steps.js");
const ALARM_MODE = 12100, PARAM_TAB = 18391, ARMING_TAB = 18396, LINKAGE_TAB = 18397;
const RULE_01 = 18461, RULE_02 = 18462, NORMAL_ARMING = 18007, SMART_FUNCTION = 18006;
const MONDAY = 15610, GRID = 15650, ALL_CLEAR = 18621, FIRST_ALARM = 18200;
const language = host.args[1];
const question = {english: "Save changes?", chinese: "保存更改吗？"}[language];
const rule01 = {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 01"};
const deviceMode = () => sim.cmd("CMD_GetRuleModuleParam", rule01).info.AlarmMode;
const sent = mark => sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
const marked = id => / \*$/.test(ui.find(id).text);
function asked(what) {
    const shown = ui.messages();
    check(shown.length >= 1 && shown[0].text === question, what + ": " + JSON.stringify(shown));
    return shown;
}
// All Clear, then a period drawn over the whole of Monday.
function drawMonday() {
    check(ui.click(ALL_CLEAR), "All Clear");
    const grid = ui.find(GRID), monday = ui.find(MONDAY);
    const left = monday.x - grid.x, y = monday.y - grid.y + monday.height / 2;
    check(ui.drag(GRID, left, y, left + monday.width + 20, y), "a period drawn on Monday");
}
// Picks another alarm mode than the one shown; returns its raw text.
function editAlarmMode() {
    const combo = ui.find(ALARM_MODE);
    check(ui.select(ALARM_MODE, (combo.currentIndex + 1) % combo.items.length), "another alarm mode");
    return ui.find(ALARM_MODE).text;
}

check(control.SetLanguage(language), language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction(language === "english" ? "Intrusion" : "区域入侵");
check(ui.click(RULE_01), "rule 01");
const stored = ui.find(ALARM_MODE).text;
check(!marked(RULE_01) && !marked(PARAM_TAB), "a rule just read is not marked");
ui.messages();

// An edit marks the rule and its tab; undoing it takes the mark away again.
editAlarmMode();
check(marked(RULE_01) && marked(PARAM_TAB), "the edit is marked: " + ui.find(RULE_01).text);
check(ui.click(18470) && !marked(RULE_01) && !marked(PARAM_TAB), "undone, nothing is unsaved");

// Cancel: still on rule 01, the edit intact, nothing written.
const edited = editAlarmMode();
host.screenshot(host.args[0] + "/unsaved-" + language + ".png");
ui.answer("cancel");
let mark = sim.journalLength();
ui.click(RULE_02);
asked("leaving the rule asks");
check(marked(RULE_01) && ui.find(ALARM_MODE).text === edited, "Cancel keeps the edit: " + ui.find(ALARM_MODE).text);
check(!sent(mark).includes("CMD_ModifyRuleModuleParam"), "Cancel writes nothing");
ui.click(ARMING_TAB);
asked("leaving the tab asks");
check(ui.find(ALARM_MODE).visible && ui.find(ALARM_MODE).text === edited, "still on the parameters");

// Discard on a tab: the panel shows the device's value again at once.
ui.answer("discard");
check(ui.click(ARMING_TAB), "to the arming interval");
asked("Discard is asked first");
check(ui.click(PARAM_TAB) && ui.find(ALARM_MODE).text === stored, "the device's value is back: " + ui.find(ALARM_MODE).text);
check(!marked(RULE_01) && !marked(PARAM_TAB), "nothing is marked after Discard");
check(!sent(mark).includes("CMD_ModifyRuleModuleParam") && deviceMode() !== undefined, "Discard writes nothing");

// Discard on the way to another rule: rule 02 opens, rule 01 reads as stored.
editAlarmMode();
check(ui.click(RULE_02), "rule 02");
asked("leaving the rule asks");
check(ui.click(RULE_01) && ui.messages().length === 0, "an unchanged rule is left without a question");
check(ui.find(ALARM_MODE).text === stored, "rule 01 as the device holds it");

// Save: written, then rule 02 opens.
ui.answer("ok");
const saved = editAlarmMode();
mark = sim.journalLength();
check(ui.click(RULE_02), "rule 02 after Save");
const shown = asked("Save is asked first");
check(shown.some(m => m.text === "Save Success" || m.text === "保存成功"), "saved: " + JSON.stringify(shown));
check(sent(mark).includes("CMD_ModifyRuleModuleParam"), "the journal shows the write: " + JSON.stringify(sent(mark)));
check(ui.find(RULE_02).text.indexOf("02") > 0 && !marked(RULE_01), "rule 02 is open");
check(ui.click(RULE_01) && ui.find(ALARM_MODE).text === saved, "the device holds the saved mode");

// The schedule editor: a drawn period marks the tab; another page asks.
check(ui.click(ARMING_TAB), "the arming interval");
drawMonday();
check(marked(ARMING_TAB) && marked(RULE_01), "the drawn period is marked");
ui.answer("cancel");
ui.click(NORMAL_ARMING);
asked("leaving the page asks");
check(ui.page() === 2 && marked(ARMING_TAB), "Cancel stays on the page with the period");
ui.answer("ok");
mark = sim.journalLength();
check(ui.click(NORMAL_ARMING), "normal arming");
asked("asked again");
check(sent(mark).includes("CMD_SetGuardSchedules") && host.waitUntil(() => ui.page() === 3), "saved, then left");

// Normal arming: the alarm's button and tab are marked; another alarm asks.
check(host.waitUntil(() => ui.find(FIRST_ALARM).visible), "the alarms");
check(ui.click(18101), "the alarm's arming interval");
drawMonday();
check(marked(FIRST_ALARM) && marked(18101), "the alarm is marked: " + ui.find(FIRST_ALARM).text);
ui.answer("discard");
mark = sim.journalLength();
check(ui.click(FIRST_ALARM + 1), "another alarm");
asked("leaving the alarm asks");
check(!sent(mark).includes("CMD_SetGuardSchedules") && !marked(FIRST_ALARM), "Discard writes nothing");
ui.answer("ok");
check(ui.click(SMART_FUNCTION) && ui.messages().length === 0 && ui.page() === 2, "back without a question");
