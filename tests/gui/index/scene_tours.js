// Both scene tours against the simulator: the scene choices, the stay time
// range, the timer windows, edits kept across a window resize, and what the
// device holds after each save.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
function tour(type) {
    const r = sim.cmd("CMD_GetSceneTourData", {SceneTourType: type});
    check(r.ok, "read " + type);
    return r.info;
}
// Popup texts since the last call; `saved` waits for the save's own.
let shownTexts = [];
function texts() {
    const all = shownTexts.concat(ui.messages().map(m => m.text));
    shownTexts = [];
    return all;
}
function saved() {
    check(ui.click(18062), "save");
    check(host.waitUntil(() => (shownTexts = shownTexts.concat(ui.messages().map(m => m.text)))
                                   .indexOf("Save Success") >= 0), "saved: " + JSON.stringify(shownTexts));
    shownTexts = [];
}
// Resizes the window and waits until the tour area is laid out for the new
// width (the Save button stays centred); gives the commands sent meanwhile.
function resize(width, height) {
    const mark = sim.journalLength();
    const saveX = ui.find(18062).x;
    host.resize(width, height);
    check(host.waitUntil(() => ui.find(18062).x !== saveX), "laid out for " + width);
    return sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
}
function stay(row, text) {
    check(ui.doubleClick(15600 + row), "stay time cell " + row);
    check(ui.find(13600).visible, "edit box open");
    check(ui.setText(13600, text), "type " + text);
    check(!ui.find(13600).visible, "edit box closed");
    return ui.find(15600 + row).text;
}
function pick(id, item) { check(ui.select(id, item), "pick " + item + " in " + id); }

// Row 3 names the default scene, which the rows never offer.
check(sim.cmd("CMD_SetSceneTourData", {SceneTourType: "NormalSceneTour",
                                       Data: {Tour3: {simp: {AnalyticsConfigurationToken: "Scene_001"}}}}).ok,
      "row naming the default scene");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18002), "tour view");
check(host.waitUntil(() => ui.find(12600).visible), "the normal tour's rows");
const normalBefore = tour("NormalSceneTour");

// The default scene is never offered; its row shows "None" and keeps it.
check(JSON.stringify(ui.find(12600).items) === '["None","Entrance","Parking Lot"]', "choices");
check(ui.find(12603).currentIndex === 0, "row naming the default scene shows None");
check(ui.find(12600).currentIndex === 1, "row 0 shows Entrance");
host.screenshot(host.args[0] + "/tour-normal.png");

// Stay time: both bounds taken, one past either refused with the range.
ui.messages();
check(stay(1, "10") === "10", "minimum taken");
check(stay(1, "3600") === "3600", "maximum taken");
check(stay(1, "9") === "3600" && stay(1, "3601") === "3600", "outside refused");
check(JSON.stringify(texts()) === '["out of range:10-3600","out of range:10-3600"]', "range shown");
check(ui.check(17602, true), "clear flag of row 2");
pick(12602, "Parking Lot");
// A resize lays the rows out again and keeps what was changed.
let sent = resize(1100, 760);
check(ui.find(15601).text === "3600" && ui.find(17602).checked && ui.find(12602).text === "Parking Lot",
      "the edits survive the resize");
check(sent.length === 0, "a resize reads nothing: " + JSON.stringify(sent));
saved();
const normalAfter = tour("NormalSceneTour");
check(normalAfter.Tour3.simp.AnalyticsConfigurationToken === "Scene_001", "None row kept its token");
check(normalAfter.Tour1.simp.StayTime === "3600", "stay time saved");
check(normalAfter.Tour2.simp.ClearFlag === "true" &&
      normalAfter.Tour2.simp.AnalyticsConfigurationToken === "Scene_003", "row 2 saved");
normalBefore.Tour1.simp.StayTime = "3600";
normalBefore.Tour2.simp.ClearFlag = "true";
normalBefore.Tour2.simp.AnalyticsConfigurationToken = "Scene_003";
check(JSON.stringify(normalAfter) === JSON.stringify(normalBefore), "every other member unchanged");

// Timer tour: an end, then starts against the row's own end and the
// neighbour's window.
check(ui.click(18061), "timer tour");
check(host.waitUntil(() => ui.find(12650).visible), "the timer tour's rows");
const timerBefore = tour("TimeSceneTour");
pick(12700, "10:00");
pick(12650, "10:00");
check(ui.find(12650).currentIndex === 0, "start equal to the row's own end refused");
pick(12701, "12:00");
pick(12651, "05:00");
check(ui.find(12651).currentIndex === 0, "start inside another row's window refused");
pick(12651, "10:00");
check(ui.find(12651).currentIndex === 10, "start equal to another row's end taken");
check(JSON.stringify(texts()) === JSON.stringify(["The end time must be greater then start time",
                                                  "There is an overlap between two periods."]),
      "refusals explained");
pick(12600, "Entrance");
pick(12601, "Parking Lot");
pick(12750, "ON");
// "Every day" follows the days and ticks all of them.
check(ui.check(17700, false) && !ui.find(17707).checked, "Monday off: not every day");
check(ui.check(17707, true) && ui.find(17700).checked, "every day ticks Monday again");
sent = resize(1280, 800);
check(ui.find(12700).text === "10:00" && ui.find(12651).text === "10:00" && ui.find(12601).text === "Parking Lot" &&
      ui.find(12750).text === "ON" && ui.find(17707).checked, "the timer edits survive the resize");
check(sent.length === 0, "a resize reads nothing: " + JSON.stringify(sent));
host.screenshot(host.args[0] + "/tour-timer.png");
saved();
const timerAfter = tour("TimeSceneTour");
timerBefore.Tour0.simp = {AnalyticsConfigurationToken: "Scene_002", EndTime: "10:00", StartTime: "00:00"};
timerBefore.Tour1.simp = {AnalyticsConfigurationToken: "Scene_003", EndTime: "12:00", StartTime: "10:00"};
timerBefore.Enabled = "true";
check(JSON.stringify(timerAfter) === JSON.stringify(timerBefore),
      "timer tour as chosen, the rest unchanged: " + JSON.stringify(timerAfter));
