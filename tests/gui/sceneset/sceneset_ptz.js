// The PTZ panel against the simulated dome: the pad's directions by angle,
// the speeds of the combos, go-to-preset, and a held press that turns the
// head and with it the decoded picture.
function check(condition, what) { if (!condition) throw new Error("check failed: " + what); }
const PAD = 21000, PAN_SPEED = 12001, TILT_SPEED = 12002, PRESET = 12003, GO_TO_PRESET = 18127;
const ZOOM_IN = 18115, VIDEO = 15030;

function ptzRequests(mark) {
    return sim.journal(mark).filter(e => e.path === "/vexo/v1/ptz").map(e => e.request);
}

// A point of the pad (centre w/2, h/2, its own pixels) whose angle, worked
// out as the page does, is exactly `degrees`: found by bisection along a
// vertical line, moved a little sideways while no double hits it.
function aim(degrees) {
    const pad = ui.find(PAD), cx = pad.width / 2, cy = pad.height / 2, r = 40;
    for (let k = 0; k < 1000; ++k) {
        const x = cx + r * Math.cos(degrees * Math.PI / 180) + k * 1e-7;
        const angle = y => Math.atan2(cy - y, x - cx) * (180 / Math.PI);
        let lo = cy - r * Math.sin(degrees * Math.PI / 180) - 0.5, hi = lo + 1;
        const loAbove = angle(lo) > degrees;
        for (let i = 0; i < 100; ++i) {
            const mid = (lo + hi) / 2;
            if (angle(mid) === degrees) return [x, mid];
            if ((angle(mid) > degrees) === loAbove) lo = mid; else hi = mid;
        }
    }
    throw new Error("no point of the pad lies at exactly " + degrees + " degrees");
}

// One press and release on the pad at `degrees`: the two requests sent.
function pressPad(degrees) {
    const [x, y] = aim(degrees);
    const mark = sim.journalLength();
    check(ui.mouse(PAD, "press", x, y), "press at " + degrees);
    check(ui.mouse(PAD, "release", x, y), "release at " + degrees);
    return ptzRequests(mark);
}

check(control.SetDeviceLoginInfo(host.device, host.user, host.password, 1), "login");
host.resize(1280, 800);
const opened = sim.journalLength();
check(ui.openScene(0), "the first scene opens");
check(ui.page() === 1, "the scene settings page shows");
const domeMoves = () => sim.journal(opened).filter(e => e.request && e.request.op === "CMD_MovePTZPosition");
check(host.waitUntil(() => domeMoves().length > 0), "timer 1001: video and the scene's view");
const moves = domeMoves();
check(moves.length === 1 && typeof moves[0].request.info.ptzPoint.fPan === "number",
      "the dome drives to the scene's view: " + JSON.stringify(moves));

check(ui.find(PAN_SPEED).text === "6" && ui.find(TILT_SPEED).text === "6", "speeds start at 6");
check(ui.find(PAN_SPEED).items[0] === "1(Slow)" && ui.find(PAN_SPEED).items[9] === "10(Fast)",
      "the speed list: " + JSON.stringify(ui.find(PAN_SPEED).items));
check(ui.find(PRESET).text === "1" && ui.find(PRESET).items.length === 250, "presets 1 to 250");

// Exactly on a bound is no range's: left. 45 degrees is right-up.
const expected = [[45, 11], [69, 8], [114, 8], [-23, 8], [90, 6], [-45, 13]];
ui.select(PAN_SPEED, 2);  // "3"
ui.select(TILT_SPEED, 8); // "9"
for (const [degrees, command] of expected) {  // [command, param1, param2, stop] of start and stop
    const sent = JSON.stringify(pressPad(degrees).map(r => [r.command, r.param1, r.param2, r.stop]));
    check(sent === JSON.stringify([[command, 3, 9, 0], [command, 0, 0, 1]]), degrees + " degrees: " + sent);
}

// A lens button: held starts, released stops.
let mark = sim.journalLength();
const zoom = ui.find(ZOOM_IN);
ui.mouse(ZOOM_IN, "press", zoom.width / 2, zoom.height / 2);
ui.mouse(ZOOM_IN, "release", zoom.width / 2, zoom.height / 2);
let sent = ptzRequests(mark);
check(JSON.stringify(sent.map(r => [r.command, r.stop])) === "[[0,0],[0,1]]" && sent[0].param1 === 3,
      "zoom in: " + JSON.stringify(sent));

// Go to preset 3: command 15 with the preset and 6.
ui.select(PRESET, "3");
mark = sim.journalLength();
check(ui.click(GO_TO_PRESET), "go to preset");
sent = ptzRequests(mark);
check(sent.length === 1 && sent[0].command === 15 && sent[0].param1 === 3 && sent[0].param2 === 6 &&
      sent[0].stop === 0, "go to preset: " + JSON.stringify(sent));

// A held press turns the head and the picture follows. The picture lives on
// (cars, clock), so a wait without a move gives the yardstick.
function shadeDiff(a, b) {
    // The upper part of the picture: buildings and sky, no clock, no cars.
    let sum = 0;
    for (let row = 1; row < 5; ++row)
        for (let column = 0; column < 16; ++column) sum += Math.abs(a[row * 16 + column] - b[row * 16 + column]);
    return sum / 64;
}
// The picture's upper part unchanged over five new frames: the frames of
// the last move (here the jump to the preset) have arrived. A new frame
// shows in the clock at the picture's top left, which runs with every
// frame (a fine grid's two top rows).
function waitForStillPicture() {
    let settled = null, clock = null, frames = 0;
    return host.waitUntil(() => {
        const now = ui.shade(VIDEO, 16, 9), fine = ui.shade(VIDEO, 64, 36);
        if (now === null || fine === null) return false;
        const time = JSON.stringify(fine.slice(0, 128));
        if (settled === null || shadeDiff(settled, now) > 1) {
            settled = now;
            frames = 0;
        } else if (time !== clock) {
            ++frames;
        }
        clock = time;
        return frames >= 5;
    }, 20000);
}
check(waitForStillPicture(), "the picture settles on the preset's view");
const still = ui.shade(VIDEO, 16, 9);
// The yardstick: how much the picture changes while the head does not move.
host.wait(1200);
const later = ui.shade(VIDEO, 16, 9);
const before = sim.cmd("CMD_GetPTZPosition");
check(before.ok, "the head's position reads");
ui.select(PAN_SPEED, 9);
const [x, y] = aim(0);
ui.mouse(PAD, "press", x, y);
host.wait(1200);  // the operator holds as long as the yardstick lasted
ui.mouse(PAD, "release", x, y);
const after = sim.cmd("CMD_GetPTZPosition");
check(after.ok && after.info.fPan - before.info.fPan > 0.1,
      "the head turned right: " + JSON.stringify([before.info, after.info]));
const yardstick = shadeDiff(still, later);
let change = 0;
host.waitUntil(() => (change = shadeDiff(later, ui.shade(VIDEO, 16, 9))) > 3 && change > 4 * yardstick);
console.log("picture change: still " + yardstick.toFixed(2) + ", turned " + change.toFixed(2));
check(change > 3 && change > 4 * yardstick, "the decoded picture shows the turn");
check(ui.messages().length === 0, "no message");
