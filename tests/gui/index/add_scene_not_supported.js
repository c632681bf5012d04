// A device whose UI description offers Add Scene on the strip but not
// under its own capability: "Not support", and nothing is sent.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const mark = sim.journalLength();
ui.messages();
check(ui.click(18005), "add scene");
// The page handles the press from its event loop.
let shown = [];
host.waitUntil(() => (shown = shown.concat(ui.messages())).length > 0);
const texts = shown.map(m => m.title + ": " + m.text);
check(JSON.stringify(texts) === '["tips: Not support"]', "not supported: " + JSON.stringify(texts));
check(!sim.journal(mark).some(e => e.request && e.request.op === "CMD_AddScene"), "nothing sent");
check(ui.page() === 0, "still the index page");
