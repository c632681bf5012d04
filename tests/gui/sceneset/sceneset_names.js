// A scene's name is saved without the blanks around it; a name of blanks
// only is refused as an empty one. Moving a function that conflicts with one
// of the scene says which. Both languages, with a picture of each refusal.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const NAME = 13001, SAVE = 18108;
const SCENE_LIST = 20001, INTELLIGENCE_LIST = 20002, ADD_SELECTED = 11081, REMOVE_ALL = 11084;
const texts = {
    english: {empty: "Scene name can't be empty", face: "Face Detection", crowd: "Crowd Gathering",
              conflict: "Crowd Gathering cannot run together with Face Detection in one scene."},
    chinese: {empty: "场景名称不能为空", face: null, crowd: null, conflict: null},
};
const sent = mark => sim.journal(mark).filter(e => e.request && e.request.op).map(e => e.request.op);
const sceneName = () => sim.cmd("CMD_GetSceneList").info.SceneList[1].SceneName;

for (const language of ["english", "chinese"]) {
    const t = texts[language];
    check(control.SetLanguage(language), language);
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
    check(ui.openScene(1), "the second scene");
    const before = sceneName();

    ui.messages();
    let mark = sim.journalLength();
    check(ui.setText(NAME, "   ") && ui.click(SAVE), "three blanks saved");
    let shown = ui.messages();
    check(shown.length === 1 && shown[0].text === t.empty, "blanks refused: " + JSON.stringify(shown));
    check(sent(mark).indexOf("CMD_ModifyScene") < 0 && sceneName() === before, "nothing sent");

    check(ui.setText(NAME, "  Porch " + language + "  ") && ui.click(SAVE), "a name with blanks around");
    check(sceneName() === "Porch " + language, "saved without them: '" + sceneName() + "'");
    check(ui.find(NAME).text === "Porch " + language, "the field shows the saved name");
    ui.messages();

    // The conflict: the localised names of both functions in the message.
    check(ui.click(REMOVE_ALL), "remove all");
    const items = ui.find(INTELLIGENCE_LIST).items;
    const face = t.face || items.find(i => /人脸/.test(i));
    const crowd = t.crowd || items.find(i => /聚集/.test(i));
    check(face && crowd, "both functions offered: " + JSON.stringify(items));
    check(ui.select(INTELLIGENCE_LIST, face) && ui.click(ADD_SELECTED), "add " + face);
    check(ui.select(INTELLIGENCE_LIST, crowd) && ui.click(ADD_SELECTED), "try " + crowd);
    shown = ui.messages();
    check(JSON.stringify(ui.find(SCENE_LIST).items) === JSON.stringify([face]) &&
          ui.find(INTELLIGENCE_LIST).items.indexOf(crowd) >= 0, "nothing moved");
    check(shown.length === 1 && (t.conflict ? shown[0].text === t.conflict
                                            : shown[0].text.indexOf(crowd) >= 0 && shown[0].text.indexOf(face) >= 0),
          "the refusal names both: " + JSON.stringify(shown));
    host.screenshot(host.args[0] + "/names-" + language + ".png");
    check(control.Destroy(), "destroyed");
}
