// A device that refuses, stalls or answers nonsense: its error text is
// shown, no success is claimed, the operator's edits stay, nothing hangs or
// crashes.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const refusal = text => JSON.stringify({ack: "1", errinfo: text, info: null});
function refuse(op, text) { check(sim.control({script: {op: op, reply: refusal(text)}}), "script " + op); }
function clear() { check(sim.control({clear: true}), "knobs cleared"); }
function expectError(text, what, title = "error") {
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].title === title && messages[0].text === text,
          what + " shows the device's error: " + JSON.stringify(messages));
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(18461), "rule 01");

// Add refused: no new button, the selection stays.
refuse("CMD_AddRule", "Reach the max number of available rules");
ui.click(18451);
expectError("Reach the max number of available rules", "a refused add");
check(!ui.find(18463).visible && ui.find(18452).visible, "no rule added");
clear();

// Delete refused: the rule stays.
refuse("CMD_DelRule", "Rule does not exist");
ui.click(18452);
const deleteMessages = ui.messages();
check(deleteMessages.length === 2 && deleteMessages[1].text === "Rule does not exist", JSON.stringify(deleteMessages));
check(ui.find(18461).visible, "the rule stays");
clear();

// Save refused: the typed value stays and goes out with the next save.
check(ui.setText(13102, "Yard"), "rule name typed");
refuse("CMD_ModifyRuleModuleParam", "Parameter value out of range");
ui.click(18392);
expectError("Parameter value out of range", "a refused save");
check(ui.find(13102).text === "Yard", "the edit stays");
clear();
ui.click(18392);
check(ui.messages()[0].text === "Save Success", "saved once the device agrees");

// Recover refused: no success message, the panel keeps the edit.
check(ui.setText(13102, "Gate 2"), "another name");
refuse("CMD_ModifyRuleModuleParam", "Unknown command type");
ui.click(18393);  // the question is answered OK, then the device refuses
const recoverMessages = ui.messages();
check(recoverMessages.length === 2 && recoverMessages[1].title === "error" &&
      recoverMessages[1].text === "Unknown command type", "a refused recover: " + JSON.stringify(recoverMessages));
check(ui.find(13102).text === "Gate 2", "the edit stays after a refused recover");
clear();

// Schedule and linkage saves refused.
ui.click(18396);
refuse("CMD_SetGuardSchedules", "Invalid arming schedule");
ui.click(18392);
expectError("Invalid arming schedule", "a refused schedule save");
ui.click(18397);
refuse("CMD_SetActionTrigger", "Unknown linkage action");
ui.click(18392);
expectError("Unknown linkage action", "a refused linkage save");
clear();
ui.click(18391);

// A device that stops answering: the save fails after the time-out.
check(sim.control({latency_ms: 11000}), "a stalled device");
const start = Date.now();
ui.click(18392);
const waited = Date.now() - start;
check(!ui.messages().some(m => m.text === "Save Success"), "no success from a stalled device");
check(waited >= 9000 && waited < 20000, "one time-out, not a hang: " + waited + " ms");
clear();

// Rule records with missing or wrongly typed members.
for (const info of ['{"AlarmMode":5,"DetectionRegion":"oops","Sensitivity":{"a":1},"TimeThreshold":[1,2],"RuleName":null}',
                    '{"DetectionRegion":{"polygon":[{"VexoPolygon":"9|(x,y)"}],"simp":7}}', '[]', '"text"']) {
    check(sim.control({script: {op: "CMD_GetRuleModuleParam", reply: '{"ack":"0","errinfo":"","info":' + info + '}'}}), "odd record");
    check(ui.click(18462) && ui.click(18461), "the rules shown from " + info);
}
clear();
check(ui.click(18461) && ui.find(12100).visible, "the page still works");

// In Chinese the device's error text is shown translated when the device's
// localisation file has it, and as the device sent it otherwise.
check(control.SetLanguage("chinese") && control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "Chinese");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2 && ui.click(18461), "a rule in Chinese");
refuse("CMD_ModifyRuleModuleParam", "Parameter value out of range");
ui.click(18392);
expectError("参数值超出范围", "a translated refusal", "错误");
refuse("CMD_ModifyRuleModuleParam", "Something the file does not know");
ui.click(18392);
expectError("Something the file does not know", "an untranslated refusal", "错误");
