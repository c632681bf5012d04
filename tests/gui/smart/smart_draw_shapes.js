// The other drawing tools of the smart configuration page, each read back
// from the device after Save: a wire by two clicks with its direction turned
// on the video, a rectangle by press, drag and release, and the delete tool
// saving an empty region.
host.include("smart_steps.js");
const kScene = "Scene_001";
const VIDEO = 15030;
const folder = host.args[0];

function device(command, info) {
    const reply = sim.cmd(command, Object.assign({SceneToken: kScene}, info));
    check(reply.ok, command + ": " + reply.error);
    return reply.info;
}
// Device space of the 640 x 360 video, within one pixel.
function near(actual, [x, y], what) {
    const expected = [(x - 320) / 320, (180 - y) / 180];
    check(Math.abs(actual[0] - expected[0]) <= 1 / 320 && Math.abs(actual[1] - expected[1]) <= 1 / 180,
          what + ": " + actual + " is not " + expected);
}
// A point well inside arrow A of the wire from s to e (the arrow nearer the
// start, on its left as the wire runs): 60 % of the way from its base's
// middle to its tip.
function insideArrowA(s, e) {
    const length = Math.hypot(e[0] - s[0], e[1] - s[1]);
    const u = [(e[0] - s[0]) / length, (e[1] - s[1]) / length];
    const d = length / 8, side = Math.min(100, Math.trunc(d)), a = 3.1415 / 3;
    const base = [s[0] + (d + side / 2) * u[0], s[1] + (d + side / 2) * u[1]];
    const tip = [s[0] + d * u[0] + side * (u[0] * Math.cos(a) - u[1] * Math.sin(a)),
                 s[1] + d * u[1] + side * (u[1] * Math.cos(a) + u[0] * Math.sin(a))];
    return [Math.round(base[0] + 0.6 * (tip[0] - base[0])), Math.round(base[1] + 0.6 * (tip[1] - base[1]))];
}

// A face detection rule with an exclusion region, for the delete tool.
const scenes = sim.cmd("CMD_GetSceneList").info.SceneList;
const home = scenes.find(s => s.SceneToken === kScene);
device("CMD_ModifyScene", {SceneName: home.SceneName, SceneConfigSmartFun: ["zelk:Intrusion_Event",
    "zelk:Wire_Cross_Event", "zelk:Abnormal_Sound_Event", "zelk:Face_Detection_Event"].map(f => ({SmartFunName: f}))});
device("CMD_AddRule", {SmartFunName: "zelk:Face_Detection_Event", RuleToken: "Face_Detection_Event 01"});
const face = {SmartFunName: "zelk:Face_Detection_Event", RuleToken: "Face_Detection_Event 01"};
device("CMD_ModifyRuleModuleParam", Object.assign({CMDType: "Modify", RuleModuleData: {FaceExcludeRegion: {name: "",
    simp: null, polygon: [{VexoPolygon: "3|(0.100000,0.100000),(0.500000,0.100000),(0.300000,-0.400000)"}]}}}, face));
// The target size filter shows its rectangles.
const filter = {ModuleName: "zelk:Target_Size_Filter"};
device("CMD_ModifyRuleModuleParam", Object.assign({CMDType: "Modify", RuleModuleData: {FilterEnable: "true"}}, filter));

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");

// The wire: two clicks draw it, and it keeps the rule's direction (A to B:
// arrow A only) until a click on arrow A turns it to arrow B.
enterFunction("Wire Crossing");
check(ui.click(18461), "rule 01");
const wireRule = {SmartFunName: "zelk:Wire_Cross_Event", RuleToken: "Wire_Cross_Event 01"};
check(device("CMD_GetRuleModuleParam", wireRule).Direction === "AtoB", "the rule's direction");
const start = [60, 300], end = [600, 100];
check(ui.click(11000), "the wire's button");
click(start[0], start[1]);
check(ui.mouse(VIDEO, "move", 420, 160), "the wire follows the cursor");
check(host.screenshot(folder + "/wire-drawing.png"), "shot while drawing");
click(end[0], end[1]);
const arrow = insideArrowA(start, end);
click(arrow[0], arrow[1]);
check(host.screenshot(folder + "/wire-turned.png"), "shot of the turned wire");
save();
const wireRead = device("CMD_GetRuleModuleParam", wireRule);
const wire = points(wireRead.Wire.polygon[0].VexoPolygon);
check(wire.length === 2, "a wire of two points");
near(wire[0], start, "the wire's start");
near(wire[1], end, "the wire's end");
check(wireRead.Direction === "BtoA", "the turned direction: " + wireRead.Direction);
check(wireRead.Wire.simp.Margin === "10", "the margin is kept");

// The rectangle of the target size filter (Advance Param): press, drag,
// release.
enterFunction("Intrusion");
check(ui.click(18460), "Advance Param");
const RECT = 11000;
check(ui.find(RECT).visible, "the minimum size's rectangle button");
check(ui.click(RECT), "the rectangle button");
check(ui.mouse(VIDEO, "press", 100, 60), "press");
check(ui.mouse(VIDEO, "move", 180, 100) && ui.mouse(VIDEO, "move", 260, 150), "drag");
check(host.screenshot(folder + "/rectangle-drawing.png"), "shot while dragging");
check(ui.mouse(VIDEO, "release", 260, 150), "release");
save();
const rect = device("CMD_GetRuleModuleParam", filter).MinTargetSize.rect[0].rectF.slice(1, -1).split(",").map(Number);
near([rect[0], rect[1]], [100, 60], "the rectangle's corner");
check(Math.abs(rect[2] - 160 / 320) <= 1 / 320 && Math.abs(rect[3] + 90 / 180) <= 1 / 180,
      "the rectangle's size: " + rect);

// The delete tool empties the exclusion region; the device keeps none.
enterFunction("Face Detection");
check(ui.click(18461), "face rule 01");
check(ui.find(11004).visible, "the exclusion region's delete button");
check(ui.click(11004), "delete");
check(host.screenshot(folder + "/exclusion-deleted.png"), "shot after deleting");
save();
const faceRead = device("CMD_GetRuleModuleParam", face);
check(faceRead.FaceExcludeRegion.polygon === undefined, "no exclusion region: " + JSON.stringify(faceRead.FaceExcludeRegion));
check(faceRead.FaceRegion.polygon.length === 1, "the face region stays");
