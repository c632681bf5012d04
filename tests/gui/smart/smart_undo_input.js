// Undo, redo and exact input on the smart configuration page, each read back
// from the device after Save: draw a region, move a corner, change a
// parameter, undo all three and the device keeps its record byte for byte;
// do it again and redo two steps, and the device holds the drawn and moved
// region with the parameter as it was. Then the point table: a typed
// coordinate, the arrow keys and a corner dragged near the edge.
host.include("smart_steps.js");
const kScene = "Scene_001", kFun = "zelk:Intrusion_Event", kRule = "Intrusion_Event 01";
const VIDEO = 15030, PEN = 11000, UNDO = 18470, REDO = 18471;
const ALARM_MODE = 12100, TABLE_X0 = 13470, SIZE = 15471;
const folder = host.args[0];

function readRule() {
    const reply = sim.cmd("CMD_GetRuleModuleParam", {SceneToken: kScene, SmartFunName: kFun, RuleToken: kRule});
    check(reply.ok, "the device reads the rule: " + reply.error);
    return reply.info;
}
function regionPoints() {
    const polygons = readRule().DetectionRegion.polygon || [];
    check(polygons.length === 1, "one region: " + JSON.stringify(polygons));
    return polygons[0].VexoPolygon.replace(/^\d+\|/, "").match(/\(([^)]*)\)/g)
        .map(p => p.slice(1, -1).split(",").map(Number));
}
// The press starts the shape tracker, which follows the moves and ends at
// the release (sent from inside its loop).
function drag(from, to) {
    host.later(0, () => {
        ui.mouse(VIDEO, "move", (from[0] + to[0]) / 2, (from[1] + to[1]) / 2);
        ui.mouse(VIDEO, "move", to[0], to[1]);
        ui.mouse(VIDEO, "release", to[0], to[1]);
    });
    check(ui.mouse(VIDEO, "press", from[0], from[1]), "press at " + from);
}
// Device space of the 640 x 360 video.
const dx = px => (px - 320) / 320, dy = py => (180 - py) / 180;
function same(actual, expected, what) {
    check(actual.length === expected.length, what + ": " + JSON.stringify(actual));
    actual.forEach((p, i) => check(Math.abs(p[0] - expected[i][0]) < 1e-5 && Math.abs(p[1] - expected[i][1]) < 1e-5,
                                   what + " point " + i + ": " + p + " is not " + expected[i]));
}
const corners = [[200, 80], [440, 80], [440, 280], [200, 280]];
// The three steps: a region drawn by clicks, a corner moved, Alarm Mode
// changed. The pen stays out after a drawing: a second time it is put away
// and out again.
function threeSteps(penClicks) {
    for (let i = 0; i < penClicks; ++i) check(ui.click(PEN), "the region's pen");
    corners.forEach(([x, y]) => click(x, y));
    click(corners[0][0] + 3, corners[0][1] + 2);  // closes it
    drag(corners[1], [500, 60]);
    const mode = ui.find(ALARM_MODE);
    check(ui.select(ALARM_MODE, mode.currentIndex === 0 ? 1 : 0), "Alarm Mode changed");
    check(ui.find(UNDO).enabled && !ui.find(REDO).enabled, "something to undo, nothing to redo");
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction("Intrusion");
check(ui.click(18461), "rule 01");
const original = JSON.stringify(readRule());
check(ui.find(UNDO).visible && !ui.find(UNDO).enabled, "the undo button shows beside Save, with nothing to undo");
const alarmMode = ui.find(ALARM_MODE).currentIndex;

// Undo all three (the keys and the button), then Save: nothing changed.
threeSteps(1);
check(ui.key(VIDEO, "Ctrl+Z"), "Ctrl+Z");
check(ui.find(ALARM_MODE).currentIndex === alarmMode, "the first undo puts Alarm Mode back");
check(ui.click(UNDO) && ui.key(VIDEO, "Ctrl+Z"), "two more undos");
check(!ui.find(UNDO).enabled && ui.find(REDO).enabled, "everything undone");
save();
check(JSON.stringify(readRule()) === original, "the device keeps its record byte for byte: " + JSON.stringify(readRule()));
check(!ui.find(REDO).enabled, "Save ends the history");

// Again, then redo the drawing and the move.
threeSteps(2);
check(ui.key(VIDEO, "Ctrl+Z, Ctrl+Z, Ctrl+Z"), "three undos");
check(ui.key(VIDEO, "Ctrl+Shift+Z") && ui.key(VIDEO, "Ctrl+Y"), "two redos");
check(ui.find(ALARM_MODE).currentIndex === alarmMode, "Alarm Mode stays as it was");
check(host.screenshot(folder + "/undo-redone.png"), "shot after redo");
save();
const moved = [[200, 80], [500, 60], [440, 280], [200, 280]];
same(regionPoints(), moved.map(([x, y]) => [dx(x), dy(y)]), "the drawn and moved region");
const after = readRule();
check(JSON.stringify(after.AlarmMode) === JSON.stringify(JSON.parse(original).AlarmMode),
      "the parameter is the device's own: " + JSON.stringify(after.AlarmMode));

// The point table lists the selected region's corners in device form.
drag([300, 200], [300, 200]);  // a press inside selects the whole region
check(host.waitUntil(() => ui.find(TABLE_X0).visible), "the point table shows");
check(ui.find(TABLE_X0).text === "-0.375" && ui.find(TABLE_X0 + 3).text === "0.667",
      "corners in device form: " + ui.find(TABLE_X0).text + " " + ui.find(TABLE_X0 + 3).text);
check(/%/.test(ui.find(SIZE).text), "the region's size: " + ui.find(SIZE).text);
check(ui.setText(TABLE_X0, "-0.600"), "x of the first corner typed");
check(ui.setText(TABLE_X0 + 1, "bad"), "a text that is no number");
check(ui.find(TABLE_X0 + 1).text === "0.556", "the refused text shows the corner again: " + ui.find(TABLE_X0 + 1).text);
check(host.screenshot(folder + "/point-table.png"), "shot of the table");
save();
const typed = [[-0.6, dy(80)], [dx(500), dy(60)], [dx(440), dy(280)], [dx(200), dy(280)]];
same(regionPoints(), typed, "the typed corner");
check(!ui.find(UNDO).enabled && ui.find(TABLE_X0).text === "-0.600", "Save ended the history; the typed value stays");

// Arrows move the whole region a pixel, Shift ten; then the second corner alone.
check(ui.key(VIDEO, "Right") && ui.key(VIDEO, "Shift+Up"), "arrow keys");
save();
same(regionPoints(), typed.map(([x, y]) => [x + 1 / 320, y + 10 / 180]), "the region moved by the keys");
drag([501, 50], [503, 50]);  // selects the second corner
check(ui.key(VIDEO, "Left, Left"), "two steps left");
save();
check(Math.abs(regionPoints()[1][0] - dx(501)) < 1e-5, "the corner alone moved: " + regionPoints()[1]);

// Dragged near the frame's edges, a corner lands on them exactly.
drag([201, 270], [4, 357]);
drag([501, 50], [636, 3]);
save();
const snapped = regionPoints();
check(snapped[3][0] === -1 && snapped[3][1] === -1, "the corner is on the bottom-left edge: " + snapped[3]);
check(snapped[1][0] === 1 && snapped[1][1] === 1, "the corner is on the top-right edge: " + snapped[1]);
