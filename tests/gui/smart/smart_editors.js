// The schedule and linkage editors inside the smart configuration page: a
// period drawn over a whole day and saved, an action toggled and saved, the
// rule batch over two rules, all read back from the device.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const owner = token => ({SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: token});

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page is entered");
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(18461), "rule 01");

// Schedule: the week cleared, then Monday drawn from its bar's left end to
// its right end (the device starts with every day armed all day).
const mondayOnly = info => JSON.stringify(info.Mon.simp) === '{"GuardTime 1":"0|1440"}' &&
                           ["Tue", "Wed", "Thu", "Fri", "Sat", "Sun"].every(d => !info[d].simp || Object.keys(info[d].simp).length === 0);
check(ui.click(18396) && ui.find(15650).visible, "the Arming Interval tab shows the grid");
check(ui.click(18621), "All Clear");
check(!ui.find(12100).visible, "the parameter panel is hidden meanwhile");
const grid = ui.find(15650), monday = ui.find(15610);
const left = monday.x - grid.x, right = left + monday.width, y = monday.y - grid.y + monday.height / 2;
check(ui.drag(15650, left, y, right + 20, y), "a period drawn");
check(ui.click(18392), "Save");
let messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Save Success", "the schedule saved: " + JSON.stringify(messages));
let schedule = sim.cmd("CMD_GetGuardSchedules", owner("Intrusion_Event 01"));
check(schedule.ok && mondayOnly(schedule.info), "the device holds Monday all day: " + JSON.stringify(schedule.info));

// Rule batch: the week goes to every rule ticked in the chooser; "All"
// (item 2 after the function's two rules) is ticked while it is open.
check(ui.find(18620).enabled, "the rule batch is offered on this page");
check(!mondayOnly(sim.cmd("CMD_GetGuardSchedules", owner("Intrusion_Event 02")).info), "rule 02 has its own week");
let ticked = false;
host.later(0, () => { ticked = ui.check(17002, true); });
check(ui.click(18620), "rule batch");
check(ticked, "All ticked in the chooser");
messages = ui.messages();
check(messages.some(m => m.text === "Save Success"), "the batch is saved: " + JSON.stringify(messages));
for (const token of ["Intrusion_Event 01", "Intrusion_Event 02"]) {
    schedule = sim.cmd("CMD_GetGuardSchedules", owner(token));
    check(mondayOnly(schedule.info), token + " holds the week: " + JSON.stringify(schedule.info));
}

// Linkage: toggle the first action and save it.
check(ui.click(18397) && ui.find(15750).visible && !ui.find(15650).visible, "the Linkage Method tab");
const before = sim.cmd("CMD_GetActionTrigger", owner("Intrusion_Event 01")).info;
const box = ui.find(17700);
check(box.visible, "the first action's box");
check(ui.click(17700), "toggled");
check(ui.click(18392), "Save");
messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Save Success", "the linkage saved: " + JSON.stringify(messages));
const after = sim.cmd("CMD_GetActionTrigger", owner("Intrusion_Event 01")).info;
check(JSON.stringify(after) !== JSON.stringify(before), "the device holds the toggled action: " + JSON.stringify(after));
const expected = box.checked ? "FALSE" : "TRUE";
check(JSON.stringify(after).indexOf(expected) >= 0, "sent as " + expected);

// Back on Param Set the panel is there again.
check(ui.click(18391) && ui.find(12100).visible && !ui.find(15750).visible, "the Param Set tab");
host.screenshot(host.args[0] + "/editors.png");

// Unmarked, the edited week and linkage stay out of the export.
ui.saveAs(host.args[0] + "/unmarked.json");
check(ui.click(18008), "export, nothing marked");
const unmarked = JSON.parse(host.readFile(host.args[0] + "/unmarked.json"));
check(unmarked.SmartArmingInterval === null && unmarked.SmartLinkMethod === null,
      "nothing unmarked exported: " + JSON.stringify(unmarked));

// The export takes the rule's week and linkage once "Batch Settings" is
// ticked on their tabs, under the function and the rule's token.
check(ui.click(18396) && ui.check(17600, true), "the week marked for the export");
check(ui.click(18397) && ui.check(17690, true), "the linkage marked for the export");
ui.saveAs(host.args[0] + "/export.json");
check(ui.click(18008), "export");
const exported = JSON.parse(host.readFile(host.args[0] + "/export.json"));
const week = exported.SmartArmingInterval["zelk:Intrusion_Event"]["Intrusion_Event 01"];
check(week && JSON.stringify(week).indexOf('"0|1440"') >= 0, "the week exported: " + JSON.stringify(exported.SmartArmingInterval));
const linkage = exported.SmartLinkMethod["zelk:Intrusion_Event"]["Intrusion_Event 01"];
check(linkage && JSON.stringify(linkage).indexOf(expected) >= 0, "the linkage exported: " + JSON.stringify(exported.SmartLinkMethod));
