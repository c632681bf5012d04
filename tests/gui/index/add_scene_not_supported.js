// A device whose UI description offers Add Scene on the strip but not
// under its own capability: "Not support", and nothing is sent.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const mark = sim.journalLength();
ui.messages();
check(ui.click(18005), "add scene");
let shown = [];
for (let waited = 0; shown.length === 0 && waited < 5000; waited += 50) {
    host.wait(50);  // the page handles the press from its event loop
    shown = ui.messages();
}
const texts = shown.map(m => m.title + ": " + m.text);
check(JSON.stringify(texts) === '["tips: Not support"]', "not supported: " + JSON.stringify(texts));
check(!sim.journal(mark).some(e => e.request && e.request.op === "CMD_AddScene"), "nothing sent");
check(ui.page() === 0, "still the index page");
