// For each operator action, with the device a WAN away (SIMULATOR_ARGS
// --latency-ms 100): how long the action took, the longest time the event
// loop did not run meanwhile (a script timer is asked to tick every 5 ms;
// the widest gap between its ticks, the action's start and its end is the
// time the window was frozen), the analytics commands it sent, and the
// round trips they took (commands that reach the device together count
// once: reads sent side by side).
// host.args: [output folder, runs per action (default 1)]. As a test it
// runs each action once and checks only that each did its work; the
// benchmark (make bench) runs each 10 times and prints medians. The
// figures are measurements, never checks.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const runs = Number(host.args[1] || 1);
const SMART_PAGE = 2, INDEX = 0, BACK = 18106, RULE_1 = 18461, RULE_2 = 18462;
const rows = [];

function median(values) {
    const sorted = values.slice().sort((a, b) => a - b);
    return sorted[Math.floor((sorted.length - 1) / 2)];
}
function once(act) {
    const ticks = [];
    let ticking = true;
    const tick = () => { ticks.push(Date.now()); if (ticking) host.later(5, tick); };
    const mark = sim.journalLength();
    const start = Date.now();
    tick();
    act();
    const end = Date.now();
    ticking = false;
    const times = [start].concat(ticks.filter(t => t > start && t < end), [end]);
    let gap = 0;
    for (let i = 1; i < times.length; ++i) gap = Math.max(gap, times[i] - times[i - 1]);
    const sent = sim.journal(mark).filter(e => e.path === "/vexo/v1/smart").map(e => e.time);
    // Commands that reach the device within half a round trip of the one
    // before went out together: one round trip on the critical path.
    let rounds = 0;
    sent.forEach((time, i) => { if (i === 0 || time - sent[i - 1] > 50) ++rounds; });
    return {total: end - start, gap: gap, commands: sent.length, rounds: rounds};
}
// `setup` brings the control to where `act` starts; only `act` is measured.
// `done` tells that the action did its work.
function measure(name, setup, act, done) {
    const totals = [], gaps = [], commands = [], rounds = [];
    for (let i = 0; i < runs; ++i) {
        setup();
        host.wait(200);  // the page's own timers settle (video start) before the action
        const run = once(act);
        check(done(), name + " did its work");
        totals.push(run.total); gaps.push(run.gap); commands.push(run.commands); rounds.push(run.rounds);
        ui.messages();
    }
    rows.push({name: name, total: median(totals), gap: median(gaps), worst: Math.max.apply(null, gaps),
               commands: median(commands), rounds: median(rounds)});
}
const nothing = () => {};
function toSmartPage() {
    for (let id = 18150; id < 18300 && ui.page() !== SMART_PAGE; id += 3) if (ui.find(id).visible) ui.click(id);
}
function intrusionButton() {
    for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") return id;
    return 0;
}
function toIndex() { if (ui.page() !== INDEX) ui.click(BACK); }

measure("login to 100 %", nothing,
        () => check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login"),
        () => ui.page() === INDEX);
measure("index to smart page", toIndex, toSmartPage, () => ui.page() === SMART_PAGE);
measure("first rule of a function", () => { toIndex(); toSmartPage(); },
        () => ui.click(intrusionButton()), () => ui.find(RULE_1).visible);
let rule = RULE_1;
measure("rule switch", nothing, () => ui.click(rule = rule === RULE_1 ? RULE_2 : RULE_1),
        () => ui.find(13102).visible);
measure("tab switch", () => ui.click(18391), () => ui.click(18396), () => true);
measure("tab back", () => ui.click(18396), () => ui.click(18391), () => true);
measure("Save", nothing, () => ui.click(18392), () => true);
measure("Recover", nothing, () => ui.click(18393), () => true);
measure("Normal Arming", () => ui.click(18006), () => ui.click(18007), () => ui.page() === 3);
measure("Smart Function", () => ui.click(18007), () => ui.click(18006), () => ui.page() === SMART_PAGE);
measure("back to the index", () => { toIndex(); toSmartPage(); }, () => ui.click(BACK),
        () => ui.page() === INDEX);
measure("scene settings", toIndex, () => ui.openScene(0), () => ui.page() === 1);
measure("tour view", () => { if (ui.page() === 1) ui.click(BACK); }, () => ui.click(18002), () => true);
measure("export", () => ui.saveAs(host.args[0] + "/export.json"), () => ui.click(18008),
        () => host.readFile(host.args[0] + "/export.json") !== null);

// The longest gap of each run: its median, and the worst run (on a busy
// machine one run in ten may be descheduled for a moment).
console.log("action (median of " + runs + ")    total ms  longest gap ms (worst)  commands  round trips");
for (const r of rows) {
    console.log((r.name + "                          ").slice(0, 27) + ("      " + r.total).slice(-8) +
                ("          " + r.gap).slice(-16) + ("        (" + r.worst + ")").slice(-8) +
                ("      " + r.commands).slice(-10) + ("      " + r.rounds).slice(-13));
}
