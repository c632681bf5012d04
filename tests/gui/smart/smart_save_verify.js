// Write, then verify: after a rule's Save the device's version is read back.
// The device here cuts a 10-point region (the most the panel draws) to 8
// points and clamps the sensitivity (scripted replies); the message names
// both, the panel then holds the device's version, and a save the device
// keeps says only "Save Success".
host.include("smart_steps.js");
const RULE_2 = 18462;

function rule(points, sensitivity) {
    const pairs = [];
    for (let i = 0; i < points; ++i) {
        const a = 2 * Math.PI * i / points;
        pairs.push("(" + (0.5 * Math.cos(a)).toFixed(6) + "," + (0.5 * Math.sin(a)).toFixed(6) + ")");
    }
    return JSON.stringify({ack: "0", info: {
        AlarmMode: "Delayed", Enable: "true", RuleName: "", Sensitivity: sensitivity, TargetType: "AllTargets",
        TimeThreshold: "5", Token: "Intrusion_Event 02",
        DetectionRegion: {name: "", simp: null, polygon: [{VexoPolygon: points + "|" + pairs.join(",")}]}}});
}
function script(op, reply) { check(sim.control({script: {op: op, reply: reply}}), "scripted " + op); }
function modifies(mark) {
    return sim.journal(mark).filter(e => e.request && e.request.op === "CMD_ModifyRuleModuleParam")
        .map(e => e.request.info.RuleModuleData);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction("Intrusion");
script("CMD_GetRuleModuleParam", rule(10, "150"));
script("CMD_ModifyRuleModuleParam", '{"ack": "0", "info": ""}');
check(ui.click(RULE_2), "rule 02, as the device first holds it: 10 points");

// Saved as shown; the device keeps 8 points and clamps 150 to 100.
script("CMD_GetRuleModuleParam", rule(8, "100"));
let mark = sim.journalLength();
check(ui.click(18392), "Save");
let messages = ui.messages();
check(messages.length === 1 && messages[0].text ===
      "Save Success\nThe device stored some values differently:\n" +
      "DetectionRegion: sent 10 points, stored 8 points\nSensitivity: sent 150, stored 100",
      JSON.stringify(messages));
const reads = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_GetRuleModuleParam");
// One read to compare, one to build the panel from the device's version.
check(reads.length === 2, "read back: " + reads.length);
check(modifies(mark)[0].DetectionRegion.polygon[0].VexoPolygon.startsWith("10|"), "10 points sent");

// The panel now holds the device's version: saving it again changes nothing.
mark = sim.journalLength();
save();
check(modifies(mark)[0].DetectionRegion.polygon[0].VexoPolygon.startsWith("8|"), "8 points sent");
check(modifies(mark)[0].Sensitivity === "100", "the clamped value sent");

// Drawing still works on the panel built from the device's version.
check(ui.click(11000) && ui.click(11000), "the region's pen put away and out again");
[[200, 100], [300, 100], [300, 200]].forEach(([x, y]) => click(x, y));
check(ui.key(15030, "Escape"), "Escape ends the drawing");
