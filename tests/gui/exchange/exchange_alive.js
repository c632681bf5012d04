// With a slow device (SIMULATOR_ARGS --latency-ms) the window stays alive
// during an operator action: the event loop runs (a script timer ticks),
// the busy strip shows after 150 ms, the operator's input is held (script
// actions are refused) and the click returns once the action's commands are
// done. A Destroy or a deleted control meanwhile waits for the action's end.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const SAVE = 18392, RULE_1 = 18461, STRIP = 15990;
const saves = mark => sim.journal(mark).filter(e => e.request && e.request.op === "CMD_ModifyRuleModuleParam");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(RULE_1), "Intrusion rule 01");
ui.messages();

// Save, with a script timer ticking every 5 ms and looking in at 200 ms.
const ticks = [];
let ticking = true;
function tick() { ticks.push(Date.now()); if (ticking) host.later(5, tick); }
const seen = {};
host.later(200, () => {
    seen.strip = ui.find(STRIP).visible;
    seen.clicked = ui.click(SAVE);
    seen.typed = ui.setText(13102, "Typed during the save");
    seen.page = ui.page();
});
let mark = sim.journalLength();
const start = Date.now();
tick();
check(ui.click(SAVE), "Save");
const end = Date.now();
ticking = false;
// The first exchange alone takes the device's latency: the timer ticks
// inside it, not only once the click is done.
const during = ticks.filter(t => t > start + 50 && t < start + 250).length;
console.log("Save took " + (end - start) + " ms; the script timer ticked " + during +
            " times between 50 and 250 ms into it");
check(during >= 10, "the event loop ran during the save: " + during + " ticks");
check(seen.strip === true, "the busy strip after 150 ms");
check(seen.clicked === false && seen.typed === false && seen.page === 2, "input held: " + JSON.stringify(seen));
check(!ui.find(STRIP).visible, "the strip goes with the action");
check(JSON.stringify(ui.messages().map(m => m.text)) === '["Save Success"]', "one save, one message");
check(saves(mark).length === 1, "one save sent");

// Destroy from a timer inside the exchange: the save finishes on pages that
// are already off the window, and the manager goes after it.
let destroyed = null;
host.later(100, () => { destroyed = control.Destroy(); });
mark = sim.journalLength();
check(ui.click(SAVE), "Save with a Destroy on its way");
check(destroyed === true, "Destroy answered at once");
check(saves(mark).length === 1, "the save went out");
check(ui.page() === -1, "no page left");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1) && ui.page() === 0, "a new login");

// The control deleted from a timer inside an exchange: the save finishes
// without it, and nothing crashes.
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.click(RULE_1), "a rule again");
let deleted = null;
host.later(100, () => { deleted = host.deleteControl(control); });
mark = sim.journalLength();
check(ui.click(SAVE), "Save with the control's deletion on its way");
check(deleted === true && saves(mark).length === 1, "deleted during the save");
check(ui.page() === -1, "the control is gone");
let threw = false;
try { control.Destroy(); } catch (e) { threw = true; }
check(threw, "calls to a deleted control throw");
