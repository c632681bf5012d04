// The PTZ lock of the scene settings page: handed back when the control is
// destroyed on the page; refused by the device, the PTZ controls are
// disabled with the device's reason beside them until a renewal takes it.
// vexo-host ... -- OUT LANGUAGE [FOLDER]: the picture goes to FOLDER, else OUT.
// Runs with VEXO_PTZ_LOCK_RENEW_MS set to a short renewal.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const PAD = 21000, ZOOM_IN = 18115, PAN_SPEED = 12001, GO_TO_PRESET = 18127, REASON = 15009;
const language = host.args[1], folder = host.args[2] || host.args[0];
const reason = {english: "PTZ is locked by another user", chinese: "云台已被其他用户锁定"}[language];
const ops = (mark, op) => sim.journal(mark).filter(e => e.request && e.request.op === op);
const ptzMoves = mark => sim.journal(mark).filter(e => e.path === "/vexo/v1/ptz");

check(control.SetLanguage(language), "language " + language);

// Destroy on the page hands the lock back.
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 800);
let mark = sim.journalLength();
check(ui.openScene(0) && ops(mark, "CMD_PTZLock").length === 1, "the page takes the lock");
mark = sim.journalLength();
check(control.Destroy(), "Destroy");
check(ops(mark, "CMD_PTZUnLock").length === 1, "Destroy releases it: " + JSON.stringify(sim.journal(mark)));

// A lock the device refuses: the controls are disabled, with the reason.
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login again");
check(sim.control({script: {op: "CMD_PTZLock", reply: '{"ack":"1","errinfo":"PTZ is locked by another user"}'}}),
      "the device refuses the lock");
ui.messages();
check(ui.openScene(0), "the page opens");
const shown = ui.messages();
check(shown.length === 1 && shown[0].text === reason, "the refusal is shown once: " + JSON.stringify(shown));
check(host.waitUntil(() => !ui.find(PAD).enabled), "the pad is disabled");
for (const id of [PAD + 3, ZOOM_IN, PAN_SPEED, GO_TO_PRESET]) {
    check(!ui.find(id).enabled, "control " + id + " disabled");
}
const label = ui.find(REASON);
check(label.visible && label.text.indexOf(reason) >= 0, "the reason beside the pad: " + JSON.stringify(label));
mark = sim.journalLength();
const pad = ui.find(PAD);
ui.mouse(PAD, "press", pad.width / 2, 10);
ui.mouse(PAD, "release", pad.width / 2, 10);
ui.click(ZOOM_IN);
check(ptzMoves(mark).length === 0, "nothing moves the dome: " + JSON.stringify(ptzMoves(mark)));
check(host.screenshot(folder + "/scene-settings-locked-" + language + ".png"), "picture");

// The next renewal takes the lock: the controls work again.
check(sim.control({clear: true}), "the device gives the lock again");
check(host.waitUntil(() => ui.find(PAD).enabled && !ui.find(REASON).visible), "usable after the renewal");
mark = sim.journalLength();
check(ui.mouse(PAD, "press", pad.width / 2, 10) && ui.mouse(PAD, "release", pad.width / 2, 10), "a press");
check(ptzMoves(mark).length === 2, "the pad moves the dome again: " + JSON.stringify(ptzMoves(mark)));
ui.messages();
