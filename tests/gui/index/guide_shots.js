// The user guide's pictures of the index page, in the host's language:
//   vexo-host --device ... --language english --script guide_shots.js -- OUTDIR
// (not a test; docs/guide/README.md names the pictures it writes).
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const out = host.args[0] + "/";
const lang = host.language;
// A picture in the video window, not the empty window: its cells differ.
function picture() {
    const shade = ui.shade(15030, 4, 3);
    return shade !== null && Math.max(...shade) - Math.min(...shade) > 20;
}
check(control.SetLanguage(lang), "language");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(host.waitUntil(() => ui.find(15700).visible), "the scene tiles");
host.screenshot(out + "index-" + lang + ".png");
// The page runs its strip's presses from its event loop.
check(ui.click(18002), "tours");
check(host.waitUntil(() => ui.find(12600).visible), "the scene tour's rows");
host.screenshot(out + "tour-normal-" + lang + ".png");
check(ui.click(18061), "timer tour");
check(host.waitUntil(() => ui.find(12650).visible), "the RTC tour's rows");
host.screenshot(out + "tour-timer-" + lang + ".png");
check(ui.click(18001), "sound view");
check(host.waitUntil(() => ui.find(18110).visible && picture()), "the sound view's picture");
host.screenshot(out + "sound-" + lang + ".png");
