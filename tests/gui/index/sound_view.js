// The abnormal sound view: video, the sound check's panel, Save writes the
// rule and its module, Recover restores the device's defaults.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function ops(from) {
    return sim.journal(from).filter(e => e.request && e.request.op).map(e => e.request.op);
}
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18001), "sound view");
host.wait(1500);
check(ui.find(15030).visible && ui.find(18110).visible && ui.find(18111).visible, "video and buttons");
check(!ui.find(15700).visible, "tiles gone");
host.screenshot(host.args[0] + "/sound.png");
ui.messages();
let mark = sim.journalLength();
check(ui.click(18110), "save");
host.wait(200);
check(ui.messages().map(m => m.text).indexOf("Save Success") >= 0, "saved");
const saved = ops(mark);
check(saved.indexOf("CMD_ModifyRuleParam") >= 0 || saved.indexOf("CMD_ModifyRuleModuleParam") >= 0,
      "rule written: " + saved);
mark = sim.journalLength();
check(ui.click(18111), "recover");
host.wait(200);
check(ui.messages().map(m => m.text).indexOf("Recover successfully") >= 0, "recovered");
check(ui.click(18000), "back to the scenes");
host.wait(200);
check(ui.find(15700).visible && !ui.find(18110).visible, "scene view again");
