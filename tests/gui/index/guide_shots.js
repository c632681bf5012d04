// The user guide's pictures of the index page, in the host's language:
//   vexo-host --device ... --language english --script guide_shots.js -- OUTDIR
// (not a test; docs/guide/README.md names the pictures it writes).
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const out = host.args[0] + "/";
const lang = host.language;
check(control.SetLanguage(lang), "language");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.wait(300);
host.screenshot(out + "index-" + lang + ".png");
check(ui.click(18002), "tours");
host.wait(300);
host.screenshot(out + "tour-normal-" + lang + ".png");
check(ui.click(18061), "timer tour");
host.wait(300);
host.screenshot(out + "tour-timer-" + lang + ".png");
check(ui.click(18001), "sound view");
host.wait(2500);
host.screenshot(out + "sound-" + lang + ".png");
