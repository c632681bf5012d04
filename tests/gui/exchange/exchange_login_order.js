// The login sends its commands in the order of the login worker and the
// page manager's refresh, one scene's functions after another, on the
// manager's own session; the pages it then creates send nothing more
// before the operator acts.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
const commands = sim.journal(0).filter(e => e.path === "/vexo/v1/smart");
const sessions = new Set(commands.map(e => e.session));
const order = commands.map(e => e.request.op + (e.request.info.SceneToken ? " " + e.request.info.SceneToken : ""));
const expected = ["CMD_ParamInit", "CMD_GetConfigInfo", "CMD_GetAllNormalAlarmFunName",
                  "CMD_GetSmartStatus", "CMD_GetSceneList"];
// The scenes' function lists go out together: any order among themselves.
const sceneReads = sim.cmd("CMD_GetSceneList").info.SceneList.map(s => "CMD_GetAllSupportSmartFunName " + s.SceneToken);
// The normal alarm list and the analytics' state go out together too.
const inOrder = order.slice(0, 2).concat(order.slice(2, 4).sort(), [order[4]],
                                         order.slice(expected.length).sort());
check(JSON.stringify(inOrder) === JSON.stringify(expected.concat(sceneReads.sort())),
      "the login's commands: " + JSON.stringify(order));
check(sessions.size === 1, "one session: " + JSON.stringify([...sessions]));
