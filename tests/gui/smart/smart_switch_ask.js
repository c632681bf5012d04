// Smart Switch asks before it turns the analytics off: Cancel sends nothing,
// OK turns them off; while they are off the smart group shows a notice that
// says how to turn them on, and turning them on asks nothing.
// vexo-host ... -- OUT LANGUAGE [FOLDER]: the picture goes to FOLDER, else to OUT.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const SWITCH = 18003, SMART = 18006, NORMAL = 18007, NOTICE = 15040;
const language = host.args[1], folder = host.args[2] || host.args[0];
const question = {
    english: "Turn the smart functions off? No rule detects anything until they are turned on again.",
    chinese: "确定关闭智能功能吗？再次开启前，所有规则都不再检测。",
}[language];
const switchCommands = mark => sim.journal(mark)
    .filter(e => e.request && e.request.op === "CMD_SetSmartStatus").map(e => e.request.info.status);
const deviceStatus = () => sim.cmd("CMD_GetSmartStatus").info.status;

check(control.SetLanguage(language), "language " + language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 800);
check(ui.page() === 0 && !ui.find(NOTICE).visible, "analytics on: the index page, no notice");
ui.messages();

ui.answer("cancel");
let mark = sim.journalLength();
check(ui.click(SWITCH), "Smart Switch");
let asked = ui.messages();
check(asked.length === 1 && asked[0].text === question, "the question: " + JSON.stringify(asked));
check(switchCommands(mark).length === 0, "Cancel sends nothing: " + JSON.stringify(switchCommands(mark)));
check(ui.page() === 0 && deviceStatus() === "TRUE", "the analytics stay on");

ui.answer("ok");
mark = sim.journalLength();
check(ui.click(SWITCH), "Smart Switch again");
asked = ui.messages();
check(asked.length === 1 && asked[0].text === question, "asked again: " + JSON.stringify(asked));
check(JSON.stringify(switchCommands(mark)) === '["FALSE"]', "OK sends one: " + JSON.stringify(switchCommands(mark)));
check(deviceStatus() === "FALSE", "the device's analytics are off");
check(ui.page() === -1, "the analytics pages are hidden");
const notice = ui.find(NOTICE);
check(notice.visible && notice.text.length > 0 && notice.text.indexOf(ui.find(SWITCH).text) >= 0,
      "the notice names the switch: " + JSON.stringify(notice));
check(host.screenshot(folder + "/smart-off-" + language + ".png"), "picture");

check(ui.click(NORMAL) && ui.page() === 3 && !ui.find(NOTICE).visible, "no notice in Normal Arming");
check(ui.click(SMART) && ui.find(NOTICE).visible, "the notice again in the smart group");

mark = sim.journalLength();
check(ui.click(SWITCH), "Smart Switch turns them on");
check(ui.messages().length === 0, "turning on asks nothing");
check(JSON.stringify(switchCommands(mark)) === '["TRUE"]', "one command: " + JSON.stringify(switchCommands(mark)));
check(ui.page() === 0 && !ui.find(NOTICE).visible, "the index page is back, the notice gone");
