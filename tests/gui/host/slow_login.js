// Against a slow device (every answer delayed): what a host may do from
// inside the loading dialog while a login or a GetConfig still loads.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const login = (c) => c.SetDeviceLoginInfo(host.device, host.user, host.password, 1);
// A dropped login's worker ends after the step it is in; until then a new
// login is refused. A login that returned leaves the way free at once.
function loginWhenFree(c, what) {
    check(host.waitUntil(() => login(c), 20000), "a login possible after " + what);
}
const other = host.createControl("VEXOSMARTOCX.VexoSmartOcxCtrl.1");

// Only one login runs in the process: the other control is turned away.
let second = null;
host.later(300, () => {
    check(ui.find(238).visible, "the first login is still loading");
    second = login(other);
});
loginWhenFree(control, "the start");
check(second === false, "a second login during the first is refused");
check(ui.page() === 0, "the first control shows its pages");

// Destroy and SetLanguage from inside the loading dialog drop the login.
for (const drop of [() => control.Destroy(), () => control.SetLanguage("english")]) {
    let dropped = false;
    host.later(300, () => { dropped = drop(); });
    check(login(control) === false && dropped, "a login dropped in its dialog returns false");
    check(ui.page() === -1, "a dropped login shows no pages");
    loginWhenFree(control, "a dropped login");
    check(ui.page() === 0, "the next login shows the pages");
}

// The host deletes a control while its login loads.
control.Destroy();
let deleted = false;
host.later(300, () => { deleted = host.deleteControl(other); });
check(login(other) === false && deleted, "a control deleted in its login's dialog returns false");
let gone = false;
try { other.GetCurScenesTourNum(); } catch (e) { gone = true; }
check(gone, "a deleted control cannot be called");
loginWhenFree(control, "a deleted control's login");
check(ui.page() === 0, "the remaining control logs in");

// GetConfig's dialog: Destroy from inside it drops the read, with or
// without pages, and a deleted control's read returns nothing either.
const readConfig = (c) => c.GetConfig(host.device, host.user, host.password);
for (const withPages of [false, true]) {
    control.Destroy();
    if (withPages) loginWhenFree(control, "a dropped read");
    let dropped = false;
    host.later(300, () => { dropped = control.Destroy(); });
    check(readConfig(control) === "" && dropped, "a read dropped in its dialog is empty");
    check(ui.page() === -1, "no pages after a dropped read");
}
check(readConfig(control) !== "", "the next read returns the configuration");
const third = host.createControl("VEXOSMARTOCX.VexoSmartOcxCtrl.1");
host.later(300, () => { host.deleteControl(third); });
check(readConfig(third) === "", "a control deleted in its read's dialog returns nothing");

// A read asked for inside a login's dialog is refused; the login goes on.
let nested = null;
host.later(300, () => { nested = readConfig(control); });
loginWhenFree(control, "a nested read");
check(nested === "" && ui.page() === 0, "a read inside a login is empty, the login shows pages");
