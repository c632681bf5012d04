// The user guide's pictures of the smart configuration page, in English and
// Chinese: a rule with its region over the live video, a region being drawn
// and its point table, and a rule with its wire on each of the three tabs. Written to host.args[1] when given (the
// guide's image folder), else to the test's output folder.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const folder = host.args.length > 1 ? host.args[1] : host.args[0];

function enterPage() {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    check(ui.page() === 2, "the smart configuration page");
}
function functionButton(offsetFromEnd) {
    const ids = [];
    for (let id = 18310; id < 18390; ++id) if (ui.find(id).visible) ids.push(id);
    return ids[ids.length - offsetFromEnd];
}

for (const language of ["english", "chinese"]) {
    check(control.SetLanguage(language), language);
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
    // The default scene's functions, in table order: the abnormal sound, the
    // intrusion and the wire crossing.
    enterPage();
    check(ui.click(functionButton(2)), "the intrusion function");
    check(ui.click(18462), "the intrusion rule with its region");
    check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the geometry is drawn over the picture");
    check(host.screenshot(folder + "/smart-region-" + language + ".png"), "shot");
    // Drawing a new region with the pen (the outline follows the cursor),
    // then its corners in the point table after a press inside it.
    check(ui.click(11000), "the region's pen");
    for (const [x, y] of [[120, 60], [300, 40], [330, 200]]) {
        check(ui.mouse(15030, "press", x, y) && ui.mouse(15030, "release", x, y), "a corner");
    }
    check(ui.mouse(15030, "move", 160, 240), "the cursor");
    check(host.screenshot(folder + "/smart-drawing-" + language + ".png"), "shot");
    for (const [x, y] of [[160, 240], [120, 60]]) {
        check(ui.mouse(15030, "press", x, y) && ui.mouse(15030, "release", x, y), "a corner");
    }
    host.later(0, () => ui.mouse(15030, "release", 200, 130));
    check(ui.mouse(15030, "press", 200, 130), "a press inside the new region");
    check(host.waitUntil(() => ui.find(13470).visible), "the point table");
    check(ui.find(18470).enabled, "the drawing can be undone");
    check(host.screenshot(folder + "/smart-exact-" + language + ".png"), "shot");
    // The drawing was for the pictures only: leaving it throws it away.
    ui.answer("discard");
    check(ui.click(functionButton(1)) && ui.click(18461), "the wire rule");
    ui.answer("ok");
    check(ui.click(11000), "its wire made editable");
    check(host.screenshot(folder + "/smart-wire-" + language + ".png"), "shot");
    check(ui.click(18396), "Arming Interval");
    check(host.screenshot(folder + "/smart-arming-" + language + ".png"), "shot");
    check(ui.click(18397), "Linkage Method");
    check(host.screenshot(folder + "/smart-linkage-" + language + ".png"), "shot");
    check(control.Destroy(), "destroyed");
}
