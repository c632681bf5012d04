// The user guide's pictures of the scene settings page, before and after a
// pan to the right: vexo-host ... -- OUT LANGUAGE [FOLDER]. The pictures go
// to FOLDER (docs/guide/images when the guide is refreshed), else to OUT.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const PAD = 21000, PAN_SPEED = 12001, VIDEO = 15030;
const language = host.args[1], folder = host.args[2] || host.args[0];

// The picture's upper part (buildings and sky; the cars lie lower) unchanged
// over five new frames: the frames of the last move have arrived. A new
// frame shows in the clock at the picture's top left, which runs with
// every frame (a fine grid's two top rows).
function waitForStillPicture() {
    const moved = (a, b) => a.slice(16, 80).some((grey, i) => Math.abs(grey - b[16 + i]) > 2);
    let settled = null, clock = null, frames = 0;
    return host.waitUntil(() => {
        const now = ui.shade(VIDEO, 16, 9), fine = ui.shade(VIDEO, 64, 36);
        if (now === null || fine === null) return false;
        const time = JSON.stringify(fine.slice(0, 128));
        if (settled === null || moved(settled, now)) {
            settled = now;
            frames = 0;
        } else if (time !== clock) {
            ++frames;
        }
        clock = time;
        return frames >= 5;
    }, 20000);
}

check(control.SetLanguage(language), "language " + language);
check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 720);
const mark = sim.journalLength();
check(ui.openScene(0), "the first scene opens");
check(host.waitUntil(() => sim.journal(mark).some(e => e.request && e.request.op === "CMD_MovePTZPosition")),
      "timer 1001 starts the video and drives the dome to the scene's view");
check(waitForStillPicture(), "the picture shows the scene's view");
check(host.screenshot(folder + "/scene-settings-" + language + ".png"), "picture before");
const pad = ui.find(PAD);
ui.select(PAN_SPEED, 9);
const before = sim.cmd("CMD_GetPTZPosition").info.fPan;
ui.mouse(PAD, "press", pad.width / 2 + 40, pad.height / 2);
// The operator's gesture, not a wait for a state: the wedge is held for
// 2.5 s, and the guide says how far the head turns meanwhile.
host.wait(2500);
ui.mouse(PAD, "release", pad.width / 2 + 40, pad.height / 2);
check(sim.cmd("CMD_GetPTZPosition").info.fPan > before, "the head turns right");
check(waitForStillPicture(), "the picture shows the turn");
check(host.screenshot(folder + "/scene-settings-" + language + "-panned.png"), "picture after");
check(ui.messages().length === 0, "no message");
