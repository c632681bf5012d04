// The device's files land in the user's cache, in a folder of the device's
// own named after its address; the module's folder is only read. Two
// logins into the same device reuse that folder.
function check(c, what) { if (!c) throw new Error("check failed: " + what); }
const cache = host.args[0] + "/../cache/vexo/" + host.device.replace(/[^A-Za-z0-9.-]/g, "_") + "/tempfile/";

for (let login = 1; login <= 2; ++login) {
    check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login " + login);
    for (const name of ["korvane_ui.xml", "korvane_lang.xml"]) {
        const text = host.readFile(cache + name);
        check(text !== null && text.indexOf("<?xml") === 0, login + ": " + name + " is in " + cache);
    }
    // The pages are built from those files: the index page names the scenes'
    // functions in the device's words.
    check(ui.page() === 0 && ui.find(15700).text.length > 0, "the index page");
}
