// Deleting the only scene of page 2 (the current one) rebuilds on the page
// of the current scene. (With the analytics off at login the pages stay
// hidden: index_switch_refresh.js.)
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function tiles() { return [0, 1, 2].filter(s => ui.find(15700 + s).visible); }
check(sim.cmd("CMD_AddScene", {SceneName: "Dock"}).ok, "fourth scene");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
// The page acts on a press from its event loop, after the device answers.
check(ui.click(18052), "page 2");
check(host.waitUntil(() => tiles().length === 1) && ui.find(15700).text === "Dock", "Dock alone on page 2");
check(ui.click(18017), "delete Dock");
check(host.waitUntil(() => !ui.find(18052).exists) && ui.find(18051).visible, "one page left");
check(tiles().length === 3, "the current scene's page (page 1) is shown");
