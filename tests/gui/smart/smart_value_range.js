// Edits with a known range: what is typed stays inside it, the tool tip
// says what it is, and a value the device refuses on Save is named with
// its range. vexo-host ... -- OUT LANGUAGE
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const THRESHOLD = 13101, THRESHOLD_LABEL = 15104, ALARM_MODE = 12100, SAVE = 18392, FIRST_RULE = 18461;
const language = host.args[1];
const texts = {
    english: {tip: "Range: 0 to 60", refused: "Parameter value out of range", ok: "Save Success"},
    chinese: {tip: "范围：0 至 60", refused: "参数值超出范围", ok: "保存成功"},
}[language];
const rule = () => sim.cmd("CMD_GetRuleModuleParam",
    {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 01"});

check(control.SetLanguage(language), "language " + language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
let intrusion = 18310;
while (intrusion < 18400 && !(ui.find(intrusion).visible && ["Intrusion", "区域入侵"].includes(ui.find(intrusion).text))) ++intrusion;
check(ui.click(intrusion), "the intrusion function");
check(host.waitUntil(() => ui.find(FIRST_RULE).visible) && ui.click(FIRST_RULE), "rule 01");
// The time threshold (0 to 60 s) shows with an alarm mode that uses it.
for (let i = 0; i < ui.find(ALARM_MODE).items.length && !ui.find(THRESHOLD).visible; ++i) ui.select(ALARM_MODE, i);
check(ui.find(THRESHOLD).visible, "the time threshold row");
check(ui.property(THRESHOLD, "toolTip") === texts.tip, "the range in the tool tip: " + ui.property(THRESHOLD, "toolTip"));

// Typed: "99", "999" and a letter are refused, what is left is saved.
check(ui.key(THRESHOLD, "Ctrl+A, 9, 9, 9") && ui.key(THRESHOLD, "X"), "typing 999 and a letter");
check(ui.find(THRESHOLD).text === "9", "999 cannot be typed: " + ui.find(THRESHOLD).text);
ui.messages();
check(ui.click(SAVE), "Save");
let shown = ui.messages();
check(shown.length === 1 && shown[0].text === texts.ok, "9 is saved: " + JSON.stringify(shown));

// Set by a program (past the check), the device refuses it: the message
// names the row and its range.
check(ui.setText(THRESHOLD, "999"), "999 set directly");
check(ui.click(SAVE), "Save again");
shown = ui.messages();
const label = ui.find(THRESHOLD_LABEL).text;
check(shown.length === 1 && shown[0].text.indexOf(label + " (" + texts.tip + ")") === 0 &&
      shown[0].text.indexOf(texts.refused) > 0, "the refusal names " + label + ": " + JSON.stringify(shown));
check(JSON.stringify(rule().info).indexOf("999") < 0, "the device keeps 9");
