// The user guide's pictures of the normal arming page, in English and
// Chinese. Run against a fresh simulator:
//   tests/support/run_host_test.sh --host build/host/vexo-host \
//       --script scripts/normal-arming-shots.js \
//       --simulator build/simulator/vexo-devsim -- docs/guide/images
const folder = host.args[1];
for (const [language, suffix] of [["english", "en"], ["chinese", "zh"]]) {
    control.SetLanguage(language);
    host.resize(1280, 800);
    if (!control.SetDeviceLoginInfo(host.device, host.user, host.password, 1)) {
        throw new Error("login failed");
    }
    ui.click(18007);                 // the normal arming group
    ui.click(18202);                 // motion detection, with its region
    host.wait(2500);                 // the live picture arrives
    host.screenshot(folder + "/normal-params-" + suffix + ".png");
    ui.click(18101);                 // "Arming Interval"
    host.wait(300);
    host.screenshot(folder + "/normal-arming-interval-" + suffix + ".png");
    ui.click(18102);                 // "Linkage Method"
    ui.check(17700, true);
    host.wait(300);
    host.screenshot(folder + "/normal-linkage-" + suffix + ".png");
    control.Destroy();
}
