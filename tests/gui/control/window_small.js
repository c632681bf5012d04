// The smallest window the control is made for, 1024 x 700: on every page
// each Save, Recover, Return, Help and tab button lies whole inside the
// window and answers a click.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const W = 1024, H = 700;

function inside(id, what) {
    const b = ui.find(id);
    check(b.visible, what + " (" + id + ") is shown");
    check(b.x >= 0 && b.y >= 0 && b.x + b.width <= W && b.y + b.height <= H,
          what + " (" + id + ") lies inside the window: " + JSON.stringify(b));
}
function clickInside(id, what) {
    inside(id, what);
    check(ui.click(id), what + " (" + id + ") takes a click");
}
// A click that shows one message whose text is `text`.
function clickSays(id, what, text) {
    ui.messages();
    clickInside(id, what);
    const texts = ui.messages().map(m => m.text);
    check(texts.indexOf(text) >= 0, what + " says " + text + ": " + JSON.stringify(texts));
}

// The first scene runs every function the device offers (but those it
// cannot run together), so that the function bar needs more than one row.
const home = sim.cmd("CMD_GetSceneList").info.SceneList.find(s => s.SceneToken === "Scene_001");
const offered = Object.keys(sim.cmd("CMD_GetAllSupportSmartFunName", {SceneToken: "Scene_001"}).info);
check(sim.cmd("CMD_ModifyScene", {SceneToken: "Scene_001", SceneName: home.SceneName,
                                  SceneConfigSmartFun: offered.map(f => ({SmartFunName: f}))}).ok,
      "the scene's functions");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(W, H);
for (const [id, what] of [[18006, "Smart Function"], [18007, "Normal Arming"], [18008, "export"],
                          [18003, "Smart Switch"]]) {
    inside(id, what);
}

// The index page's views: the scene tours and the sound check.
clickInside(18002, "Scene Tour Set");
clickInside(18061, "Scene RTC Tour");
clickInside(18060, "Scene Tour");
clickSays(18062, "the tours' Save", "Save Success");
clickInside(18001, "Sound Abnormal Check");
check(host.waitUntil(() => ui.find(18110).visible), "the sound view's buttons");
clickSays(18110, "the sound view's Save", "Save Success");
clickInside(18111, "the sound view's Recover");
clickInside(18000, "Scene Set");
inside(18005, "Add Scene");

// Scene settings: the module tabs, Save and Recover, Help and Return.
check(ui.openScene(0), "the first scene's settings");
check(host.waitUntil(() => ui.find(21000).visible), "the PTZ pad");
inside(21000, "the PTZ pad");
for (let id = 18103; ui.find(id).visible; ++id) {
    clickInside(id, "a module tab");
    check(!ui.find(21000).visible, "the module's panel in place of the pad");
}
clickInside(18102, "the PTZ tab");
check(ui.find(21000).visible, "the pad again");
clickSays(18108, "the scene's Save", "Save Success");
clickInside(18109, "the scene's Recover");
clickInside(18101, "Help");
clickInside(18100, "Return");
check(ui.page() === 0, "Return goes to the index page");

// The smart configuration page, on a rule with all three tabs.
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
let intrusion = 18310;
while (intrusion < 18390 && ui.find(intrusion).text !== "Intrusion") ++intrusion;
clickInside(intrusion, "the Intrusion function");
let functions = 0;
for (let id = 18310; id < 18390; ++id) {
    if (ui.find(id).visible) {
        inside(id, "a function button");
        ++functions;
    }
}
check(functions > 8, "the bar holds many functions: " + functions);
clickInside(18462, "rule 02");
// Eight rules: Add and Del still follow the eighth rule, covering none.
for (let rules = 3; rules <= 8; ++rules) clickInside(18451, "Add, rule " + rules);
inside(18468, "rule 08");
const eighth = ui.find(18468), add = ui.find(18451);
check(add.x >= eighth.x + eighth.width, "Add follows rule 08: " + JSON.stringify([eighth, add]));
inside(18452, "Del");
clickInside(18462, "rule 02 again");
clickInside(18396, "Arming Interval");
inside(15616, "the schedule's Sunday");
clickInside(18397, "Linkage Method");
inside(17700, "the first linkage action");
clickInside(18391, "Param Set");
clickSays(18392, "the rule's Save", "Save Success");
clickSays(18393, "the rule's Recover", "Recover successfully");
clickInside(18106, "the smart page's return");
check(ui.page() === 0, "back on the index page");

// Normal arming: its tabs, Save and Recover.
clickInside(18007, "Normal Arming");
check(ui.page() === 3, "the normal arming page");
clickInside(18101, "Arming Interval");
inside(15616, "the schedule's Sunday");
clickInside(18102, "Linkage Method");
clickInside(18100, "Param Set");
clickSays(18110, "the alarm's Save", "Save Success");
clickInside(18111, "the alarm's Recover");
clickInside(18006, "Smart Function");
check(host.screenshot(host.args[0] + "/window-small.png"), "shot");
