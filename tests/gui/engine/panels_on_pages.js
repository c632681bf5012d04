// A panel taller than its page's panel area, on each page that shows
// panels, at 1280 x 800: no row runs over another or off the page, and
// scrolling the panel brings every control fully into view. The device's
// description carries the largest panel's rows twice more on the intrusion
// rule, the camera calibration module and the alarm input (CMakeLists.txt).
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const kScrollBar = 19050;
// The engine's identifier windows: labels first, then the value controls.
const kLabels = [15100, 50];
const kValues = [[13100, 50], [12100, 50], [17000, 50], [11000, 50], [14000, 50], [19000, 50], [18400, 50]];

function shown([first, count]) {
    const found = [];
    for (let id = first; id < first + count; ++id) {
        const control = ui.findAll(id).find(c => c.visible);
        if (control) found.push(Object.assign({id: id}, control));
    }
    return found;
}
function overlap(a, b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
function scrollValue() { return Number(ui.find(kScrollBar).text); }

function checkPanel(page) {
    const values = [].concat(...kValues.map(shown));
    const controls = values.concat(shown(kLabels));
    check(values.length > 40, page + ": the tall panel is shown (" + values.length + " value controls)");
    for (const c of controls) {
        check(c.x >= 0 && c.x + c.width <= 1280, page + ": control " + c.id + " inside the page at x " + c.x);
    }
    for (let i = 0; i < values.length; ++i) {
        for (let j = i + 1; j < values.length; ++j) {
            check(!overlap(values[i], values[j]), page + ": " + values[i].id + " clear of " + values[j].id);
        }
    }
    const bar = ui.find(kScrollBar);
    check(bar.visible && bar.x + bar.width <= 1280, page + ": the panel scrolls, its bar on the page");
    for (const c of controls) {
        check(c.x + c.width <= bar.x, page + ": control " + c.id + " left of the scroll bar");
    }
    // Down the panel by the bar's arrow: each control is wholly inside the
    // shown band at some point.
    const seen = new Set();
    for (let steps = 0; steps < 500; ++steps) {
        for (const c of [].concat(...kValues.map(shown), shown(kLabels))) {
            if (c.y >= bar.y && c.y + c.height <= bar.y + bar.height) seen.add(c.id);
        }
        const before = scrollValue();
        ui.mouse(kScrollBar, "press", bar.width / 2, bar.height - 3);
        ui.mouse(kScrollBar, "release", bar.width / 2, bar.height - 3);
        if (scrollValue() === before) break;
    }
    check(scrollValue() > 0, page + ": scrolled down");
    const hidden = controls.filter(c => !seen.has(c.id)).map(c => c.id);
    check(hidden.length === 0, page + ": never wholly in view: " + JSON.stringify(hidden));
    host.screenshot(host.args[0] + "/" + page + ".png");
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 800);
const drawn = () => host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true);

// The normal arming page first: its panel is drawn over the picture again
// only when the video was not playing yet. The first alarm is an input.
check(ui.click(18007) && ui.page() === 3, "normal arming");
check(drawn(), "the alarm over the picture");
checkPanel("normal");

// The smart configuration page: the intrusion rule of the first scene.
check(ui.click(18006) && ui.page() === 0, "back to the scenes");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
let fun = 18310;
while (fun < 18400 && !(ui.find(fun).visible && ui.find(fun).text === "Intrusion")) ++fun;
check(ui.click(fun) && host.waitUntil(() => ui.find(18461).visible) && ui.click(18461), "the intrusion rule");
check(drawn(), "the rule over the picture");
checkPanel("smart");

// The scene settings page: the camera calibration tab.
check(ui.openScene(0), "scene settings");
let tab = 18103;
while (tab < 18120 && ui.find(tab).text !== "Camera Calibration") ++tab;
check(ui.click(tab), "the camera calibration tab");
check(drawn(), "the module over the picture");
checkPanel("sceneset");
