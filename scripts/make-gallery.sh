#!/bin/sh
# Draws the screenshot gallery (every widget kind and every popup mode, in
# English and in Chinese) into docs/gallery, off screen.
# Usage: scripts/make-gallery.sh [build folder]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target vexo-gallery
rm -rf "$root/docs/gallery/english" "$root/docs/gallery/chinese"
QT_QPA_PLATFORM=offscreen "$build/tests/gui/gallery/vexo-gallery" "$root/docs/gallery"
echo "gallery written to $root/docs/gallery"
