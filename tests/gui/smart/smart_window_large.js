// In a larger window the live video grows at the picture's proportions, the
// panel beside it moves along, and the shapes stay on the picture: a drag
// moves a region's corner by the same device amount as in the default
// window. Then the user guide's pictures of the page at four window sizes
// in both languages (and of scene settings in the smallest), written to
// host.args[1] when given (docs/guide/images), else to the output folder.
host.include("smart_steps.js");
const folder = host.args.length > 1 ? host.args[1] : host.args[0];
const VIDEO = 15030;

// The window at w x h, once the control has taken its size (the switch
// keeps 10 pixels from the right edge).
function resize(w, h) {
    host.resize(w, h);
    check(host.waitUntil(() => { const s = ui.find(18003); return s.x + s.width === w - 10; }),
          "the control fills " + w + " x " + h);
}
// A drag on the live video, as smart_rule_path.js drags.
function dragOnVideo(x1, y1, x2, y2) {
    host.later(0, () => {
        for (let step = 1; step <= 8; ++step) {
            ui.mouse(VIDEO, "move", x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8);
        }
        ui.mouse(VIDEO, "release", x2, y2);
    });
    check(ui.mouse(VIDEO, "press", x1, y1), "press on the video");
}
function near(actual, expected, what) {
    check(Math.abs(actual[0] - expected[0]) < 0.004 && Math.abs(actual[1] - expected[1]) < 0.006,
          what + ": " + actual + " is not " + expected);
}
function intrusionRegion(token) {
    const reply = sim.cmd("CMD_GetRuleModuleParam",
                          {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: token});
    check(reply.ok, "the device reads " + token + ": " + reply.error);
    return points(reply.info.DetectionRegion.polygon[0].VexoPolygon);
}
// The default scene's function buttons in table order: the abnormal sound,
// the intrusion and the wire crossing (captions differ by language).
function intrusionButton() {
    const ids = [];
    for (let id = 18310; id < 18390; ++id) if (ui.find(id).visible) ids.push(id);
    return ids[ids.length - 2];
}
// The live picture runs: it changed three times (the clock in its corner
// runs with every frame).
function pictureRuns() {
    let last = null, changes = 0;
    return host.waitUntil(() => {
        const now = JSON.stringify(ui.shade(VIDEO, 64, 36));
        changes += last !== null && now !== last ? 1 : 0;
        last = now;
        return changes >= 3;
    }, 20000);
}
function enterIntrusion() {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    check(ui.page() === 2, "the smart configuration page");
    check(ui.click(intrusionButton()), "the intrusion function");
}

check(control.SetLanguage("english"), "english");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
resize(1280, 800);
enterIntrusion();
check(ui.click(18451), "Add: rule 03 with the default region");
check(host.waitUntil(() => ui.property(VIDEO, "vexoOverlayDrawn") === true), "the region is drawn");
const small = ui.find(VIDEO);
check(small.width === 640 && small.height === 360, "the default video: " + JSON.stringify(small));
const saveAt = ui.find(18392);

resize(1600, 1000);
const big = ui.find(VIDEO);
check(big.width > small.width, "the video grows with the window: " + JSON.stringify(big));
check(big.width * small.height === big.height * small.width, "at the picture's proportions");
check(big.x === small.x && big.y === small.y, "from the same corner");
const save = ui.find(18392);
check(save.x - saveAt.x === big.width - small.width && save.y === saveAt.y, "Save moves along with the video");
check(ui.find(18393).x + ui.find(18393).width <= 1600, "Recover inside the window");

// The corner at (-0.6, 0.6) is dragged by (1/8, -1/9) of the picture's
// half-sizes, as 40 x 20 pixels move it in the default window.
const corner = [0.2 * big.width, 0.2 * big.height];
dragOnVideo(corner[0], corner[1], corner[0] + big.width / 16, corner[1] + big.height / 18);
check(ui.click(18392), "Save");
const said = ui.messages().map(m => m.text);
check(said.length === 1 && said[0] === "Save Success", JSON.stringify(said));
const region = intrusionRegion("Intrusion_Event 03");
near(region[0], [-0.475, 0.6 - 1 / 9], "the dragged corner moved by the same device amount");
near(region[1], [0.6, 0.6], "the next corner stays");
near(region[2], [0.6, -0.6], "the far corner stays");

// The guide's pictures.
const sizes = [[1024, 700], [1280, 800], [1600, 1000], [1920, 1080]];
for (const language of ["english", "chinese"]) {
    if (language !== "english") {
        check(control.SetLanguage(language), language);
        check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
        enterIntrusion();
    }
    check(ui.click(18462), "rule 02 with its region");
    for (const [w, h] of sizes) {
        resize(w, h);
        check(host.waitUntil(() => ui.property(VIDEO, "vexoOverlayDrawn") === true), "the region is drawn");
        check(host.screenshot(folder + "/window-smart-" + w + "x" + h + "-" + language + ".png"), "shot");
    }
    resize(1024, 700);
    check(ui.openScene(0), "scene settings");
    check(host.waitUntil(() => ui.find(21000).visible) && pictureRuns(), "the pad and the picture");
    check(host.screenshot(folder + "/window-scene-settings-1024x700-" + language + ".png"), "shot");
    check(control.Destroy(), "destroyed");
}
