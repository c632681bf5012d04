// Periods on the smart configuration page's "Arming Interval" tab: one
// drawn with the mouse starts and ends on whole 5-minute steps; a double
// click on it lets the operator type its times, which the device then holds
// as typed. Times past 24:00 and an end before the start are refused with a
// message and change nothing.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const MONDAY = 15610, START = 13600, END = 13601, SAVE = 18392;
const owner = {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 01"};

function mondayOnDevice() {
    const schedule = sim.cmd("CMD_GetGuardSchedules", owner);
    check(schedule.ok, "the device reads the week: " + schedule.error);
    return schedule.info.Mon.simp;
}
function save() {
    check(ui.click(SAVE), "Save");
    const messages = ui.messages().map(m => m.text);
    check(messages.indexOf("Save Success") >= 0, "saved: " + JSON.stringify(messages));
}
// Double-clicks the period at `x` of Monday's bar and types its times in
// the popup that opens; returns the messages shown meanwhile.
function type(x, start, end) {
    const y = ui.find(MONDAY).height / 2;
    let typed = false;
    check(ui.mouse(MONDAY, "press", x, y) && ui.mouse(MONDAY, "release", x, y), "a click");
    // Typed in the popup the double click opens, before it is answered. The
    // host may run this timer before the double click (it lets a busy
    // control finish first): then it waits for the popup's own loop.
    const typeInPopup = () => {
        if (!ui.find(START).visible) {
            host.later(0, typeInPopup);
            return;
        }
        typed = ui.setText(START, start) && ui.setText(END, end);
    };
    host.later(0, typeInPopup);
    check(ui.mouse(MONDAY, "double", x, y) && ui.mouse(MONDAY, "release", x, y), "a double click");
    check(typed, "times typed in the popup: " + start + " - " + end);
    return ui.messages().map(m => m.text).filter(t => t.indexOf(" - ") < 0);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === "Intrusion") ui.click(id);
check(ui.click(18461), "rule 01");
check(ui.click(18396) && ui.find(MONDAY).visible, "the Arming Interval tab");
check(ui.click(18621), "All Clear");

// Drawn from an odd pixel to another: the times land on whole steps.
const bar = ui.find(MONDAY);
check(ui.drag(MONDAY, 163, bar.height / 2, 349, bar.height / 2), "a period drawn");
save();
let monday = mondayOnDevice();
const drawn = String(monday["GuardTime 1"]).split("|").map(Number);
check(Object.keys(monday).length === 1 && drawn.length === 2, "one period: " + JSON.stringify(monday));
check(drawn[0] % 5 === 0 && drawn[1] % 5 === 0 && drawn[0] < drawn[1],
      "whole 5-minute steps: " + JSON.stringify(monday));

// Typed times, kept as typed.
check(JSON.stringify(type(250, "06:07", "11:59")) === "[]", "typed times are taken");
check(ui.find(15600).text === "06:07" && ui.find(15601).text === "11:59", "the labels show them");
const x = Math.round(bar.width * 9 / 24);  // 09:00, inside the period now
check(JSON.stringify(type(x, "23:00", "24:30")) === JSON.stringify(["Enter the times as HH:MM, from 00:00 to 24:00."]),
      "past 24:00 is refused");
check(JSON.stringify(type(x, "12:00", "08:00")) === JSON.stringify(["The end time must be greater then start time"]),
      "an end before the start is refused");
check(JSON.stringify(type(x, "6:7", "11:59")) === JSON.stringify(["Enter the times as HH:MM, from 00:00 to 24:00."]),
      "minutes need two digits");
host.screenshot(host.args[0] + "/typed-period.png");
save();
monday = mondayOnDevice();
check(JSON.stringify(monday) === '{"GuardTime 1":"367|719"}', "the device holds the typed period: " + JSON.stringify(monday));
