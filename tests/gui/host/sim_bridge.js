// The test's own view of the device: journal, knobs and vexo-cmd.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const mark = sim.journalLength();
check(mark > 0, "the login is journalled");
const scenes = sim.cmd("CMD_GetSceneList");
check(scenes.ok && typeof scenes.info === "object", "vexo-cmd reads the scene list: " + JSON.stringify(scenes));
const sent = sim.journal(mark).map(e => e.request && e.request.op);
check(sent.indexOf("CMD_GetSceneList") >= 0, "the journal holds vexo-cmd's request: " + JSON.stringify(sent));

check(sim.control({fault: {op: "CMD_GetSceneList", kind: "status500"}}), "a fault is set");
const refused = sim.cmd("CMD_GetSceneList");
check(!refused.ok && refused.info === null && refused.error !== "", "the fault reaches vexo-cmd");
check(sim.control({clear: true}), "knobs cleared");
check(sim.cmd("CMD_NoSuchCommand").ok === false, "an unknown command is refused");
check(sim.configGet().length > 0, "the batch configuration is read");
