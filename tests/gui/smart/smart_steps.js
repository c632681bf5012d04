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
