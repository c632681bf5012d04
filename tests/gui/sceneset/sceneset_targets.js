// The scene settings page shows on the live picture what the device's
// metadata menu offers: the camera's targets in their boxes.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const VIDEO = 15030;
const boxes = () => ui.property(VIDEO, "vexoMetadataTargets");

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
check(ui.openScene(0), "scene settings");
check(host.waitUntil(() => boxes() > 0, 15000), "the targets are drawn: " + boxes());
check(host.screenshot(host.args[0] + "/scene-targets.png"), "shot");
