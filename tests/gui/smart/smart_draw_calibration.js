// Drawing on the scene settings page's "Camera Calibration" tab, the one
// panel with line rows and a point: the calibration line (kind 15) and the
// horizon line (kind 20) by two clicks each, the calibration point by one
// click. The device holds them after Save.
host.include("smart_steps.js");
const VIDEO = 15030, SAVE = 18108;
const CALIBER = 11000, HORIZON = 11001, POINT = 11002, MODE = 12100;
const folder = host.args[0];

// Device space of the 704 x 396 video, within one pixel.
function near(actual, [x, y], what) {
    const expected = [(x - 352) / 352, (198 - y) / 198];
    check(Math.abs(actual[0] - expected[0]) <= 1 / 352 && Math.abs(actual[1] - expected[1]) <= 1 / 198,
          what + ": " + actual + " is not " + expected);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const scene = sim.cmd("CMD_GetSceneList").info.SceneList[0].SceneToken;
check(ui.openScene(0), "the first scene's settings");
// Chosen before the first picture, the tab's panel is built again over it;
// chosen later, it is drawn at once. Either way the video window says so.
let tab = 18103;
while (tab < 18108 && ui.find(tab).text !== "Camera Calibration") ++tab;
check(ui.click(tab), "the Camera Calibration tab");
check(host.waitUntil(() => ui.property(VIDEO, "vexoOverlayDrawn") === true), "the geometry is drawn over the picture");
check(ui.select(MODE, "Manual"), "manual calibration shows the horizon line");
check(ui.find(HORIZON).visible, "the horizon line's button");

const caliber = [[120, 360], [130, 220]], horizon = [[20, 130], [690, 110]], spot = [400, 300];
check(ui.click(CALIBER), "the calibration line's button");
click(caliber[0][0], caliber[0][1]);
click(caliber[1][0], caliber[1][1]);
check(ui.click(HORIZON), "the horizon line's button");
click(horizon[0][0], horizon[0][1]);
check(ui.mouse(VIDEO, "move", 400, 120), "the line follows the cursor");
check(host.screenshot(folder + "/horizon-drawing.png"), "shot while drawing");
click(horizon[1][0], horizon[1][1]);
check(ui.click(POINT), "the calibration point's button");
click(spot[0], spot[1]);
check(host.screenshot(folder + "/calibration-drawn.png"), "shot of the drawn calibration");
check(ui.click(SAVE), "Save");
check(ui.messages().some(m => m.text === "Save Success"), "saved");

const module = sim.cmd("CMD_GetRuleModuleParam", {SceneToken: scene, ModuleName: "zelk:Camera_Calibration"});
check(module.ok, "the device reads the module: " + module.error);
const info = module.info;
check(info.CalibrationMode === "Manual", "the mode: " + info.CalibrationMode);
const caliberRead = points(info.CaliberLine.polygon[0].VexoPolygon);
check(caliberRead.length === 2, "a calibration line of two points");
caliber.forEach((p, i) => near(caliberRead[i], p, "calibration line point " + i));
check(info.CaliberLine.simp["zelk:Length"] === "170", "its length is kept");
const horizonRead = points(info.HorizonLine.polygon[0].VexoPolygon);
horizon.forEach((p, i) => near(horizonRead[i], p, "horizon point " + i));
near(info.CalibrationPoint.point[0].pointF.slice(1, -1).split(",").map(Number), spot, "the calibration point");
