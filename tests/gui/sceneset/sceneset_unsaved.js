// An edited module tab is marked " *"; leaving it (another tab, Return)
// asks "Save changes?": Cancel stays with the edit and writes nothing,
// Discard shows the device's value again, Save writes the module first.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const RETURN = 18100, PTZ_TAB = 18102, CALIBRATION = 18104, LIMITS = 18105, MODE = 12100;

const sent = mark => sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
const marked = id => / \*$/.test(ui.find(id).text);
function asked(what) {
    const shown = ui.messages();
    check(shown.length >= 1 && shown[0].text === "Save changes?", what + ": " + JSON.stringify(shown));
    return shown;
}
function editMode() {
    const combo = ui.find(MODE);
    check(ui.select(MODE, (combo.currentIndex + 1) % combo.items.length), "another calibration mode");
    return ui.find(MODE).text;
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.openScene(0), "scene settings");
check(ui.click(CALIBRATION) && ui.find(CALIBRATION).text === "Camera Calibration", "the calibration tab");
const stored = ui.find(MODE).text;
ui.messages();

const edited = editMode();
check(marked(CALIBRATION) && !marked(LIMITS), "the edited tab is marked: " + ui.find(CALIBRATION).text);

// Cancel: still on the tab, the edit intact, nothing written.
ui.answer("cancel");
let mark = sim.journalLength();
ui.click(LIMITS);
asked("another tab asks");
check(ui.find(MODE).visible && ui.find(MODE).text === edited && marked(CALIBRATION), "Cancel keeps the edit");
ui.click(RETURN);
asked("Return asks");
check(ui.page() === 1 && ui.find(MODE).text === edited, "Cancel stays on the page");
check(!sent(mark).includes("CMD_ModifyRuleModuleParam"), "Cancel writes nothing: " + JSON.stringify(sent(mark)));

// Discard: the tab shows the device's value again.
ui.answer("discard");
check(ui.click(PTZ_TAB), "to the PTZ tab");
asked("Discard is asked first");
check(!sent(mark).includes("CMD_ModifyRuleModuleParam"), "Discard writes nothing");
check(ui.click(CALIBRATION) && ui.messages().length === 0, "an unchanged tab is left without a question");
check(ui.find(MODE).text === stored && !marked(CALIBRATION), "the device's value is back: " + ui.find(MODE).text);

// Save: written, then the other tab opens.
ui.answer("ok");
const saved = editMode();
mark = sim.journalLength();
check(ui.click(LIMITS), "to the PTZ limits");
const answers = asked("Save is asked first");
check(answers.some(m => m.text === "Save Success"), "saved: " + JSON.stringify(answers));
check(sent(mark).includes("CMD_ModifyRuleModuleParam") && !marked(CALIBRATION), "the journal shows the write");
check(ui.click(CALIBRATION) && ui.find(MODE).text === saved, "the device holds the saved mode");
