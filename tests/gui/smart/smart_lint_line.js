// The line under the rule bar says why the rule shown cannot fire, names
// what to change, goes when the rule is fixed and never stands in Save's way.
host.include("smart_steps.js");
const kFun = "zelk:Intrusion_Event";
const LINE = 15991, RULE_1 = 18461, RULE_2 = 18462;

function modify(token, data) {
    check(sim.cmd("CMD_ModifyRuleModuleParam", {SceneToken: "Scene_001", SmartFunName: kFun, RuleToken: token,
                                                CMDType: "Modify", RuleModuleData: data}).ok, "rule " + token + " changed");
}
const flat = {name: "", simp: null, polygon: [{VexoPolygon: "3|(-0.500000,0.000000),(0.000000,0.000000),(0.500000,0.000000)"}]};

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
// Rule 01 has its three points on one line and is switched off; rule 02 is as shipped.
modify("Intrusion_Event 01", {Enable: "false", DetectionRegion: flat});
enterFunction("Intrusion");

check(!ui.find(LINE).visible, "no line while the function's modules are shown");
check(ui.click(RULE_1), "rule 01");
let line = ui.find(LINE);
check(line.visible && line.text === "The rule is disabled: tick \"Enable\" to let it fire. (+1)", "the line: " + JSON.stringify(line));

// Save is not blocked: it goes to the device and says so.
save();

check(ui.click(RULE_2), "rule 02");
check(!ui.find(LINE).visible, "rule 02 can fire");

// Fixed on the device, the warning is gone the next time the rule is shown.
modify("Intrusion_Event 01", {Enable: "true"});
check(ui.click(RULE_1), "rule 01 again");
line = ui.find(LINE);
check(line.visible && line.text.startsWith("Region \"DetectionRegion\" encloses no area: move its points apart."),
      "only the region is left: " + JSON.stringify(line));
