// The abnormal sound view: video, the sound check's panel, Save writes the
// rule and its module, Recover restores the device's defaults.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const VIDEO = 15030;
let shown = [];
function textShown(text) {
    return host.waitUntil(() => (shown = shown.concat(ui.messages().map(m => m.text))).indexOf(text) >= 0);
}
// The panel's first number edit is the sound threshold (70 by default).
function thresholdEdit() {
    for (let id = 13100; id < 13150; ++id) {
        if (ui.find(id).visible && ui.find(id).text === "70") return id;
    }
    return -1;
}
// A picture, not the empty window: its cells differ.
function picture() {
    const shade = ui.shade(VIDEO, 4, 3);
    return shade !== null && Math.max(...shade) - Math.min(...shade) > 20;
}
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18001), "sound view");
check(host.waitUntil(() => thresholdEdit() > 0 && picture()), "the live picture and the panel");
check(ui.find(VIDEO).visible && ui.find(18110).visible && ui.find(18111).visible, "video and buttons");
check(!ui.find(15700).visible, "tiles gone");
host.screenshot(host.args[0] + "/sound.png");
const threshold = thresholdEdit();
check(ui.setText(threshold, "55"), "type a threshold");
ui.messages();
let mark = sim.journalLength();
check(ui.click(18110), "save");
check(textShown("Save Success"), "saved");
const written = sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request);
check(written.some(r => JSON.stringify(r.info).indexOf('"SoundThreshold":"55"') >= 0),
      "the typed threshold written: " + JSON.stringify(written.map(r => r.op)));
check(written.some(r => JSON.stringify(r.info).indexOf("zelk:Audio_Input_Settings") >= 0),
      "the audio input module written too");
check(ui.click(18111), "recover");
check(textShown("Recover successfully"), "recovered");
check(ui.find(threshold).text === "70", "the device's default shown again");
check(ui.click(18000), "back to the scenes");
check(host.waitUntil(() => ui.find(15700).visible), "scene view again");
check(!ui.find(18110).visible, "the sound view's buttons gone");
