// The abnormal sound view: video, the sound check's panel, Save writes the
// rule and its module, Recover restores the device's defaults.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18001), "sound view");
host.wait(1500);
check(ui.find(15030).visible && ui.find(18110).visible && ui.find(18111).visible, "video and buttons");
check(!ui.find(15700).visible, "tiles gone");
host.screenshot(host.args[0] + "/sound.png");
// The panel's first number edit is the sound threshold (70 by default).
let threshold = -1;
for (let id = 13100; id < 13150 && threshold < 0; ++id) {
    if (ui.find(id).visible && ui.find(id).text === "70") threshold = id;
}
check(threshold > 0, "threshold edit shown with the device's value");
check(ui.setText(threshold, "55"), "type a threshold");
ui.messages();
let mark = sim.journalLength();
check(ui.click(18110), "save");
host.wait(200);
check(ui.messages().map(m => m.text).indexOf("Save Success") >= 0, "saved");
const written = sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request);
check(written.some(r => JSON.stringify(r.info).indexOf('"SoundThreshold":"55"') >= 0),
      "the typed threshold written: " + JSON.stringify(written.map(r => r.op)));
check(written.some(r => JSON.stringify(r.info).indexOf("zelk:Audio_Input_Settings") >= 0),
      "the audio input module written too");
check(ui.click(18111), "recover");
host.wait(200);
check(ui.messages().map(m => m.text).indexOf("Recover successfully") >= 0, "recovered");
check(ui.find(threshold).text === "70", "the device's default shown again");
check(ui.click(18000), "back to the scenes");
host.wait(200);
check(ui.find(15700).visible && !ui.find(18110).visible, "scene view again");
