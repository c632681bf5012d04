#!/usr/bin/env bash
# Builds and runs every benchmark program; each prints its own figures.
# Runs without a display (Qt's offscreen platform unless the caller chose
# one). A benchmark that fails is named and the script goes on with the
# others; the exit status is non-zero when any failed.
set -uo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target vexo_benchmarks || exit 1
failed=()
while IFS= read -r bench; do
    echo "== $(basename "$bench")"
    # Not from our stdin: that is the list being read (the ffmpeg yardstick
    # of the playback benchmarks reads its standard input).
    "$bench" < /dev/null
    status=$?
    if [ $status -ne 0 ]; then
        echo "!! $(basename "$bench") failed (exit status $status)" >&2
        failed+=("$(basename "$bench")")
    fi
    echo
done < <(sort "$build/benchmarks.txt")
# Scripted runs: host scripts that drive the control as an operator does
# and print their own figures.
echo "== operator_actions (every action 10 times, the device 100 ms away)"
if ! "$(dirname "$0")/../tests/support/run_host_test.sh" --host "$build/host/vexo-host" \
    --script "$(dirname "$0")/../tests/gui/exchange/exchange_gaps.js" \
    --simulator "$build/simulator/vexo-devsim" --sim-cmd "$build/tools/vexo-cmd/vexo-cmd" \
    --simulator-arg --latency-ms --simulator-arg 100 -- 10; then
    echo "!! operator_actions failed" >&2
    failed+=(operator_actions)
fi
echo

if [ ${#failed[@]} -gt 0 ]; then
    echo "failed benchmarks: ${failed[*]}" >&2
    exit 1
fi
