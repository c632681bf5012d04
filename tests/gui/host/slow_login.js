// Against a slow device (every answer delayed): what a host may do from
// inside the loading dialog while a login still loads.
function check(condition, what) {
    if (!condition) throw new Error("check failed: " + what);
}
const login = (c) => c.SetDeviceLoginInfo(host.device, host.user, host.password, 1);
// A dropped login's worker finishes its current step first; until then a new
// login is refused at once.
function loginWhenFree(c, what) {
    for (let tries = 0; tries < 100; ++tries) {
        if (login(c)) return;
        host.wait(200);
    }
    throw new Error("check failed: no login possible after " + what);
}
const other = host.createControl("VEXOSMARTOCX.VexoSmartOcxCtrl.1");

// Only one login runs in the process: the other control is turned away.
let second = null;
host.later(300, () => {
    check(ui.find(238).visible, "the first login is still loading");
    second = login(other);
});
check(login(control) === true, "the slow login succeeds");
check(second === false, "a second login during the first is refused");
check(ui.page() === 0, "the first control shows its pages");

// Destroy and SetLanguage from inside the loading dialog drop the login.
for (const drop of [() => control.Destroy(), () => control.SetLanguage("english")]) {
    host.later(300, drop);
    check(login(control) === false, "a dropped login returns false");
    check(ui.page() === -1, "a dropped login shows no pages");
    loginWhenFree(control, "a dropped login");
    check(ui.page() === 0, "the next login shows the pages");
}

// The host deletes a control while its login loads.
control.Destroy();
host.later(300, () => check(host.deleteControl(other), "the other control is deleted"));
check(login(other) === false, "the deleted control's login returns false");
let gone = false;
try { other.GetCurScenesTourNum(); } catch (e) { gone = true; }
check(gone, "a deleted control cannot be called");
loginWhenFree(control, "a deleted control's login");
check(ui.page() === 0, "the remaining control logs in");
