// A device that is gone (connections refused) or hung (it takes requests in
// and answers none) during an operator action: the operator reads what
// failed within a second (gone) or one link time-out (hung), the edits
// stay, and the same action works once the device is back.
// host.args: [output folder, "gone" or "hung", "smart" or "pages"]
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const [, mode, group] = host.args;
const gone = mode === "gone";
const limitMs = gone ? 1000 : 11000;
const happened = gone ? "Cannot reach the device" : "The device did not answer";
const SAVE = 18392, RECOVER = 18393, ADD = 18451, DEL = 18452, SCHEDULE_TAB = 18396;
const RULE_1 = 18461, RULE_NAME = 13102, SMART = 18006, NORMAL = 18007;

function breakDevice() {
    check(sim.control(gone ? {offline_ms: 1500} : {hang_ms: -1}), "the device breaks");
}
function mendDevice() {
    if (gone) check(host.waitUntil(() => sim.control({}), 10000), "the device is back");
    else check(sim.control({hang_ms: 0}), "the device answers again");
}
// `act` runs with the device broken; exactly one message follows: the error
// `purpose + " failed: " + happened`, after the other texts in `before`.
function failing(what, act, purpose, before = []) {
    ui.messages();
    breakDevice();
    const start = Date.now();
    act();
    const took = Date.now() - start;
    const messages = ui.messages();
    mendDevice();
    const texts = messages.map(m => m.text);
    const expected = before.concat([purpose + " failed: " + happened]);
    check(JSON.stringify(texts) === JSON.stringify(expected) && messages[messages.length - 1].title === "error",
          what + ": " + JSON.stringify(messages));
    check(took < limitMs, what + " took " + took + " ms");
    console.log(mode + " device, " + what + ": the message after " + took + " ms");
}
function lastMessageIs(text, what) {
    const messages = ui.messages();
    check(messages.length > 0 && messages[messages.length - 1].text === text, what + ": " + JSON.stringify(messages));
}
function openIntrusion() {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
    check(host.waitUntil(() => ui.find(RULE_1).visible, 3000) && ui.click(RULE_1), "Intrusion rule 01");
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
if (group === "smart") {
    openIntrusion();
    check(ui.setText(RULE_NAME, "Yard"), "a name typed");
    // A refusal's text is the device's last word, not what a later failure says.
    check(sim.control({script: {op: "CMD_ModifyRuleModuleParam", reply: '{"ack":"1","errinfo":"Busy"}'}}), "refused");
    check(ui.click(SAVE), "a refused save");
    lastMessageIs("Busy", "the device's text");
    check(sim.control({clear: true}), "no longer refused");
    failing("Save", () => ui.click(SAVE), "Saving the rule");
    check(ui.find(RULE_NAME).text === "Yard", "the typed name stays");
    check(ui.click(SAVE), "Save again");
    lastMessageIs("Save Success", "saved once the device is back");

    check(ui.setText(RULE_NAME, "Gate"), "another name");
    // Recover asks first (the script answers OK); then the device fails.
    failing("Recover", () => ui.click(RECOVER), "Restoring the defaults",
            ["Restore the device's default values? The current settings on the device are lost."]);
    check(ui.find(RULE_NAME).text === "Gate", "the panel keeps the edit");

    failing("Add", () => ui.click(ADD), "Adding the rule");
    check(!ui.find(18463).visible, "no rule added");
    check(ui.click(ADD) && ui.find(18463).visible, "added once the device is back");
    ui.messages();

    failing("Del", () => ui.click(DEL), "Deleting the rule", ["  Delete current rule"]);
    check(ui.find(18463).visible, "the rule stays");

    failing("a tab", () => ui.click(SCHEDULE_TAB), "Reading the schedule");
    check(ui.click(RULE_1) && ui.click(SCHEDULE_TAB) && ui.messages().length === 0, "the tab once the device is back");
} else {
    openIntrusion();
    failing("Normal Arming", () => ui.click(NORMAL), "Reading the settings");
    check(ui.page() === 3, "the page is shown all the same");
    check(ui.click(SMART) && ui.click(NORMAL) && ui.messages().length === 0, "Normal Arming once the device is back");
    check(ui.click(SMART), "back to the smart functions");

    check(ui.click(18106), "back to the index page");
    failing("scene settings", () => ui.openScene(0), "Locking the PTZ");
    check(ui.page() === 1, "the scene settings page is shown");
    check(ui.click(18106) && ui.openScene(0) && ui.messages().length === 0, "scene settings once the device is back");
}
