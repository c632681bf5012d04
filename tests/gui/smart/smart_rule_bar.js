// The rule bar: which slot and token "Add" takes, "Del" with OK and Cancel,
// the eight-rule limit and a slot without a stored rule.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const kFun = "zelk:Intrusion_Event";
const info = token => ({SceneToken: "Scene_001", SmartFunName: kFun, RuleToken: token});

function enterIntrusion() {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    check(ui.page() === 2, "the smart configuration page is entered");
    let other = -1, intrusion = -1;
    for (let id = 18310; id < 18400; ++id) {
        const f = ui.find(id);
        if (f.visible && f.text === "Intrusion") intrusion = id;
        else if (f.visible && other < 0) other = id;
    }
    // Choosing another function and back reads the rule list again.
    check(ui.click(other) && ui.click(intrusion), "the Intrusion function");
}
function ops(mark, op) {
    return sim.journal(mark).filter(e => e.request && e.request.op === op).map(e => e.request.info);
}
function ruleCaptions() {
    const captions = [];
    for (let id = 18461; id <= 18468; ++id) captions.push(ui.find(id).visible ? ui.find(id).text : "");
    return captions.join(",");
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
// The device holds Intrusion_Event 01 and 03.
check(sim.cmd("CMD_AddRule", info("Intrusion_Event 03")).ok && sim.cmd("CMD_DelRule", info("Intrusion_Event 02")).ok,
      "the device's rules are set up");
enterIntrusion();
check(ruleCaptions() === "Rule 01,Rule 03,,,,,,", "one button per rule: " + ruleCaptions());

// Slot 3 is the first free one; its token 03 is taken, then 01, so 02.
let mark = sim.journalLength();
ui.click(18451);
check(ops(mark, "CMD_AddRule").map(i => i.RuleToken).join() === "Intrusion_Event 02", "the token taken");
check(ruleCaptions() === "Rule 01,Rule 03,Rule 02,,,,,", "its button: " + ruleCaptions());

// Del asks first; Cancel sends nothing.
ui.answer("cancel");
mark = sim.journalLength();
ui.click(18452);
let messages = ui.messages();
check(messages.length === 1 && messages[0].text === "  Delete current rule", "the question: " + JSON.stringify(messages));
check(ops(mark, "CMD_DelRule").length === 0 && ui.find(18463).visible, "Cancel keeps the rule");

// OK deletes the selected rule; its slot is emptied and refilled by Add.
ui.answer("ok");
ui.click(18452);
check(ops(mark, "CMD_DelRule").map(i => i.RuleToken).join() === "Intrusion_Event 02", "the rule deleted");
check(ruleCaptions() === "Rule 01,Rule 03,,,,,,", "its button hidden: " + ruleCaptions());
check(ops(mark, "CMD_GetRuleModuleParam").pop().RuleToken === "Intrusion_Event 03", "the rule before it is shown");
check(!sim.cmd("CMD_GetRuleModuleParam", info("Intrusion_Event 02")).ok, "gone from the device");
mark = sim.journalLength();
ui.click(18451);
check(ops(mark, "CMD_AddRule").map(i => i.RuleToken).join() === "Intrusion_Event 02", "the slot is reused");

// Up to eight rules; the ninth Add says so and sends nothing.
for (let i = 0; i < 5; ++i) ui.click(18451);
check(ruleCaptions() === "Rule 01,Rule 03,Rule 02,Rule 04,Rule 05,Rule 06,Rule 07,Rule 08", ruleCaptions());
ui.messages();
mark = sim.journalLength();
ui.click(18451);
messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Reach the max number of available rules" && messages[0].title === "tips",
      JSON.stringify(messages));
check(sim.journal(mark).length === 0, "nothing sent at the limit");

// A rule list with an empty token: that slot holds no stored rule yet.
check(sim.control({script: {op: "CMD_QueryRule",
                            reply: '{"ack":"0","errinfo":"","info":[{"RuleToken":"Intrusion_Event 01"},{"RuleToken":""}]}'}}),
      "scripted rule list");
enterIntrusion();
check(ruleCaptions() === "Rule 01,Rule ,,,,,,", "a slot without a stored rule: " + ruleCaptions());
mark = sim.journalLength();
ui.click(18451);
messages = ui.messages();
check(messages.length === 1 && messages[0].text === "Please save the added rule", JSON.stringify(messages));
check(sim.journal(mark).length === 0, "nothing sent for it");
