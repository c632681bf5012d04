// Saving a scene from the "PTZ" tab: the name checks (each refusal sends
// nothing), the function editor, what the device holds afterwards, and the
// PTZ lock over a visit (taken, renewed, released).
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const NAME = 13001, RETURN = 18100, SAVE = 18108, RECOVER = 18109;
const SCENE_LIST = 20001, INTELLIGENCE_LIST = 20002, ADD_SELECTED = 11081, REMOVE_ALL = 11084;

function commands(mark) {
    return sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
}
function saveWith(name) {
    check(ui.setText(NAME, name), "name " + name);
    const mark = sim.journalLength();
    check(ui.click(SAVE), "save");
    return {messages: ui.messages(), sent: commands(mark)};
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const scenes = sim.cmd("CMD_GetSceneList").info.SceneList;
check(scenes.length >= 2, "the device has two scenes or more");
let mark = sim.journalLength();
check(ui.openScene(1), "the second scene opens");
check(commands(mark).indexOf("CMD_PTZLock") >= 0, "entering takes the PTZ lock");
// Timer 1001, 200 ms after the page shows, starts the video and drives the
// dome to the scene's view; later PTZ commands are the operator's and the
// renewals'.
check(host.waitUntil(() => commands(mark).indexOf("CMD_MovePTZPosition") >= 0),
      "the dome is driven to the scene's view: " + JSON.stringify(commands(mark)));
check(ui.find(NAME).text === scenes[1].SceneName, "the name field holds the scene's name");

// Refusals: a message under "tips", and not a command to the device.
const refusals = [["", "Scene name can't be empty"],
                  [scenes[0].SceneName, "Scene name can't be repeat"],
                  ["Gate & Yard", " Scenename include illegal character."]];
for (const [name, text] of refusals) {
    const result = saveWith(name);
    check(result.messages.length === 1 && result.messages[0].text === text &&
          result.messages[0].title === "tips", "'" + name + "': " + JSON.stringify(result.messages));
    check(result.sent.indexOf("CMD_ModifyScene") < 0 && result.sent.indexOf("CMD_ModifyRuleModuleParam") < 0,
          "'" + name + "' sends no change: " + JSON.stringify(result.sent));
}
// The scene's own name is no repeat.
let result = saveWith(scenes[1].SceneName);
check(result.sent.indexOf("CMD_ModifyScene") >= 0, "the own name is saved");
check(result.messages.length === 1 && result.messages[0].text === "Save Success", "saved: " + JSON.stringify(result.messages));

// The function editor: start from an empty scene list, add Face Detection
// and Loitering. (A function that conflicts with the list is refused with
// both names: sceneset_names.js, in both languages.)
check(ui.click(REMOVE_ALL), "remove all");
check(ui.find(SCENE_LIST).items.length === 0, "the scene list is empty");
check(ui.select(INTELLIGENCE_LIST, "Face Detection") && ui.click(ADD_SELECTED), "add Face Detection");
check(JSON.stringify(ui.find(SCENE_LIST).items) === '["Face Detection"]', "Face Detection added");
check(ui.select(INTELLIGENCE_LIST, "Loitering") && ui.click(ADD_SELECTED), "add Loitering");
check(ui.find(SCENE_LIST).items.length === 2, "Loitering added");

result = saveWith("Gate West");
check(result.messages.length === 1 && result.messages[0].text === "Save Success", "saved: " + JSON.stringify(result.messages));
const after = sim.cmd("CMD_GetSceneList").info.SceneList;
check(after[1].SceneName === "Gate West", "the device holds the new name: " + JSON.stringify(after));
const funs = sim.cmd("CMD_GetAllSupportSmartFunName", {SceneToken: scenes[1].SceneToken}).info;
const enabled = Object.keys(funs).filter(k => funs[k] === true || funs[k] === "true" || funs[k] === "TRUE").sort();
check(JSON.stringify(enabled) === '["zelk:Face_Detection_Event","zelk:Loitering_Event"]',
      "the device runs the two functions: " + JSON.stringify(funs));

// Recover shows what the device holds.
check(ui.setText(NAME, "Unsaved") && ui.click(RECOVER), "recover");
check(ui.find(NAME).text === "Gate West" && ui.find(SCENE_LIST).items.length === 2, "recovered");
check(ui.messages().some(m => m.text === "Recover successfully"), "recover message");

// Save on a module tab stores that module's parameters of the scene.
check(ui.click(18104), "the second module tab");
mark = sim.journalLength();
check(ui.click(SAVE), "save the module");
const moduleSave = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_ModifyRuleModuleParam");
check(moduleSave.length === 1 && moduleSave[0].request.info.SceneToken === scenes[1].SceneToken &&
      moduleSave[0].request.info.CMDType === "Modify", "the module is saved: " + JSON.stringify(moduleSave));
check(ui.messages().some(m => m.text === "Save Success"), "module saved");
check(ui.click(18102), "back to the PTZ tab");

// Timer 1002 (shortened for the test) renews the lock: release, take again.
mark = sim.journalLength();
const ptzCommands = () => commands(mark).filter(op => op.indexOf("PTZ") >= 0);
host.waitUntil(() => ptzCommands().length >= 2);
const renewal = ptzCommands();
check(renewal.length >= 2 && renewal[0] === "CMD_PTZUnLock" && renewal[1] === "CMD_PTZLock",
      "the lock is renewed: " + JSON.stringify(renewal));

// A refused renewal shows the device's text; the page stays.
check(sim.control({script: {op: "CMD_PTZLock", reply: JSON.stringify(
          {ack: "1", errinfo: "PTZ is locked by another user", info: ""})}}), "the lock is refused");
let lockMessages = [];
host.waitUntil(() => (lockMessages = lockMessages.concat(ui.messages())).length >= 1);
check(lockMessages.length >= 1 && lockMessages[0].title === "error" && lockMessages[0].text.length > 0,
      "the refusal shows the device's text: " + JSON.stringify(lockMessages));
check(ui.page() === 1, "the page stays");
check(sim.control({clear: true}), "knobs cleared");
mark = sim.journalLength();
check(host.waitUntil(() => commands(mark).indexOf("CMD_PTZLock") >= 0), "a renewal the device accepts");
ui.messages();

mark = sim.journalLength();
check(ui.click(RETURN), "return");
check(ui.page() === 0, "back on the index page");
check(commands(mark).indexOf("CMD_PTZUnLock") >= 0, "return releases the lock");
// The scene's tile shows the functions saved a moment ago.
const tile = ui.find(15701);
const tileFunctions = [];
for (let id = 18150; id <= 18300; ++id) {
    const button = ui.find(id);
    if (button.visible && button.x >= tile.x && button.x < tile.x + 300)
        tileFunctions.push(ui.property(id, "toolTip"));
}
check(JSON.stringify(tileFunctions.sort()) === '["Face Detection","Loitering"]',
      "the tile shows the saved functions: " + JSON.stringify(tileFunctions));
// Two renewal periods with nothing sent: an absence cannot be polled for.
mark = sim.journalLength();
host.wait(1200);
check(commands(mark).indexOf("CMD_PTZLock") < 0, "no renewal after return");
check(ui.messages().length === 0, "no message: " + JSON.stringify(ui.messages()));
