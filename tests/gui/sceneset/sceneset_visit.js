// Visits to the scene settings page from the index page, in the operator's
// order of clicks. Opening from a tile shows the page first (taking the
// PTZ lock), makes the scene the device's current one under that lock, and
// only then reads the scene's modules and functions. Back on the index
// page the opened scene's tile is the current one; a save on the "PTZ" tab
// renamed the scene, a save on a module tab did not (the name field is
// the "PTZ" tab's); a scene made with Add Scene keeps its mark too.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const NAME = 13001, RETURN = 18100, SAVE = 18108, FIRST_MODULE_TAB = 18103, ADD_SCENE = 18005;
const SETTINGS = 18020, SET_CURRENT = 18011, TILE_NAME = 15700;  // + slot

function requests(mark) {
    return sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request);
}
function open(slot) {
    check(ui.click(SETTINGS + slot), "settings of tile " + slot);
    check(host.waitUntil(() => ui.page() === 1), "the scene settings page");
}
function save() {
    const mark = sim.journalLength();
    check(ui.click(SAVE), "save");
    const messages = ui.messages().map(m => m.text);
    check(JSON.stringify(messages) === '["Save Success"]', "saved: " + JSON.stringify(messages));
    return requests(mark).map(r => r.op);
}
function back() {
    check(ui.click(RETURN), "return");
    check(host.waitUntil(() => ui.page() === 0), "the index page");
}
function currentSlots() {
    return [0, 1, 2].filter(slot => ui.property(SET_CURRENT + slot, "vexoCurrent") === true);
}
function deviceName(token) {
    return sim.cmd("CMD_GetSceneList").info.SceneList.filter(s => s.SceneToken === token)[0].SceneName;
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const scenes = sim.cmd("CMD_GetSceneList").info.SceneList;
check(JSON.stringify(currentSlots()) === "[0]", "the first scene is current at login");

// The second scene, opened from its tile.
let mark = sim.journalLength();
open(1);
const sent = requests(mark), ops = sent.map(r => r.op);
const lock = ops.indexOf("CMD_PTZLock"), current = ops.indexOf("CMD_SetCurScene");
check(lock >= 0 && current > lock && sent[current].info.SceneToken === scenes[1].SceneToken,
      "the lock, then the scene made current: " + JSON.stringify(ops));
for (const op of ["CMD_GetSceneModuleList", "CMD_GetAllSupportSmartFunName"]) {
    const at = ops.indexOf(op);
    check(at > current && sent[at].info.SceneToken === scenes[1].SceneToken,
          op + " for the scene after it became current: " + JSON.stringify(ops));
}

// A module tab: its module is saved, the name typed meanwhile is not.
check(ui.click(FIRST_MODULE_TAB), "the first module tab");
check(ui.setText(NAME, "Entrance East"), "type a name");
let saved = save();
check(saved.indexOf("CMD_ModifyRuleModuleParam") >= 0 && saved.indexOf("CMD_ModifyScene") < 0,
      "the module alone is saved: " + JSON.stringify(saved));
back();
check(ui.find(TILE_NAME + 1).text === scenes[1].SceneName && deviceName(scenes[1].SceneToken) === scenes[1].SceneName,
      "the scene keeps its name: " + ui.find(TILE_NAME + 1).text);
check(JSON.stringify(currentSlots()) === "[1]", "the opened scene is current: " + JSON.stringify(currentSlots()));

// The "PTZ" tab of the third scene: renamed on the device and on its tile,
// and the mark moves to it with the visit.
open(2);
check(ui.setText(NAME, "Parking West"), "type a name");
saved = save();
check(saved.indexOf("CMD_ModifyScene") >= 0, "the scene is saved: " + JSON.stringify(saved));
back();
check(ui.find(TILE_NAME + 2).text === "Parking West" && deviceName(scenes[2].SceneToken) === "Parking West",
      "renamed: " + ui.find(TILE_NAME + 2).text);
check(JSON.stringify(currentSlots()) === "[2]", "the saved scene is current: " + JSON.stringify(currentSlots()));

// Add Scene opens the new scene; saved and left, its tile (alone on page
// 2, the page of the current scene) carries the mark.
check(ui.click(ADD_SCENE), "add scene");
check(host.waitUntil(() => ui.page() === 1), "the new scene opens");
const added = ui.find(NAME).text;
save();
back();
check(ui.find(TILE_NAME).text === added && !ui.find(TILE_NAME + 1).visible, "page 2 with the new scene");
check(JSON.stringify(currentSlots()) === "[0]", "the new scene is current: " + JSON.stringify(currentSlots()));
check(ui.messages().length === 0, "no other message: " + JSON.stringify(ui.messages()));
