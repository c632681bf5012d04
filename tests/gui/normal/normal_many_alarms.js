// A device listing 100 normal alarms, some of types the localisation file
// does not know: every alarm gets a button, unknown types show their own
// name, and picking any of them leaves a working page.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const kFirstAlarm = 18200;

const alarms = [];
for (let i = 1; i <= 98; ++i) {
    alarms.push({NormalAlarmType: "zelk:Alarm_Input_Event", NormalAlarmToken: "AlarmIn " + i});
}
alarms.push({NormalAlarmType: "zelk:Odd_Event", NormalAlarmToken: "X 1"});
alarms.push({NormalAlarmType: "vendor.Weird<Type>", NormalAlarmToken: "Y 1"});
check(sim.control({script: {op: "CMD_GetAllNormalAlarmFunName",
                            reply: JSON.stringify({ack: "0", errinfo: "", info: alarms})}}),
      "alarm list scripted");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18007) && ui.page() === 3, "normal arming group");
// Once the picture plays the panel is built again over it; the script goes on after.
check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the panel over the picture");
check(ui.find(kFirstAlarm + 99).exists && !ui.find(kFirstAlarm + 100).exists, "100 buttons");
check(ui.find(kFirstAlarm + 1).text === "Alarm Input (AlarmIn 2)", "known type by display name");
check(ui.find(kFirstAlarm + 98).text === "zelk:Odd_Event", "unknown type by its name");
host.screenshot(host.args[0] + "/many.png");

// The last alarms, out of sight below the fold: the list scrolls to them.
check(ui.click(kFirstAlarm + 99), "the last alarm");
check(ui.find(kFirstAlarm + 99).y > ui.find(kFirstAlarm).y, "laid out below the first");
check(ui.find(18100).visible && !ui.find(18101).visible, "an unknown alarm has the parameter tab only");
check(ui.click(18110), "saving it does not crash");
ui.messages();
check(ui.click(kFirstAlarm + 97) && ui.find(18101).visible, "a known alarm again");
check(ui.click(18101) && ui.find(17600).visible, "its arming interval");
