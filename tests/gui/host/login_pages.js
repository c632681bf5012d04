// Against the simulator: a login shows the index page, a header button can
// be clicked, the window can be captured; a wrong password shows no pages.
function check(condition, what) {
    if (!condition) throw new Error("check failed: " + what);
}
const out = host.args[0];
check(control.SetLanguage("english"), "SetLanguage");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1) === true,
      "login to " + host.device);
check(ui.page() === 0, "the index page is shown, page " + ui.page());
check(ui.find(18003).visible, "the header's first button is visible");
host.wait(2000);
check(host.screenshot(out + "/index.png"), "screenshot");

check(control.SetDeviceLoginInfo(host.device, host.user, "wrong", 1) === false,
      "a wrong password fails");
check(ui.page() === -1, "no pages after a failed login");
