// The header's two group buttons clicked in orders nobody planned: a rule's
// reads and saves carry the scene the operator is on, and a visit to Normal
// Arming and back restores it. A panel rebuilt over the first picture keeps
// the tab that is shown.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const SMART = 18006, NORMAL = 18007, RETURN = 18106, SAVE = 18392;
const PARAM_TAB = 18391, ARMING_TAB = 18396, FIRST_RULE = 18461, ALARM_MODE = 12100;
const scenes = sim.cmd("CMD_GetSceneList").info.SceneList.map(s => s.SceneToken);
const ruleCommands = mark => sim.journal(mark)
    .filter(e => e.request && /RuleModuleParam$/.test(e.request.op)).map(e => e.request.info);

// Clicks the first function button of the index tile in `slot`, picks the
// function `caption` when given, then the function's first rule.
function enterScene(slot, caption) {
    if (ui.page() !== 0) check(ui.click(RETURN), "back to the index page");
    const tile = ui.find(15700 + slot);
    let id = 18150;
    while (id < 18300 && !(ui.find(id).visible && ui.find(id).x >= tile.x && ui.find(id).x < tile.x + 300)) ++id;
    check(ui.click(id) && ui.page() === 2, "scene " + slot + " opens on the smart page");
    if (caption) {
        id = 18310;
        while (id < 18400 && !(ui.find(id).visible && ui.find(id).text === caption)) ++id;
        check(ui.click(id), "function " + caption);
    }
    check(host.waitUntil(() => ui.find(FIRST_RULE).visible), "the rule bar");
    check(ui.click(FIRST_RULE), "the first rule");
}
// Saves the rule shown and returns the scene token of the save.
function savedToken(what) {
    const mark = sim.journalLength();
    check(ui.click(SAVE), "Save");
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].text === "Save Success", what + ": " + JSON.stringify(messages));
    // The save, then the read that verifies what the device stored.
    const commands = ruleCommands(mark);
    const saves = commands.filter(info => info.CMDType === "Modify");
    check(saves.length === 1 && commands.length === 2, what + ": one save: " + JSON.stringify(commands));
    check(commands[1].SceneToken === saves[0].SceneToken, what + ": read back on the same scene");
    return saves[0].SceneToken;
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(scenes.length >= 2, "two scenes: " + JSON.stringify(scenes));

// Smart Function while it is already selected, before any Normal Arming visit.
enterScene(0);
check(ui.click(SMART), "Smart Function again");
check(savedToken("Smart Function twice") === scenes[0], "the scene stays");

// Normal Arming twice, then back: the token of the scene, not the alarm owner's.
check(ui.click(NORMAL) && ui.click(NORMAL) && ui.page() === 3, "Normal Arming twice");
let mark = sim.journalLength();
check(ui.click(SMART) && ui.page() === 2, "back to the smart group");
check(ui.click(FIRST_RULE), "the rule again");
check(ruleCommands(mark).every(info => info.SceneToken === scenes[0]),
      "reads carry the scene: " + JSON.stringify(ruleCommands(mark)));
check(savedToken("Normal Arming twice") === scenes[0], "restored");

// A visit to Normal Arming from scene 0, then scene 1, then Smart Function.
check(ui.click(NORMAL) && ui.click(SMART), "a trip to Normal Arming and back");
enterScene(1);
check(ui.click(SMART), "Smart Function on scene 1");
check(savedToken("scene 1 after a trip from scene 0") === scenes[1], "scene 1 stays");

// The Arming Interval tab chosen before the first picture: the rebuild over
// the picture keeps the parameter rows hidden.
check(control.Destroy() && control.SetDeviceLoginInfo(host.device, host.user, host.password, 1),
      "Destroy and a login straight after it");
enterScene(0, "Intrusion");
check(ui.click(ARMING_TAB), "Arming Interval before the picture");
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel is drawn over the picture");
check(!ui.find(ALARM_MODE).visible, "the parameter rows stay hidden under the Arming Interval tab");
check(ui.click(PARAM_TAB) && ui.find(ALARM_MODE).visible, "and come back with Param Set");
