#!/usr/bin/env bash
# Screenshots of the live view under Xvfb against a fresh simulated device:
# before and after the dome pans right, and the window in Chinese, into
# docs/live/.
# Usage: scripts/make-live-shots.sh [build folder]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
shots=$root/docs/live
cmake --build "$build" --target vexo-devsim vexo-liveview

# A state folder of its own: the dome starts at its factory position.
work=$(mktemp -d "${TMPDIR:-/tmp}/vexo-live-shots.XXXXXX")
sim_pid=
stop_device() {
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap stop_device EXIT

# shellcheck source=scripts/devsim-start.sh
. "$root/scripts/devsim-start.sh"
devsim_start "$build" "$work/devsim.log" --port 0 --state "$work/state" || exit 1

mkdir -p "$shots"
shot() {
    VEXO_PASSWORD=Admin_123 xvfb-run -a -s "-screen 0 1280x800x24" \
        "$build/tools/vexo-liveview/vexo-liveview" --device "$address" --user admin "$@"
}
shot --screenshot "$shots/before-ptz.png" --after-ms 1500
shot --ptz right:2500 --screenshot "$shots/after-ptz.png" --after-ms 1500
shot --language chinese --screenshot "$shots/chinese.png" --after-ms 1500
echo "live view screenshots written to $shots"
