// The scene view against the simulator's three factory scenes: page
// buttons and tiles, Add Scene named from the pinned clock, set current and
// delete answered Cancel and OK, the tile buttons' way to pages 1 and 2.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function ops(from) {
    return sim.journal(from).filter(e => e.request && e.request.op).map(e => e.request);
}
function sent(from, op) { return ops(from).filter(r => r.op === op); }
function login() {
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
    check(ui.page() === 0, "index page after login");
}
function tiles() { return [0, 1, 2].filter(s => ui.find(15700 + s).visible); }
function deviceScenes() { const r = sim.cmd("CMD_GetSceneList", {}); check(r.ok, "scene list"); return r.info; }
// The page runs a press from its event loop: each click below waits for
// what it brings (or, for a cancelled question, for the question).
function click(id) { check(ui.click(id), "click " + id); }
function asked() { return host.waitUntil(() => ui.messages().length > 0); }

login();
check(tiles().length === 3 && ui.find(18051).visible && !ui.find(18052).exists, "3 scenes: one page");
check(ui.find(15700).text === "Default Scene", "first tile names the default scene");
check(ui.find(18002).visible && ui.find(18005).visible, "tour and add scene buttons offered");
host.screenshot(host.args[0] + "/index-scenes.png");

// Add Scene: the name comes from the pinned UTC clock; the new scene opens
// in the scene settings page.
let mark = sim.journalLength();
click(18005);
check(host.waitUntil(() => ui.page() === 1), "new scene opened in the scene settings page");
const added = sent(mark, "CMD_AddScene");
check(added.length === 1 && added[0].info.SceneName === "202001020905073", "name from the clock");
const token = deviceScenes().SceneList.filter(s => s.SceneName === "202001020905073")[0].SceneToken;
check(sent(mark, "CMD_SetCurScene").some(r => r.info.SceneToken === token), "new scene made current");
check(ui.click(18007), "leave the scene settings page (its PTZ lock goes)");

// Four scenes: two page buttons, page 2 holds one tile in slot 0.
login();
check(ui.find(18052).visible && !ui.find(18053).exists, "4 scenes: two pages");
check(ui.find(15700).text === "202001020905073" && tiles().length === 1, "the current scene's page");
click(18051);
check(host.waitUntil(() => tiles().length === 3), "page 1 has three tiles");
click(18052);
check(host.waitUntil(() => tiles().length === 1) && tiles()[0] === 0, "page 2: one tile in slot 0");

// Set current on page 1's second tile: nothing goes out on Cancel.
click(18051);
check(host.waitUntil(() => tiles().length === 3), "page 1 again");
ui.answer("cancel");
ui.messages();
mark = sim.journalLength();
click(18012);
check(asked(), "set current asks first");
check(sent(mark, "CMD_SetCurScene").length === 0, "cancelled set current sends nothing");
check(ui.property(18012, "vexoCurrent") === false, "cancelled: tile not current");
ui.answer("ok");
click(18012);
check(host.waitUntil(() => ui.property(18012, "vexoCurrent") === true), "set current after OK");
check(sent(mark, "CMD_SetCurScene").length === 1, "set current sent after OK");
check(ui.property(18012, "vexoCurrent") === true && ui.property(18011, "vexoCurrent") === false,
      "the tile became current, the others not");
check(deviceScenes().SelectSceneToken === "Scene_002", "device selected the scene");

// Delete another scene (the third): the selection stays.
ui.answer("cancel");
ui.messages();
mark = sim.journalLength();
click(18019);
check(asked(), "delete asks first");
check(sent(mark, "CMD_DelScene").length === 0, "cancelled delete sends nothing");
ui.answer("ok");
click(18019);
check(host.waitUntil(() => sent(mark, "CMD_DelScene").length === 1), "delete sent after OK");
check(deviceScenes().SceneList.length === 3, "the device deleted the scene");
check(ui.property(18012, "vexoCurrent") === true, "deleting another scene keeps the selection");

// Delete the selected scene: no tile is current any more.
click(18018);
check(host.waitUntil(() => tiles().length === 2), "the selected scene's tile goes");
check(deviceScenes().SceneList.length === 2, "selected scene deleted");
check(tiles().every(s => ui.property(18011 + s, "vexoCurrent") === false), "none selected");

// Function button: the smart configuration page entered with that function.
const functionButtons = [];
for (let id = 18150; id <= 18300; ++id) {
    if (ui.find(id).visible) functionButtons.push(id);
}
check(functionButtons.length > 0, "the default scene shows its functions");
click(functionButtons[0]);
check(host.waitUntil(() => ui.page() === 2), "function button opens page 2");

// The settings button: page 1 with that scene made current.
login();
mark = sim.journalLength();
click(18020);
check(host.waitUntil(() => ui.page() === 1), "settings button opens page 1");
check(sent(mark, "CMD_SetCurScene").length === 1, "and makes the scene current");
