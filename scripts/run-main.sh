#!/usr/bin/env bash
# The main job: the simulated device on a free loopback port in the
# background and the host program with the control logged into it; closing
# the window stops the device. Its address and credentials are printed
# first. The module of this build is registered first (as an installer
# would). Without a display the host runs under xvfb-run, and a few seconds
# after the pages appear its window is written to out/control.png.
# Usage: scripts/run-main.sh [build folder]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
state=${VEXO_DEVSIM_STATE:-${XDG_STATE_HOME:-$HOME/.local/state}/vexo-devsim}
out=${VEXO_RUN_OUT:-$root/out}
mkdir -p "$state"

sim_log=$(mktemp "${TMPDIR:-/tmp}/vexo-devsim.XXXXXX")
sim_pid=
viewer_pid=
stop_device() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then
        kill "$viewer_pid" 2>/dev/null || true
        wait "$viewer_pid" 2>/dev/null || true
    fi
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -f "$sim_log"
}
trap stop_device EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# shellcheck source=scripts/devsim-start.sh
. "$root/scripts/devsim-start.sh"
devsim_start "$build" "$sim_log" --port "${VEXO_DEVSIM_PORT:-0}" --state "$state" || exit 1
# Its second line names the user: "user NAME password PASSWORD".
read -r _ user _ password < <(sed -n 2p "$sim_log")
user=${user:-"admin"}
password=${password:-"Admin_123"}
echo "device $address  user $user  password $password  (state folder $state)"

"$build/tools/vexo-regsvr/vexo-regsvr" "$build/control/module/libVexoSmartOcx.so" || exit 1
hostprog=("$build/host/vexo-host" --device "$address" --user "$user")
export VEXO_PASSWORD=$password
# The window runs in the background so that a signal to this script stops
# both at once instead of waiting for the window to close.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "${hostprog[@]}" &
    viewer_pid=$!
    wait "$viewer_pid"
else
    mkdir -p "$out"
    echo "no display: running the host under xvfb-run for a screenshot"
    # An empty WAYLAND_DISPLAY would still make Qt try (and warn about) Wayland.
    xvfb-run -a -s "-screen 0 1280x800x24" \
        env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "${hostprog[@]}" --script "$root/scripts/control-screenshot.js" \
        -- "$out/control.png" "${VEXO_RUN_AFTER_MS:-3000}" &
    viewer_pid=$!
    wait "$viewer_pid"
fi
