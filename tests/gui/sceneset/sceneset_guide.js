// The user guide's pictures of the scene settings page, before and after a
// pan to the right: vexo-host ... -- OUT LANGUAGE [FOLDER]. The pictures go
// to FOLDER (docs/guide/images when the guide is refreshed), else to OUT.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const PAD = 21000, PAN_SPEED = 12001;
const language = host.args[1], folder = host.args[2] || host.args[0];
check(control.SetLanguage(language), "language " + language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 720);
check(ui.openScene(0), "the first scene opens");
host.wait(1500);
check(host.screenshot(folder + "/scene-settings-" + language + ".png"), "picture before");
const pad = ui.find(PAD);
ui.select(PAN_SPEED, 9);
ui.mouse(PAD, "press", pad.width / 2 + 40, pad.height / 2);
host.wait(2500);
ui.mouse(PAD, "release", pad.width / 2 + 40, pad.height / 2);
host.wait(800);
check(host.screenshot(folder + "/scene-settings-" + language + "-panned.png"), "picture after");
check(ui.messages().length === 0, "no message");
