// Smart Switch turning the analytics on brings back what depends on them
// without a new login: the scene tiles and the "Sound Abnormal Check" view,
// also when the control logged in while the analytics were off.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const kSwitch = 18003, kSoundView = 18001, kFirstTile = 15700;
const analyticsOn = () => sim.cmd("CMD_GetSmartStatus", {}).info.status === "TRUE";

check(sim.cmd("CMD_SetSmartStatus", {status: "FALSE"}).ok, "analytics off on the device");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(!ui.find(kSoundView).visible && !ui.find(kFirstTile).visible, "nothing of the analytics shown");

check(ui.click(kSwitch) && analyticsOn(), "Smart Switch turns the analytics on");
check(ui.page() === 0 && ui.find(kFirstTile).visible, "the tiles are back");
check(ui.find(kSoundView).visible && ui.find(kSoundView).text === "Sound Abnormal Check",
      "the sound view's button is back: " + JSON.stringify(ui.find(kSoundView)));
check(ui.click(kSoundView) && !ui.find(kFirstTile).visible, "the sound view opens");
host.screenshot(host.args[0] + "/sound-after-switch.png");

// Off and on again from the sound view: the strip still offers it.
check(ui.click(kSwitch) && !analyticsOn(), "off");
check(ui.click(kSwitch) && analyticsOn(), "on");
check(ui.find(kSoundView).visible, "the sound view's button stays");
