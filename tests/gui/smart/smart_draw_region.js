// Drawing regions by clicks on the smart configuration page: a rule whose
// region the device holds empty gets a five-corner region, and Escape during
// a drawing keeps the region there was. Each time the device is read after
// Save. (How many corners close a region is the drawing tool's own test.)
host.include("smart_steps.js");
const kScene = "Scene_001", kFun = "zelk:Intrusion_Event";
const VIDEO = 15030, PEN = 11000;
const folder = host.args[0];

function readRule(token) {
    const reply = sim.cmd("CMD_GetRuleModuleParam", {SceneToken: kScene, SmartFunName: kFun, RuleToken: token});
    check(reply.ok, "the device reads " + token + ": " + reply.error);
    return reply.info;
}
function regionOf(token) {
    const polygons = readRule(token).DetectionRegion.polygon || [];
    check(polygons.length === 1, token + " holds one region: " + JSON.stringify(polygons));
    return polygons[0].VexoPolygon;
}
// The 640 x 360 video: one pixel is 1/320 of device x and 1/180 of device y.
function sameWithinAPixel(actual, pixels, what) {
    check(actual.length === pixels.length, what + ": " + actual.length + " points, not " + pixels.length);
    pixels.forEach(([x, y], i) => {
        const expected = [(x - 320) / 320, (180 - y) / 180];
        check(Math.abs(actual[i][0] - expected[0]) <= 1 / 320 && Math.abs(actual[i][1] - expected[1]) <= 1 / 180,
              what + " point " + i + ": " + actual[i] + " is not " + expected);
    });
}

const emptied = sim.cmd("CMD_ModifyRuleModuleParam", {SceneToken: kScene, SmartFunName: kFun,
    RuleToken: "Intrusion_Event 01", CMDType: "Modify", RuleModuleData: {DetectionRegion: {name: "", simp: null}}});
check(emptied.ok, "the device empties the region: " + emptied.error);
check(readRule("Intrusion_Event 01").DetectionRegion.polygon === undefined, "the region is empty");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction("Intrusion");
check(ui.click(18461), "rule 01");

// Five corners, then a press on the first one closes the region.
check(ui.click(PEN), "the region's pen");
const five = [[160, 60], [480, 70], [560, 200], [400, 320], [120, 260]];
five.slice(0, 4).forEach(([x, y]) => click(x, y));
check(ui.mouse(VIDEO, "move", 250, 300), "the outline follows the cursor");
check(host.screenshot(folder + "/region-drawing.png"), "shot while drawing");
click(five[4][0], five[4][1]);
click(five[0][0] + 4, five[0][1] - 3);
check(host.screenshot(folder + "/region-drawn.png"), "shot of the region");
save();
const drawn = regionOf("Intrusion_Event 01");
sameWithinAPixel(points(drawn), five, "the drawn region");

// Escape in the middle of a new drawing: the region there was stays.
check(ui.click(PEN) && ui.click(PEN), "the pen put away and out again");
[[200, 100], [300, 100], [300, 200]].forEach(([x, y]) => click(x, y));
check(ui.key(VIDEO, "Escape"), "Escape");
check(host.screenshot(folder + "/region-escaped.png"), "shot after Escape");
save();
check(regionOf("Intrusion_Event 01") === drawn, "Escape kept the region: " + regionOf("Intrusion_Event 01"));
