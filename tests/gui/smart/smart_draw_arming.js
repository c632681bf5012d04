// Drawing on the normal arming page: the motion alarm's region drawn anew
// by clicks and closed by a double click, read back from the device after
// Save.
host.include("smart_steps.js");
const VIDEO = 15030, PEN = 11000, SAVE = 18110, FIRST_ALARM = 18200;
const motion = {NormalAlarmType: "zelk:Motion_Event", NormalAlarmToken: "Motion 01"};


check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18007), "the normal arming group");
check(host.waitUntil(() => ui.page() === 3), "the normal arming page");
// The first alarm's panel is drawn once the video plays; the motion alarm's,
// chosen then, is drawn over it at once.
check(host.waitUntil(() => ui.property(VIDEO, "vexoOverlayDrawn") === true), "the video plays");
let alarm = FIRST_ALARM;
while (ui.find(alarm).exists && ui.find(alarm).text !== "Motion Detection") ++alarm;
check(ui.click(alarm), "the motion alarm");

// The 560 x 315 video: x = 280 + 280 fx, y = 157 - 157 fy (integer halves).
const corners = [[60, 40], [500, 50], [480, 280], [90, 260]];
check(ui.click(PEN), "the region's pen");
corners.forEach(([x, y]) => click(x, y));
check(ui.mouse(VIDEO, "double", 90, 260) && ui.mouse(VIDEO, "release", 90, 260), "a double click closes it");
check(ui.click(SAVE), "Save");
check(ui.messages().some(m => m.text === "Save Success"), "saved");

const read = sim.cmd("CMD_GetNormalAlarmData", motion);
check(read.ok, "the device reads the alarm: " + read.error);
const region = points(read.info.MotionRegion.polygon[0].VexoPolygon);
check(region.length === 4, "four corners: " + JSON.stringify(region));
corners.forEach(([x, y], i) => {
    const expected = [(x - 280) / 280, (157 - y) / 157];
    check(Math.abs(region[i][0] - expected[0]) <= 1 / 280 && Math.abs(region[i][1] - expected[1]) <= 1 / 157,
          "corner " + i + ": " + region[i] + " is not " + expected);
});

// In a larger window the video grows: the region left untouched is saved as
// the device keeps it, and one drawn anew there reads at the same fractions.
const kept = read.info.MotionRegion.polygon[0].VexoPolygon;
host.resize(1600, 1000);
check(host.waitUntil(() => ui.find(VIDEO).width > 560), "the video grows with the window");
const big = ui.find(VIDEO), sx = big.width / 560, sy = big.height / 315;
check(ui.click(SAVE) && ui.messages().some(m => m.text === "Save Success"), "saved untouched");
const again = sim.cmd("CMD_GetNormalAlarmData", motion).info.MotionRegion.polygon[0].VexoPolygon;
check(again === kept, "the region as the device kept it: " + again + " is not " + kept);
// A corner dragged in the larger window moves by the same device amount.
const [fx, fy] = points(kept)[0];
const x0 = Math.round((fx + 1) / 2 * big.width), y0 = Math.round((1 - fy) / 2 * big.height);
host.later(0, () => {
    for (let step = 1; step <= 8; ++step) ui.mouse(VIDEO, "move", x0 + 5 * step, y0);
    ui.mouse(VIDEO, "release", x0 + 40, y0);
});
check(ui.mouse(VIDEO, "press", x0, y0), "press on the first corner");
check(ui.click(SAVE) && ui.messages().some(m => m.text === "Save Success"), "saved dragged");
const moved = points(sim.cmd("CMD_GetNormalAlarmData", motion).info.MotionRegion.polygon[0].VexoPolygon);
const expectedX = fx + 40 / (big.width / 2);
check(Math.abs(moved[0][0] - expectedX) <= 2 / big.width && Math.abs(moved[0][1] - fy) <= 2 / big.height,
      "the corner moved 40 pixels of the larger picture: " + moved[0] + " is not " + [expectedX, fy]);
