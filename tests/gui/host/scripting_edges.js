// The scripting methods a page calls around a login, against the simulator.
// Last argument: the device's configuration as `vexo-cmd config get` reads it.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const expectedConfig = host.args[host.args.length - 1];
const progId = "VEXOSMARTOCX.VexoSmartOcxCtrl.1";
// Logins follow each other in the same script turn: once SetDeviceLoginInfo
// has returned, the next one is not refused.
function login(c, password = host.password) {
    return c.SetDeviceLoginInfo(host.device, host.user, password, 1);
}

// A control whose window was never shown has no window: refused, nothing started.
const hidden = host.createControl(progId, false);
check(hidden !== null, "a second control can be created");
check(login(hidden) === false, "a login without a window is refused");

// Batch configuration before any login: a manager lives only for the call.
check(control.GetConfig(host.device, host.user, host.password) === expectedConfig,
      "GetConfig reads what vexo-cmd reads");
check(control.GetConfig(host.device, host.user, "wrong") === "",
      "GetConfig with a wrong password is empty");
check(control.SetConfig(host.device, host.user, host.password, expectedConfig) === true,
      "SetConfig writes the configuration back");
check(control.SetConfig(host.device, host.user, "wrong", expectedConfig) === false,
      "SetConfig with a wrong password fails");
check(ui.messages().length === 0, "a failed SetConfig login shows nothing");
check(control.SetConfig(host.device, host.user, host.password, "{ not a configuration") === false,
      "SetConfig of a broken text fails");
check(ui.messages().length === 1, "the device's refusal is shown");
check(ui.page() === -1, "the configuration calls leave no pages");

// A login a host timer starts from inside that refusal popup keeps its
// pages: SetConfig deletes only the manager it made for itself.
let timerLogin = null;
host.later(0, () => { timerLogin = login(control); });
check(control.SetConfig(host.device, host.user, host.password, "{ not a configuration") === false,
      "SetConfig refused again");
check(host.waitUntil(() => timerLogin !== null) && timerLogin === true, "the timer's login");
check(ui.page() === 0, "its pages stay after SetConfig returned");
ui.messages();
check(control.Destroy() && ui.page() === -1, "Destroy");

// A wrong password shows no pages; the first login after all that works.
check(login(control, "wrong") === false && ui.page() === -1, "a wrong password fails, no pages");
check(login(control) === true, "login");
check(ui.page() === 0, "the index page is shown");

// The tour and scene setters are accepted and change nothing.
const scene = control.GetCurSmartSceneNum();
check(control.GetCurScenesTourNum() === 0, "tour number 0");
check(control.SetCurScenesTourNum(7) === true && control.SetCurSmartSceneNum(3) === true,
      "the setters return true");
check(control.SetCurScenesTourNum(-1) === true, "any value is accepted");
check(control.GetCurScenesTourNum() === 0, "the tour number stays 0");
check(control.GetCurSmartSceneNum() === scene, "the scene number stays " + scene);
check(ui.page() === 0, "the setters leave the page alone");

// A new language drops the pages until the next login, which uses it.
const englishTitle = ui.find(18003).text;
check(control.SetLanguage("chinese") === true, "SetLanguage");
check(ui.page() === -1 && !ui.find(18003).exists, "no pages after SetLanguage");
check(login(control) === true && ui.page() === 0, "login after SetLanguage");
check(/[\u4e00-\u9fff]/.test(ui.find(18003).text),
      "the header speaks Chinese: " + ui.find(18003).text + " (was " + englishTitle + ")");
control.SetLanguage("english");

// Destroy, twice, then a login like the first one.
check(login(control) === true, "login before Destroy");
check(control.Destroy() === true && control.Destroy() === true, "Destroy returns true");
check(ui.page() === -1, "no pages after Destroy");
check(login(control) === true && ui.page() === 0, "login after Destroy");
check(ui.find(18003).text === englishTitle,
      "the header of the first login: " + ui.find(18003).text + " vs " + englishTitle);
