// Testing a rule on the live picture: a wire moved across the road counts
// the cars that cross it (the small count on its rule button), and once it
// is moved into the sky the count stays where it is. The picture shows the
// targets' boxes meanwhile.
host.include("smart_steps.js");
const VIDEO = 15030;
const RULE_01 = 18461;
// In the language of the first argument; pictures go to the second
// argument's folder when given (the guide's), else the test's.
const language = host.args[1] || "english", folder = host.args[2] || host.args[0];
const caption = {english: "Wire Crossing", chinese: "越线检测"}[language];
const saved = {english: "Save Success", chinese: "保存成功"}[language];
function saveRule() {
    check(ui.click(18392), "Save");
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].text === saved, JSON.stringify(messages));
}
const hits = () => ui.property(RULE_01, "vexoRuleHits");
// The rule's wire as the device keeps it.
function storedWire() {
    const reply = sim.cmd("CMD_GetRuleModuleParam", {SceneToken: "Scene_001",
        SmartFunName: "zelk:Wire_Cross_Event", RuleToken: "Wire_Cross_Event 01"});
    check(reply.ok, "the rule reads: " + reply.error);
    return points(reply.info.Wire.polygon[0].VexoPolygon);
}

check(control.SetLanguage(language), "language " + language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
enterFunction(caption);
check(ui.click(RULE_01), "rule 01");
check(hits() === 0, "a rule opened has fired on nothing yet: " + hits());
check(host.waitUntil(() => ui.property(VIDEO, "vexoMetadataTargets") > 0, 15000),
      "the targets' boxes are drawn over the picture");

// Upward across the road (the 640 x 360 picture's lower part), so that its
// arrow A, the rule's "A to B", points right, the way the near lane drives.
check(ui.click(11000), "the wire's button");
click(330, 352);
click(330, 190);
saveRule();
const across = storedWire();
check(across[0][1] < -0.9 && across[1][1] > -0.2 && Math.abs(across[0][0] - across[1][0]) < 0.01,
      "the wire stands upright across the road: " + JSON.stringify(across));
check(host.waitUntil(() => hits() > 0, 60000), "a car crossed the wire: " + hits());
check(host.screenshot(folder + "/live-counting-" + language + ".png"), "shot of the counting wire");

// Into the sky: nothing walks or drives up there. (The rule opened afresh,
// its drawing button draws a new wire again.)
check(ui.click(RULE_01), "rule 01 again");
check(ui.click(11000), "the wire's button");
click(200, 20);
click(460, 30);
saveRule();
check(storedWire().every(([x, y]) => y > 0.8), "the wire is in the sky: " + JSON.stringify(storedWire()));
host.wait(1000);  // pictures already on their way were taken with the old wire
const settled = hits();
host.wait(8000);  // showing that the count does not rise
check(hits() === settled, "the wire in the sky counted " + (hits() - settled) + " more");
check(host.screenshot(folder + "/live-sky-" + language + ".png"), "shot of the wire in the sky");
