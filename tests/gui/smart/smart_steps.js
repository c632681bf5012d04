// Steps the smart configuration scripts share (host.include("smart_steps.js")).
// Only function declarations: they become globals of the including script.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }

// From the index page into the first scene's smart configuration page, onto
// the function whose button reads `caption`, once its geometry is drawn over
// the live picture (video window 15030).
function enterFunction(caption) {
    for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
    check(ui.page() === 2, "the smart configuration page is entered");
    let id = 18310;
    while (id < 18400 && !(ui.find(id).visible && ui.find(id).text === caption)) ++id;
    check(ui.click(id), "function " + caption);
    check(host.waitUntil(() => ui.property(15030, "vexoOverlayDrawn") === true), "the geometry is drawn over the picture");
}

// The points of a device geometry text ("n|(x,y)(x,y)..." or "(x,y)...").
function points(text) {
    return text.replace(/^\d+\|/, "").match(/\(([^)]*)\)/g).map(p => p.slice(1, -1).split(",").map(Number));
}
// A press and release at (x, y) on the video window.
function click(x, y) {
    check(ui.mouse(15030, "press", x, y) && ui.mouse(15030, "release", x, y), "a click at " + x + "," + y);
}
// Save (the smart page's button unless `id` names another) and its success.
function save(id = 18392) {
    check(ui.click(id), "Save");
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].text === "Save Success", JSON.stringify(messages));
}
