// Refusals and hostile replies: nothing changes on screen, the device's
// text is shown, nothing crashes.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function refuse(op, text) {
    check(sim.control({script: {op: op, reply: JSON.stringify({ack: "1", errinfo: text})}}), op);
}
function tiles() { return [0, 1, 2].filter(s => ui.find(15700 + s).visible); }
// The page runs a press from its event loop: a click is done when what it
// shows has come.
function click(id) { check(ui.click(id), "click " + id); }
let shown = [];
function textShown(test) {
    return host.waitUntil(() => (shown = shown.concat(ui.messages().map(m => m.text))).some(test));
}
function tourRead(mark, type) {
    return sim.journal(mark).some(e => e.request && e.request.op === "CMD_GetSceneTourData" &&
                                       e.request.info.SceneTourType === type);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
ui.messages();
refuse("CMD_SetCurScene", "PTZ is locked");
click(18012);
check(textShown(t => t === "PTZ is locked"), "set current refusal shown");
check(ui.property(18012, "vexoCurrent") === false && ui.property(18011, "vexoCurrent") === true,
      "tiles as before");
refuse("CMD_DelScene", "Scene does not exist");
click(18019);
check(textShown(t => t === "Scene does not exist") && tiles().length === 3, "delete refused");
refuse("CMD_AddScene", "Reach the max number of available scenes");
click(18005);
check(textShown(t => t.indexOf("max number") >= 0), "add refusal shown");
check(ui.page() === 0 && tiles().length === 3, "add refused: still the index page");

// A refused tour save keeps the edit on screen.
click(18002);
check(host.waitUntil(() => ui.find(15601).visible), "tour view");
refuse("CMD_SetSceneTourData", "Scene tour row does not exist");
check(ui.doubleClick(15601) && ui.setText(13600, "45"), "edit a stay time");
click(18062);
check(textShown(t => t === "Scene tour row does not exist") && ui.find(15601).text === "45",
      "tour save refused, edit kept");

// A tour record with missing and wrongly typed members.
check(sim.control({script: {op: "CMD_GetSceneTourData", reply: JSON.stringify({ack: "0", info: {
    Tour0: {simp: {StayTime: 5, AnalyticsConfigurationToken: ["x"]}}, Tour1: "text",
    Tour2: {name: 3, simp: null}, Tour3: {simp: {StayTime: "abc"}}, StayTime: {minInclusive: 1}}})}}),
      "odd tour record");
let mark = sim.journalLength();
click(18061);
check(host.waitUntil(() => tourRead(mark, "TimeSceneTour")), "the timer tour");
mark = sim.journalLength();
click(18060);
check(host.waitUntil(() => tourRead(mark, "NormalSceneTour")), "the normal tour again");
check(ui.find(12600).exists && ui.find(12600).currentIndex === 0, "odd rows show None");
check(sim.control({clear: true}), "clear scripts");

// Two hundred scenes: five page buttons moving over the 67 pages, so that
// every scene can be reached, and the view opens on the current scene.
const list = [];
for (let i = 0; i < 200; ++i) list.push({SceneName: "S" + i, SceneToken: "T" + i});
function loginWithCurrent(token) {
    check(sim.control({script: {op: "CMD_GetSceneList", reply: JSON.stringify({ack: "0", info: {
        SelectSceneToken: token, DefaultSceneToken: "T0", SceneList: list}})}}), "200 scenes");
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login with 200");
}
function buttonTexts() { return [18051, 18052, 18053, 18054, 18055].map(id => ui.find(id).text); }
loginWithCurrent("T0");
check(ui.find(18055).visible && !ui.find(18056).exists && tiles().length === 3, "five page buttons");
click(18055);
check(host.waitUntil(() => ui.find(15700).text === "S12"), "page 5 starts with the thirteenth scene");
check(JSON.stringify(buttonTexts()) === '["","","","6","7"]', "pages 3 to 7: " + buttonTexts());
click(18055);
check(host.waitUntil(() => ui.find(15700).text === "S18") &&
      JSON.stringify(buttonTexts()) === '["","6","7","8","9"]', "page 7, buttons 5 to 9: " + buttonTexts());
loginWithCurrent("T199");
check(ui.find(15700).text === "S198" && tiles().length === 2, "opens on the last page");
check(JSON.stringify(buttonTexts()) === '["63","64","65","66","67"]', "the last five: " + buttonTexts());
click(18051);
check(host.waitUntil(() => ui.find(15700).text === "S186"), "page 63 starts with S186");
