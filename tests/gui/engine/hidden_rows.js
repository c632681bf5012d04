// Rows that their links hide take no room: on the intrusion rule the row
// after "Alarm Mode" moves up while "Time Threshold" is hidden and down
// again when it shows; on the "Camera Calibration" tab the same for the
// horizon line. The rows above a hidden one never move, and rows that are
// all shown stand one row step apart.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const STEP = 36;
// Shots go to the output folder, and to a second folder when one is given.
function shot(name) {
    for (const folder of host.args.slice(0, 2)) host.screenshot(folder + "/" + name);
}

// The label reading `text` (labels are the statics 15100 to 15149).
function label(text) {
    for (let id = 15100; id < 15150; ++id) {
        const found = ui.findAll(id).find(c => c.exists && c.text === text);
        if (found) return found;
    }
    throw new Error("no label " + text);
}
function combo(item) {
    for (let id = 12100; id < 12150; ++id) {
        const found = ui.findAll(id).find(c => c.visible && c.items.indexOf(item) >= 0);
        if (found) return id;
    }
    throw new Error("no combo with " + item);
}
// The y of a label's row: a label too long for one line is two lines high,
// drawn 5 pixels higher.
function rowY(c) { return c.y + (c.height > 20 ? 5 : 0); }
// `above` stays where it was; `hidden` shows or not; `below` follows it.
function rows(above, hidden, below, shown, where) {
    const a = rowY(label(above)), h = label(hidden), b = rowY(label(below));
    check(h.visible === shown, where + ": " + hidden + (shown ? " shown" : " hidden"));
    const expected = a + (shown ? 2 : 1) * STEP;
    check(b === expected, where + ": " + below + " at y " + b + ", expected " + expected);
    if (shown) check(rowY(h) === a + STEP, where + ": " + hidden + " one step below " + above + " (" + rowY(h) + ")");
    return a;
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const drawn = () => host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true);

// The first intrusion rule alarms at once: no time threshold.
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
let fun = 18310;
while (fun < 18400 && !(ui.find(fun).visible && ui.find(fun).text === "Intrusion")) ++fun;
check(ui.click(fun) && host.waitUntil(() => ui.find(18461).visible) && ui.click(18461), "the intrusion rule");
check(drawn(), "the rule over the picture");
const mode = combo("Delayed");
const top = rows("Alarm Mode", "Time Threshold (s)", "Target Type", false, "immediate");
shot("intrusion-immediate.png");
check(ui.select(mode, "Delayed"), "a delayed alarm");
check(rows("Alarm Mode", "Time Threshold (s)", "Target Type", true, "delayed") === top, "Alarm Mode stays");
shot("intrusion-delayed.png");
check(ui.select(mode, "Immediate"), "at once again");
check(rows("Alarm Mode", "Time Threshold (s)", "Target Type", false, "immediate again") === top, "Alarm Mode stays");

// The calibration tab: the horizon line is drawn only by hand.
check(ui.openScene(0), "scene settings");
let tab = 18103;
while (tab < 18120 && ui.find(tab).text !== "Camera Calibration") ++tab;
check(ui.click(tab), "the camera calibration tab");
check(drawn(), "the module over the picture");
const calibration = combo("Manual");
const line = rows("Calibration Line", "Horizon Line", "Target Height", false, "automatic");
check(ui.select(calibration, "Manual"), "manual calibration");
check(rows("Calibration Line", "Horizon Line", "Target Height", true, "manual") === line, "the line row stays");
shot("calibration-manual.png");
check(ui.select(calibration, "Auto"), "automatic again");
rows("Calibration Line", "Horizon Line", "Target Height", false, "automatic again");
shot("calibration-auto.png");
