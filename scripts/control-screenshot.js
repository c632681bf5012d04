// Host script of `make run` without a display: log in, wait for the pages,
// let the live video settle, then capture the window.
// Arguments: the PNG file, the settling time in milliseconds.
const file = host.args[0];
const settleMs = Number(host.args[1] || 3000);
control.SetLanguage(host.language);
const loggedIn = control.SetDeviceLoginInfo(host.device, host.user, host.password, host.loginArg);
if (!loggedIn || ui.page() < 0) {
    host.screenshot(file);
    console.error("the control did not show its pages (the login failed); window written to " + file);
    host.exit(1);
}
host.wait(settleMs);
if (!host.screenshot(file)) {
    console.error("cannot write " + file);
    host.exit(1);
}
console.log("control screenshot: " + file);
