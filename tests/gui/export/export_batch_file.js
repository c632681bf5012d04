// The export right after login, the save dialog's answers and a file that
// cannot be written.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kExport = 18008;
const dir = host.args[0];

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
ui.messages();

// Before any page filled a cache: the eight groups, each null, in the
// styled writer's layout.
const empty = '{\n   "Alarms" : null,\n   "Modules" : null,\n   "NonScenes" : null,\n' +
              '   "NormalArmingInterval" : null,\n   "NormalLinkMethod" : null,\n' +
              '   "Rules" : null,\n   "SmartArmingInterval" : null,\n   "SmartLinkMethod" : null\n}\n';
ui.saveAs(dir + "/first.json");
check(ui.click(kExport), "export button");
host.wait(200);
check(host.readFile(dir + "/first.json") === empty, "empty export: " + host.readFile(dir + "/first.json"));
const shown = ui.messages();
check(shown.length === 1 && shown[0].text === "SmartParamsConfig.json",
      "the dialog proposes SmartParamsConfig.json: " + JSON.stringify(shown));

// A cancelled dialog writes nothing, even with a name given.
ui.answer("cancel");
ui.saveAs(dir + "/cancelled.json");
ui.click(kExport);
host.wait(200);
check(host.readFile(dir + "/cancelled.json") === null, "cancelled export wrote nothing");
check(ui.messages().length === 1, "the cancelled dialog was shown");
ui.answer("ok");

// A second export to the same name asks before replacing.
ui.saveAs(dir + "/first.json");
ui.click(kExport);
host.wait(200);
const prompts = ui.messages();
check(prompts.length === 2 && /already exists/.test(prompts[1].text),
      "replacing asks first: " + JSON.stringify(prompts));
check(host.readFile(dir + "/first.json") === empty, "replaced with the same text");

// A folder that is a file: nothing written, no crash, the control still works.
ui.saveAs(dir + "/first.json/inside.json");
ui.click(kExport);
host.wait(200);
check(host.readFile(dir + "/first.json") === empty, "the earlier file is untouched");
check(ui.find(kExport).visible, "the control is still there");
