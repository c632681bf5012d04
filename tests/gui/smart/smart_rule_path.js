// The operator's path on the smart configuration page: enter it from a
// scene, add a rule, drag its region's corner and a wire's end on the live
// video, change a combo and a value, save, and find exactly that on the
// device. Which slot and token Add takes, and the bar's buttons, are
// smart_rule_bar.js's.
host.include("smart_steps.js");
const kScene = "Scene_001";

// Enters the page from the index page's first function button of the first
// scene, then picks the function whose bar button reads `caption`.
function readRule(fun, token) {
    const reply = sim.cmd("CMD_GetRuleModuleParam", {SceneToken: kScene, SmartFunName: fun, RuleToken: token});
    check(reply.ok, "the device reads " + token + ": " + reply.error);
    return reply.info;
}
// A drag on the live video: the press starts the shape tracker, which then
// follows the moves and ends at the release (sent from inside its loop).
function dragOnVideo(x1, y1, x2, y2) {
    host.later(0, () => {
        for (let step = 1; step <= 8; ++step) {
            ui.mouse(15030, "move", x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8);
        }
        ui.mouse(15030, "release", x2, y2);
    });
    check(ui.mouse(15030, "press", x1, y1), "press on the video");
}
// Device space of the 640 x 360 video window.
function near(actual, expected, what) {
    check(Math.abs(actual[0] - expected[0]) < 0.004 && Math.abs(actual[1] - expected[1]) < 0.006,
          what + ": " + actual + " is not " + expected);
}
function sameExcept(before, after, changed) {
    for (const key of new Set(Object.keys(before).concat(Object.keys(after)))) {
        if (changed.indexOf(key) < 0) {
            check(JSON.stringify(before[key]) === JSON.stringify(after[key]), key + " is unchanged");
        }
    }
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction("Intrusion");
check(ui.click(18451), "Add");  // the third rule, Intrusion_Event 03
const before = readRule("zelk:Intrusion_Event", "Intrusion_Event 03");

// The region's top-left corner (-0.6, 0.6) sits at (128, 72) of the video.
dragOnVideo(128, 72, 168, 92);
check(ui.select(12100, "Delayed"), "alarm mode");
check(ui.setText(13101, "9"), "time threshold");
const mark = sim.journalLength();
check(ui.click(18392), "Save");
let messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Save Success" && messages[0].title === "tips", JSON.stringify(messages));
const after = readRule("zelk:Intrusion_Event", "Intrusion_Event 03");
const region = points(after.DetectionRegion.polygon[0].VexoPolygon);
near(region[0], [168 / 320 - 1, 1 - 92 / 180], "the dragged corner");
near(region[1], [0.6, 0.6], "the other corners stay");
near(region[2], [0.6, -0.6], "the other corners stay");
check(after.AlarmMode === "Delayed" && after.TimeThreshold === "9", "the changed values: " + JSON.stringify(after));
sameExcept(before, after, ["DetectionRegion", "AlarmMode", "TimeThreshold"]);
const modifies = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_ModifyRuleModuleParam");
check(modifies.length === 1 && modifies[0].request.info.RuleToken === "Intrusion_Event 03", "one save of the rule");

// A wire: its drawing button makes it editable, its end follows the mouse.
enterFunction("Wire Crossing");
check(ui.click(18461), "rule 01");
const wireBefore = readRule("zelk:Wire_Cross_Event", "Wire_Cross_Event 01");
check(ui.click(11000), "the wire's drawing button");
dragOnVideo(480, 180, 500, 150);  // its end (0.5, 0)
check(ui.click(18392), "Save");
messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Save Success", JSON.stringify(messages));
const wireAfter = readRule("zelk:Wire_Cross_Event", "Wire_Cross_Event 01");
const wire = points(wireAfter.Wire.polygon[0].VexoPolygon);
near(wire[0], [-0.5, 0], "the wire's start stays");
near(wire[1], [500 / 320 - 1, 1 - 150 / 180], "the wire's end");
sameExcept(wireBefore, wireAfter, ["Wire"]);
check(JSON.stringify(wireAfter.Wire.simp) === JSON.stringify(wireBefore.Wire.simp), "the wire's margin is kept");
host.screenshot(host.args[0] + "/wire.png");
