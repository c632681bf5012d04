// Deleting the only scene of page 2 (the current one) rebuilds on the page
// of the current scene. (With the analytics off at login the pages stay
// hidden: pages_and_header_test's SwitchTurnsAnalyticsOnWhenTheyWereOffAtLogin.)
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function tiles() { return [0, 1, 2].filter(s => ui.find(15700 + s).visible); }
// The page acts on a press from its event loop, after the device answers.
function waitFor(condition) {
    for (let waited = 0; !condition() && waited < 5000; waited += 50) host.wait(50);
    return condition();
}
check(sim.cmd("CMD_AddScene", {SceneName: "Dock"}).ok, "fourth scene");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18052), "page 2");
check(waitFor(() => tiles().length === 1) && ui.find(15700).text === "Dock", "Dock alone on page 2");
check(ui.click(18017), "delete Dock");
check(waitFor(() => !ui.find(18052).exists) && ui.find(18051).visible, "one page left");
check(tiles().length === 3, "the current scene's page (page 1) is shown");
