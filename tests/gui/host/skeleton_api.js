// The script API against a control that has not logged in: method calls
// through the dispatch table, their errors, widget look-ups, screenshots,
// more instances and arguments.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
function throws(call, pattern) {
    try {
        call();
    } catch (error) {
        check(pattern.test(String(error)), "error '" + error + "' matches " + pattern);
        return;
    }
    throw new Error("no error, expected " + pattern);
}

check(host.args.length === 2 && host.args[1] === "extra", "host.args " + host.args);
const out = host.args[0];

check(control.SetLanguage("english") === true, "SetLanguage gives true");
check(control.GetCurScenesTourNum() === 0, "GetCurScenesTourNum gives the number 0");
check(control.setcurscenestournum(7) === true, "names are case-insensitive");
check(typeof control.GetConfig("127.0.0.1:1", "u", "p") === "string", "GetConfig gives a text");
check(control.Destroy() === true, "Destroy gives true");

throws(() => control.SetDeviceLoginInfo("127.0.0.1:1", "admin", "x"), /takes 4 argument/);
throws(() => control.SetCurScenesTourNum("seven"), /cannot be converted/);
throws(() => control.Launch(), /no method "Launch"/);
check(String(control).startsWith("[object"), "the control can be printed");
throws(() => ui.answer("maybe"), /ok.*cancel/);

check(ui.page() === -1, "no page before a login");
check(ui.find(18003).exists === false, "no header button before a login");
check(ui.findAll(18003).length === 0, "findAll finds nothing");
check(ui.click(18003) === false, "clicking a missing control fails");
check(ui.messages().length === 0, "no popups");

host.resize(640, 480);
host.wait(50);
check(host.screenshot(out + "/skeleton.png"), "screenshot written");

const second = host.createControl("VEXOSMARTOCX.VexoSmartOcxCtrl.1");
check(second !== null && second.GetCurScenesTourNum() === 0, "a second instance answers");
check(host.createControl("VEXOSMARTOCX.VexoSmartOcxPropPage.1") === null,
      "the property page may not be scripted");
check(host.createControl("No.Such.Class") === null, "an unknown ProgID gives null");
throws(() => host.crashForTest(), /disabled/);
host.exit(0);
throw new Error("host.exit did not stop the script");
