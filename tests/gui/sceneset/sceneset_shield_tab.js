// A module tab's shapes belong to it: the shield region drawn over the
// video on the "Shield Region" tab is gone once the operator moves to the
// "PTZ" tab or to another module's tab, and is drawn again on coming back.
// The video window tells how many overlay items are shown over it.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const VIDEO = 15030, PTZ_TAB = 18102;

function items() { return ui.property(VIDEO, "vexoOverlayItems"); }
function tab(text) {
    for (let id = 18103; id < 18108; ++id) if (ui.find(id).text === text) return id;
    throw new Error("no tab " + text);
}
// Selects a tab and waits until the overlay shows `expected(count)` items;
// returns the count then.
function visit(id, expected, what) {
    check(ui.click(id), what);
    check(host.waitUntil(() => expected(items()), 5000), what + ": " + items() + " items shown");
    return items();
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.openScene(0), "scene settings");
check(host.waitUntil(() => items() !== undefined), "the video plays");
const SHIELD = tab("Shield Region"), CALIBRATION = tab("Camera Calibration");
const ptz = items();

const shield = visit(SHIELD, n => n > ptz, "the shield region's tab");
visit(PTZ_TAB, n => n === ptz, "the PTZ tab shows no shield region");
host.screenshot(host.args[0] + "/ptz-after-shield.png");
visit(SHIELD, n => n === shield, "the shield region again");

// Another module's tab: its own shapes, without the shield region's.
const calibration = visit(CALIBRATION, n => n !== shield, "the calibration tab");
visit(SHIELD, n => n === shield, "the shield region once more");
visit(CALIBRATION, n => n === calibration, "the calibration tab shows its shapes alone");
