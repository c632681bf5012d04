// Recover resets a rule or the modules on the device only once the operator
// has said OK to the question; Cancel sends nothing. Where Recover only
// shows again what the device holds (scene settings, normal alarms) its
// tool tip says so. Both languages.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const rule02 = {SceneToken: "Scene_001", SmartFunName: "zelk:Intrusion_Event", RuleToken: "Intrusion_Event 02"};
const texts = {
    english: {question: "Restore the device's default values? The current settings on the device are lost.",
              tip: "Shows again what the device holds; unsaved edits are dropped.",
              done: "Recover successfully"},
    chinese: {question: "是否恢复设备的默认参数？设备上的当前设置将丢失。",
              tip: "重新显示设备中保存的设置，未保存的修改将丢失。",
              done: "恢复成功"},
};
const sent = mark => sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
function openIntrusion(caption) {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    for (let id = 18310; id < 18400; ++id) if (ui.find(id).visible && ui.find(id).text === caption) ui.click(id);
    check(ui.click(18462), "rule 02");
}

for (const language of ["english", "chinese"]) {
    const t = texts[language];
    check(control.SetLanguage(language), language);
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
    openIntrusion(language === "english" ? "Intrusion" : "区域入侵");
    check(sim.cmd("CMD_ModifyRuleModuleParam", Object.assign({CMDType: "Modify",
          RuleModuleData: {AlarmMode: "Delayed"}}, rule02)).ok, "the rule differs from its defaults");
    ui.messages();

    // Cancel: asked, nothing sent, the device keeps the rule.
    ui.answer("cancel");
    let mark = sim.journalLength();
    ui.click(18393);
    let messages = ui.messages();
    check(messages.length === 1 && messages[0].text === t.question, language + " question: " + JSON.stringify(messages));
    check(sent(mark).length === 0, "Cancel sends nothing: " + JSON.stringify(sent(mark)));
    check(sim.cmd("CMD_GetRuleModuleParam", rule02).info.AlarmMode === "Delayed", "the rule is as it was");

    // OK: the reset, as before.
    ui.answer("ok");
    mark = sim.journalLength();
    check(ui.click(18393), "Recover");
    messages = ui.messages();
    check(messages.length === 2 && messages[0].text === t.question && messages[1].text === t.done,
          "asked, then recovered: " + JSON.stringify(messages));
    check(sent(mark).includes("CMD_ModifyRuleModuleParam"), "the reset is sent");
    check(sim.cmd("CMD_GetRuleModuleParam", rule02).info.AlarmMode === "Immediate", "the device's default");

    // The modules of "Advance Param" are asked for alike.
    check(ui.click(18460), "Advance Param");
    ui.answer("cancel");
    mark = sim.journalLength();
    ui.click(18393);
    check(ui.messages().length === 1 && sent(mark).length === 0, "the modules: asked, nothing sent");
    ui.answer("ok");

    // Reload-only Recovers explain themselves.
    check(ui.property(18111, "toolTip") === t.tip, "normal arming Recover's tip: " + ui.property(18111, "toolTip"));
    check(ui.openScene(0), "scene settings");
    check(ui.property(18109, "toolTip") === t.tip, "scene settings Recover's tip: " + ui.property(18109, "toolTip"));
    check(control.Destroy(), "destroyed");
}
