// The longest time the event loop did not run during each operator action,
// with the device a WAN away (SIMULATOR_ARGS --latency-ms 100): a script
// timer is asked to tick every 5 ms, and the widest gap between its ticks
// (and the action's start and end) is the time the window was frozen.
// Prints a table; the figures are measurements, not checks.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const rows = [];
function measure(name, act) {
    const ticks = [];
    let ticking = true;
    const tick = () => { ticks.push(Date.now()); if (ticking) host.later(5, tick); };
    const start = Date.now();
    tick();
    const result = act();
    const end = Date.now();
    ticking = false;
    const times = [start].concat(ticks.filter(t => t > start && t < end), [end]);
    let gap = 0;
    for (let i = 1; i < times.length; ++i) gap = Math.max(gap, times[i] - times[i - 1]);
    rows.push({name: name, total: end - start, gap: gap});
    host.wait(300);  // the page's own timers settle (video start) between actions
    ui.messages();
    return result;
}

check(measure("login", () => control.SetDeviceLoginInfo(host.device, host.user, host.password, 1)), "login");
measure("index to smart page", () => {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
});
check(ui.page() === 2, "smart page");
let intrusion = 0;
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") intrusion = id;
measure("first rule", () => ui.click(intrusion));
measure("rule switch", () => ui.click(18462));
measure("tab switch", () => ui.click(18396));
measure("tab back", () => ui.click(18391));
measure("Save", () => ui.click(18392));
measure("Recover", () => ui.click(18393));
measure("Normal Arming", () => ui.click(18007));
measure("Smart Function", () => ui.click(18006));
measure("back to the index", () => ui.click(18106));
measure("scene settings", () => ui.openScene(0));
measure("back from the scene", () => ui.click(18106));
measure("tour view", () => ui.click(18002));
ui.saveAs(host.args[0] + "/export.json");
measure("export", () => ui.click(18008));

console.log("action                 total ms  longest gap ms");
for (const r of rows) {
    console.log((r.name + "                        ").slice(0, 23) + ("      " + r.total).slice(-8) +
                ("          " + r.gap).slice(-15));
}
