// The line under the rule bar also says when the rule's arming week is empty
// or its linkage ticks no action (read with the rule), and follows what the
// linkage editor saves; the factory rules say nothing.
host.include("smart_steps.js");
const LINE = 15991, RULE_1 = 18461, RULE_2 = 18462, LINKAGE_TAB = 18397;
const rule1 = {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 01"};

const week = {};
for (const day of ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]) week[day] = {name: "", simp: null};
check(sim.cmd("CMD_SetGuardSchedules", Object.assign({GuardSchedulesData: week}, rule1)).ok, "an empty week");
const trigger = sim.cmd("CMD_GetActionTrigger", rule1).info;
for (const group of Object.keys(trigger.data)) {
    for (const action of Object.keys(trigger.data[group].simp)) trigger.data[group].simp[action] = "FALSE";
}
check(sim.cmd("CMD_SetActionTrigger", Object.assign({ActionTriggerData: trigger}, rule1)).ok, "no action ticked");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction("Intrusion");
check(ui.click(RULE_2) && !ui.find(LINE).visible, "rule 02 leaves the factory able to fire");
check(ui.click(RULE_1), "rule 01");
let line = ui.find(LINE);
check(line.visible && line.text === "The arming schedule has no period on any day: add a period in " +
      "the guard schedule. (+1)", "the week, then the linkage: " + JSON.stringify(line));

// An action ticked and saved: only the week is left.
check(ui.click(LINKAGE_TAB) && ui.click(17700), "the first action ticked");
save();
line = ui.find(LINE);
check(line.visible && line.text === "The arming schedule has no period on any day: add a period in " +
      "the guard schedule.", "only the week is left: " + JSON.stringify(line));
