#!/bin/bash
# Draws the screenshot gallery (every widget kind and every popup mode, in
# English and in Chinese) into docs/gallery, and the parameter panels of a
# simulated device into docs/gallery/panels, off screen.
# Usage: scripts/make-gallery.sh [build folder]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target vexo-gallery vexo-devsim
rm -rf "$root/docs/gallery/english" "$root/docs/gallery/chinese" "$root/docs/gallery/panels"
# The parameter panels are built from a fresh simulated device's values.
# shellcheck source=devsim-start.sh
. "$root/scripts/devsim-start.sh"
state=$(mktemp -d)
trap 'kill "$sim_pid" 2>/dev/null || true; rm -rf "$state"' EXIT
devsim_start "$build" "$state/devsim.log" --port 0 --state "$state/device" --user admin:Admin_123
QT_QPA_PLATFORM=offscreen "$build/tests/gui/gallery/vexo-gallery" "$root/docs/gallery" "$address"
# Keep the committed pictures small.
if command -v optipng >/dev/null 2>&1; then
    find "$root/docs/gallery/panels" -name '*.png' -exec optipng -quiet -o2 {} +
fi
echo "gallery written to $root/docs/gallery"
