// The scene settings page when the device fails: a PTZ press the device
// never answers (silent, and the page is back after the time-out) and a
// refused scene change (the device's text). The refused lock renewal is in
// sceneset_save.js, which runs the renewal timer fast.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const PAD = 21000, NAME = 13001, SAVE = 18108;
function refusal(text) { return JSON.stringify({ack: "1", errinfo: text, info: ""}); }

function sent(mark, test) { return sim.journal(mark).some(e => e.request && test(e.request)); }

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
let mark = sim.journalLength();
check(ui.openScene(0), "the first scene opens");
check(host.waitUntil(() => sent(mark, r => r.op === "CMD_MovePTZPosition")),
      "timer 1001 drives the dome to the scene's view");
check(ui.messages().length === 0, "a quiet start");

// The device stops answering: the press waits for the library's time-out
// (10 s), shows nothing, and the page takes input again.
check(sim.control({latency_ms: 30000}), "the device goes silent");
const pad = ui.find(PAD);
const started = Date.now();
check(ui.mouse(PAD, "press", pad.width / 2 + 40, pad.height / 2), "press");
const blocked = Date.now() - started;
check(sim.control({clear: true}), "the device answers again");
mark = sim.journalLength();
ui.mouse(PAD, "release", pad.width / 2 + 40, pad.height / 2);
console.log("a press on a silent device held the page " + blocked + " ms");
check(blocked >= 8000 && blocked < 13000, "the press ends with the time-out: " + blocked + " ms");
check(host.waitUntil(() => sent(mark, r => r.stop === 1)), "the release stops the move");
check(ui.page() === 1 && ui.messages().length === 0, "silent, the page stays");

// A refused scene change shows the device's text and no success.
check(sim.control({script: {op: "CMD_ModifyScene", reply: refusal("Scene name already exists")}}),
      "the scene change is refused");
check(ui.setText(NAME, "North Gate") && ui.click(SAVE), "save");
const saveMessages = ui.messages();
check(saveMessages.length === 1 && saveMessages[0].title === "error" &&
      saveMessages[0].text.length > 0, "the device's text: " + JSON.stringify(saveMessages));
check(sim.cmd("CMD_GetSceneList").info.SceneList[0].SceneName !== "North Gate", "nothing changed");
