// The export right after login, the save dialog's answers and a file that
// cannot be written.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kExport = 18008;
const dir = host.args[0];
// Popups recorded so far; `popups` waits until `enough` holds for them and
// hands them over.
let recorded = [];
function popups(enough, what) {
    check(host.waitUntil(() => enough(recorded = recorded.concat(ui.messages()))),
          what + ": " + JSON.stringify(recorded));
    const taken = recorded;
    recorded = [];
    return taken;
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
ui.messages();

// Before any page filled a cache: the eight groups, each null, in the
// styled writer's layout.
const empty = '{\n   "Alarms" : null,\n   "Modules" : null,\n   "NonScenes" : null,\n' +
              '   "NormalArmingInterval" : null,\n   "NormalLinkMethod" : null,\n' +
              '   "Rules" : null,\n   "SmartArmingInterval" : null,\n   "SmartLinkMethod" : null\n}\n';
ui.saveAs(dir + "/first.json");
check(ui.click(kExport), "export button");
check(host.waitUntil(() => host.readFile(dir + "/first.json") !== null), "first.json written");
check(host.readFile(dir + "/first.json") === empty, "empty export: " + host.readFile(dir + "/first.json"));
const shown = popups(list => list.length >= 1, "the save dialog");
check(shown.length === 1 && shown[0].text === "SmartParamsConfig.json",
      "the dialog proposes SmartParamsConfig.json: " + JSON.stringify(shown));

// A cancelled dialog writes nothing, even with a name given.
ui.answer("cancel");
ui.saveAs(dir + "/cancelled.json");
ui.click(kExport);
check(popups(list => list.length >= 1, "the cancelled dialog").length === 1, "one dialog shown");
check(host.readFile(dir + "/cancelled.json") === null, "cancelled export wrote nothing");
ui.answer("ok");

// The normal arming page fills the caches: the alarm it read, and its week
// and linkage once their "Batch Settings" boxes are ticked.
const alarm = {NormalAlarmType: "zelk:Alarm_Input_Event", NormalAlarmToken: "AlarmIn 01"};
check(ui.click(18007), "normal arming group");
// Once the picture plays the panel is built again over it; edits come after.
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel over the picture");
check(ui.setText(13100, "Dock") && ui.click(18110), "the alarm edited and saved");
check(ui.click(18101) && ui.check(17600, true), "arming interval for the export");
check(ui.click(18100), "back to the parameters (stores the week)");
check(ui.click(18102) && ui.check(17690, true), "linkage for the export");

// A second export to the same name asks first and replaces the file.
ui.saveAs(dir + "/first.json");
ui.click(kExport);
const prompts = popups(list => list.filter(m => m.title !== "tips").length >= 2, "dialog and question")
                    .filter(m => m.title !== "tips");
check(prompts.length === 2 && /already exists/.test(prompts[1].text),
      "replacing asks first: " + JSON.stringify(prompts));
const text = host.readFile(dir + "/first.json");
const exported = JSON.parse(text);
const device = sim.cmd("CMD_GetNormalAlarmData", alarm).info;
check(device.AlarmName === "Dock" &&
      exported.Alarms[alarm.NormalAlarmType][alarm.NormalAlarmToken].AlarmName === "Dock",
      "the alarm's record: " + text);
check(exported.NormalArmingInterval[alarm.NormalAlarmType][alarm.NormalAlarmToken].Mon,
      "the alarm's week");
check(exported.NormalLinkMethod[alarm.NormalAlarmType][alarm.NormalAlarmToken],
      "the alarm's linkage");
check(exported.Rules === null && exported.NonScenes === null, "untouched groups stay null");

// The file handed to SetConfig restores what it holds: it goes out as the
// parameters batch, and the device answers the exported values again.
check(sim.cmd("CMD_ModifyNormalAlarmData", Object.assign({}, alarm,
      {NormalAlarmData: {AlarmName: "changed"}})).ok, "the device changed meanwhile");
const mark = sim.journalLength();
check(control.SetConfig(host.device, host.user, host.password, text), "SetConfig accepted");
const batch = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_SetParamsBatchConfig");
check(batch.length === 1 && typeof batch[0].request.info.config === "object",
      "sent as CMD_SetParamsBatchConfig with an object");
check(sim.cmd("CMD_GetNormalAlarmData", alarm).info.AlarmName === device.AlarmName,
      "the device answers the exported record again");

// A folder that is a file: nothing written, no crash, the control still works.
ui.saveAs(dir + "/first.json/inside.json");
ui.click(kExport);
popups(list => list.length >= 1, "the save dialog");
check(host.readFile(dir + "/first.json") === text, "the earlier file is untouched");
check(ui.find(kExport).visible, "the control is still there");
