// A scene with fourteen functions: every one gets a button on its tile,
// the buttons past the second row are reached by scrolling the tile's
// function area, and each button carries the function's whole name, in
// two lines under it and as its tool tip.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const BAR = 19700, FIRST_FUNCTION = 18150;
// Every function of the simulated device but the two that conflict with
// Face Detection, with their English names.
const names = {
    "zelk:Abandoned_Object_Detection_Event": "Abandoned Object", "zelk:Abnormal_Sound_Event": "Abnormal Sound",
    "zelk:Defocus_Detection_Event": "Defocus", "zelk:Detail_Event": "Blur",
    "zelk:Face_Detection_Event": "Face Detection", "zelk:Fast_Moving_Event": "Fast Moving",
    "zelk:Global_Motion_Event": "Scene Change", "zelk:Image_Color_Reproduction_Error_Detection_Event": "Color Cast",
    "zelk:Intrusion_Event": "Intrusion", "zelk:Loitering_Event": "Loitering",
    "zelk:Remove_Object_Event": "Removed Object", "zelk:Scene_High_Brightness_Error_Detection_Event": "Too Bright",
    "zelk:Scene_Low_Brightness_Error_Detection_Event": "Too Dark", "zelk:Wire_Cross_Event": "Wire Crossing"};
const functions = Object.keys(names);
const scene = sim.cmd("CMD_GetSceneList").info.SceneList[0];
check(sim.cmd("CMD_ModifyScene", {SceneName: scene.SceneName, SceneToken: scene.SceneToken,
      SceneConfigSmartFun: functions.map(f => ({SmartFunName: f}))}).ok, "fourteen functions on the first scene");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");

// Slot 0's function buttons: 18150 + 3 x the function's place + 0.
const buttons = [];
for (let id = FIRST_FUNCTION; id <= 18300; id += 3) {
    if (ui.find(id).visible) buttons.push(id);
}
check(buttons.length === functions.length, "a button per function: " + buttons.length);
const shownNames = buttons.map(id => ui.property(id, "toolTip")).sort();
check(JSON.stringify(shownNames) === JSON.stringify(Object.values(names).sort()),
      "the buttons' tool tips name the functions: " + JSON.stringify(shownNames));
// The name under each button: the whole name, broken between its words.
for (const id of buttons) {
    const label = ui.find(id - 3000);
    check(label.visible && label.text.replace("\n", " ") === ui.property(id, "toolTip") &&
          ui.property(id - 3000, "toolTip") === ui.property(id, "toolTip"),
          "the name under " + id + ": " + JSON.stringify(label.text));
}
check(buttons.some(id => ui.find(id - 3000).text === "Abnormal\nSound"), "a name in two lines");

// The area shows two rows of five; the scroll bar beside it brings the rest.
function inView(id) {
    const bar = ui.find(BAR), button = ui.find(id);
    return button.y >= bar.y && button.y + button.height <= bar.y + bar.height;
}
const bar = ui.find(BAR);
check(bar.visible, "the tile's function area scrolls");
check(buttons.filter(inView).length === 10, "ten buttons in view at first");
check(ui.drag(BAR, 3, 4, 3, bar.height - 1), "drag the scroll bar down");
const below = buttons.slice(10);
check(below.every(inView), "the eleventh and later buttons are in view: " +
      JSON.stringify(below.map(id => [ui.find(id).y, bar.y, bar.height])));
host.screenshot(host.args[0] + "/index-functions.png");

// The last one opens the smart configuration page on its function.
const last = below[below.length - 1];
const wanted = functions.filter(f => names[f] === ui.property(last, "toolTip"))[0];
const mark = sim.journalLength();
check(ui.click(last), "the last function's button");
check(host.waitUntil(() => ui.page() === 2), "the smart configuration page");
const queried = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_QueryRule")
    .map(e => e.request.info.SmartFunName);
check(queried.length > 0 && queried[0] === wanted, "entered with " + wanted + ": " + JSON.stringify(queried));
