#!/usr/bin/env bash
# The main job: the simulated device on a free loopback port in the
# background and the live view window against it; closing the window stops
# the device. Its address and credentials are printed first. Without a
# display the window runs under xvfb-run and its screenshot is written to
# out/live-view.png instead.
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

liveview=("$build/tools/vexo-liveview/vexo-liveview" --device "$address" --user "$user")
export VEXO_PASSWORD=$password
# The window runs in the background so that a signal to this script stops
# both at once instead of waiting for the window to close.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "${liveview[@]}" &
    viewer_pid=$!
    wait "$viewer_pid"
else
    mkdir -p "$out"
    echo "no display: running the live view under xvfb-run for a screenshot"
    xvfb-run -a -s "-screen 0 1280x800x24" \
        "${liveview[@]}" --screenshot "$out/live-view.png" --after-ms "${VEXO_RUN_AFTER_MS:-3000}" &
    viewer_pid=$!
    wait "$viewer_pid"
    echo "live view screenshot: $out/live-view.png"
fi
