// Every header and view button says what it does in a tool tip and has a
// name for assistive tools (picture buttons included), in both languages;
// Tab walks a page in reading order. vexo-host ... -- OUT LANGUAGE
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const language = host.args[1];
const named = (id, what) => {
    const tip = ui.property(id, "toolTip"), name = ui.property(id, "accessibleName");
    check(typeof tip === "string" && tip.length > 0, what + " (" + id + ") has a tool tip");
    check(typeof name === "string" && name.length > 0, what + " (" + id + ") has an accessible name");
    return tip;
};
const focused = id => ui.focused() === id;

check(control.SetLanguage(language), language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
// The header, the index page's view buttons and the first tile.
const header = {18006: "Smart Function", 18003: "Smart Switch", 18007: "Normal Arming", 18008: "export"};
const tips = Object.keys(header).map(id => named(Number(id), header[id]));
check(new Set(tips).size === tips.length, "each header button says its own thing: " + tips);
[18000, 18005].forEach(id => named(id, "view button"));
[18011, 18017, 18020, 18051].forEach(id => named(id, "tile or page button"));
check(ui.property(18017, "accessibleName") === ui.property(18017, "toolTip"), "the picture-only delete button is named by its tip");
const chineseTip = /[\u4e00-\u9fff]/.test(ui.property(18008, "toolTip"));
check(chineseTip === (language === "chinese"), "the tips are in the language chosen");

// The smart configuration page: its return arrow, and Tab from the last
// tab button into the panel's first row, on to Save after the panel.
for (let id = 18150; id < 18300 && ui.page() !== 2; id += 3) if (ui.find(id).visible) ui.click(id);
check(ui.page() === 2, "the smart configuration page");
named(18106, "the return arrow");
check(ui.click(18461), "rule 01");
check(ui.focus(18391) && focused(18391), "the Param Set tab has the focus");
const tabs = [18396, 18397].filter(id => ui.find(id).visible);
let at = 18391;
for (const next of tabs) {
    check(ui.key(at, "Tab") && focused(next), "Tab from " + at + " to the next tab " + next);
    at = next;
}
// The panel's first row: the first focusable control at the top.
check(ui.key(at, "Tab"), "Tab into the panel");
const firstRow = ui.focused();
const panelTop = Math.min(...[12100, 13100, 17000, 17001].map(id => ui.find(id)).filter(f => f.visible).map(f => f.y));
check(ui.find(firstRow).visible && ui.find(firstRow).y <= panelTop + 12,
      "the panel's first row takes the focus: " + firstRow + " at " + ui.find(firstRow).y);
check(ui.key(firstRow, "Shift+Tab") && focused(at), "Shift+Tab goes back to the tab");
check(ui.key(at, "Tab") && focused(firstRow), "and Tab into the panel again");
// Save follows the panel (undo and redo are disabled until an edit);
// Tab moves from whichever control has the focus.
let steps = 0;
let last = 0, y = 0;
while (!focused(18392) && steps++ < 60) {
    last = ui.focused();
    check(last >= 11000 && last < 20000 && ui.find(last).y >= y - 12,
          "the panel is read top to bottom, step " + steps + ": " + last);
    y = ui.find(last).y;
    ui.key(18392, "Tab");
}
check(focused(18392), "Save comes after the panel's last control");
check(ui.key(18392, "Tab") && focused(18393), "then Recover");
// The scene settings page's picture buttons: the pad's arrows and return.
check(ui.openScene(0), "scene settings");
for (let wedge = 0; wedge < 8; ++wedge) named(21000 + wedge, "pad arrow " + wedge);
const arrows = [...Array(8).keys()].map(w => ui.property(21000 + w, "accessibleName"));
check(new Set(arrows).size === 8, "eight different arrows: " + arrows);
[18110, 18111, 18112, 18113, 18114, 18115, 18127].forEach(id => named(id, "lens or preset button"));
host.screenshot(host.args[0] + "/keyboard-" + language + ".png");
