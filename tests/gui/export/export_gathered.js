// What the smart configuration page read or saved in the session goes into
// the export: the rule under its function, the modules and non-scene
// functions of "Advance Param", and the rule's week and linkage marked
// "Batch Settings" without a further tab switch. The file given back to
// SetConfig makes the device hold that rule again.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kExport = 18008;
const kScene = "Scene_001", kFun = "zelk:Intrusion_Event", kToken = "Intrusion_Event 01";
const ruleOwner = {SceneToken: kScene, SmartFunName: kFun, RuleToken: kToken};
const dir = host.args[0];
let exports = 0;
function exportNow() {
    const file = dir + "/export" + (++exports) + ".json";
    ui.saveAs(file);
    check(ui.click(kExport), "export button");
    check(host.waitUntil(() => host.readFile(file) !== null), file + " written");
    ui.messages();
    return JSON.parse(host.readFile(file));
}
// Every parameter the device answers is in the record, with the same value.
function sameAsDevice(record, device, what) {
    check(record && device, what + ": nothing to compare");
    for (const key of Object.keys(device)) {
        check(JSON.stringify(record[key]) === JSON.stringify(device[key]),
              what + "." + key + ": exported " + JSON.stringify(record[key]) + ", device " +
              JSON.stringify(device[key]));
    }
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(18461), "rule 01");

// The rule saved with a new name; its linkage marked for the export and
// left on that tab.
check(ui.setText(13102, "North gate") && ui.click(18392), "rule renamed and saved");
check(ui.click(18397) && ui.check(17690, true), "linkage marked Batch Settings");
let file = exportNow();
const device = sim.cmd("CMD_GetRuleModuleParam", ruleOwner).info;
check(device.RuleName === "North gate", "the device holds the saved name");
check(file.Rules && file.Rules[kFun], "the rule's function in Rules: " + JSON.stringify(file.Rules));
sameAsDevice(file.Rules[kFun][kToken], device, "Rules");
const trigger = sim.cmd("CMD_GetActionTrigger", ruleOwner).info;
check(file.SmartLinkMethod && file.SmartLinkMethod[kFun] && file.SmartLinkMethod[kFun][kToken],
      "the rule's linkage without a tab switch: " + JSON.stringify(file.SmartLinkMethod));
check(trigger, "the device's linkage");

// The week marked on its tab stays marked when the operator goes on to
// another rule and to "Advance Param"; what they read joins the export.
check(ui.click(18396) && ui.check(17600, true), "week marked Batch Settings");
check(ui.click(18462) && ui.click(18460), "rule 02, then Advance Param");
file = exportNow();
check(file.SmartArmingInterval && file.SmartArmingInterval[kFun][kToken].Mon,
      "the rule's week: " + JSON.stringify(file.SmartArmingInterval));
sameAsDevice(file.Rules[kFun][kToken], device, "Rules after Advance Param");
sameAsDevice(file.Rules[kFun]["Intrusion_Event 02"],
             sim.cmd("CMD_GetRuleModuleParam", Object.assign({}, ruleOwner, {RuleToken: "Intrusion_Event 02"})).info,
             "rule 02, only read");
const modules = Object.keys(file.Modules || {});
check(modules.length > 0, "modules gathered: " + JSON.stringify(file.Modules));
for (const name of modules) {
    sameAsDevice(file.Modules[name],
                 sim.cmd("CMD_GetRuleModuleParam", {SceneToken: kScene, ModuleName: name}).info,
                 "Modules." + name);
}
for (const name of Object.keys(file.NonScenes || {})) {
    sameAsDevice(file.NonScenes[name], sim.cmd("CMD_GetNonSceneParam", {NonSceneName: name}).info,
                 "NonScenes." + name);
}

// Rule 01 again: its editors come back marked for the export.
check(ui.click(18461) && ui.click(18396), "back to rule 01's week");
check(ui.find(17600).checked, "the week comes back marked");
check(ui.click(18397) && ui.find(17690).checked, "the linkage comes back marked");

// The file restores the rule: the device changed it meanwhile, SetConfig
// with the exported text brings the exported values back.
const text = host.readFile(dir + "/export2.json");
check(sim.cmd("CMD_ModifyRuleModuleParam",
              Object.assign({CMDType: "Modify", RuleModuleData: {RuleName: "Changed"}}, ruleOwner)).ok,
      "the device's rule changed");
check(sim.cmd("CMD_GetRuleModuleParam", ruleOwner).info.RuleName === "Changed", "changed");
check(control.SetConfig(host.device, host.user, host.password, text), "SetConfig accepted");
sameAsDevice(file.Rules[kFun][kToken], sim.cmd("CMD_GetRuleModuleParam", ruleOwner).info,
             "the device after SetConfig");

// The same file makes a second device, which never saw this session, hold
// the exported rule: what an operator does to copy one camera's set-up.
const before = sim2.cmd("CMD_GetRuleModuleParam", ruleOwner).info;
check(before && before.RuleName !== "North gate", "the second device starts with its own rule");
const journalMark = sim2.journalLength();
check(control.SetConfig(sim2.address, host.user, host.password, text), "SetConfig on the second device");
check(sim2.journal(journalMark).some(e => e.request && /^CMD_Set(Params)?BatchConfig$/.test(e.request.op)),
      "the import reached the second device");
sameAsDevice(file.Rules[kFun][kToken], sim2.cmd("CMD_GetRuleModuleParam", ruleOwner).info,
             "the second device after SetConfig");
check(sim.cmd("CMD_GetRuleModuleParam", ruleOwner).info.RuleName === "North gate", "the first device keeps its rule");
