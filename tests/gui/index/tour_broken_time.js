// A timer tour row whose times the device sends broken ("24:0010" is past
// the end of the day, "9:30" lacks a digit): the row shows the device's text
// as it is, and a save of another row sends it back unchanged.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const START = 12650, END = 12700;

const held = sim.cmd("CMD_GetSceneTourData", {SceneTourType: "TimeSceneTour"}).info;
check(held.Tour1 && held.Tour1.simp, "the device has a second timer row: " + JSON.stringify(held));
const broken = JSON.parse(JSON.stringify(held));
broken.Tour1.simp.StartTime = "24:0010";
broken.Tour1.simp.EndTime = "9:30";
check(sim.control({script: {op: "CMD_GetSceneTourData",
                            reply: JSON.stringify({ack: "0", errinfo: "", info: broken})}}), "the broken answer");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.click(18002) && ui.click(18061), "the timer tour");
for (const [id, text] of [[START + 1, "24:0010"], [END + 1, "9:30"]]) {
    check(ui.find(id).currentIndex === -1 && ui.property(id, "placeholderText") === text,
          id + " shows the device's " + text + ": " + ui.find(id).currentIndex + " " + ui.property(id, "placeholderText"));
}
check(ui.find(START).currentIndex >= 0 && ui.property(START, "placeholderText") === "", "a good row shows its hour");

const mark = sim.journalLength();
check(ui.select(12600, "Entrance") && ui.click(18062), "save a change of row 0");
ui.messages();
const sent = sim.journal(mark).filter(e => e.request && e.request.op === "CMD_SetSceneTourData");
check(sent.length === 1, "one save");
const rows = sent[0].request.info.Data;
check(rows.Tour1.simp.StartTime === "24:0010" && rows.Tour1.simp.EndTime === "9:30",
      "the broken row goes back as the device sent it: " + JSON.stringify(rows.Tour1));
