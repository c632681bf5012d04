// A login that fails says why, in the control's language: in a popup and
// in a line where the pages would be. No pages are shown; the next login
// that works removes the line.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const STATE_LINE = 240;
const cases = [
    ["english", host.device, "wrong", "Not logged in: wrong user name or password"],
    ["english", "127.0.0.1:1", host.password, "Not logged in: cannot reach the device"],
    ["chinese", host.device, "wrong", "未登录：用户名或密码错误"],
    ["chinese", "127.0.0.1:1", host.password, "未登录：无法连接设备"],
];
for (const [language, address, password, expected] of cases) {
    check(control.SetLanguage(language), language);
    check(control.SetDeviceLoginInfo(address, host.user, password, 1) === false, expected + ": refused");
    const messages = ui.messages();
    check(messages.length === 1 && messages[0].text === expected,
          expected + ": the popup says why: " + JSON.stringify(messages));
    check(ui.page() === -1, expected + ": no pages");
    const line = ui.find(STATE_LINE);
    check(line.visible && line.text === expected, expected + ": the state line: " + JSON.stringify(line));
}
host.screenshot(host.args[0] + "/not-logged-in.png");
control.SetLanguage("english");
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1) && ui.page() === 0, "a good login");
check(!ui.find(STATE_LINE).exists, "the state line is gone");
check(ui.messages().length === 0, "and nothing was shown");
