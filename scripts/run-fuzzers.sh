#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of
# seconds each, starting from its seed corpus (copied, so that the
# repository's seeds stay small). FUZZ_JOBS targets run side by side (1 by
# default); each target's summary is printed when it ends, and the run fails
# when any target found something (its input is kept beside the corpus).
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
jobs=${FUZZ_JOBS:-1}
work="$build/fuzz-work"
# Targets that draw offscreen load the system font library, whose caches
# live as long as the process.
root=$(cd "$(dirname "$0")/.." && pwd)
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/uidesc/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$work"

run_one() {
    local fuzzer=$1 name corpus log
    name=$(basename "$fuzzer")
    corpus="$work/$name"
    log="$work/$name.log"
    mkdir -p "$corpus"
    # The build names each target's seed folder next to the program.
    if [ -f "$fuzzer.seeds" ]; then
        find "$(cat "$fuzzer.seeds")" -maxdepth 1 -type f -exec cp -n {} "$corpus"/ \;
    fi
    local units_before
    units_before=$(find "$corpus" -type f | wc -l)
    local rc=0
    "$fuzzer" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$name-" >"$log" 2>&1 || rc=$?
    # One write per target, so that the summaries of targets running side
    # by side do not interleave.
    local summary
    summary="== $name for ${seconds}s (corpus $units_before -> $(find "$corpus" -type f | wc -l) units)
$(tail -n 12 "$log")"
    [ "$rc" = 0 ] || summary+=$'\n'"FINDING in $name (see $work/$name-*)"
    printf '%s\n' "$summary"
    return "$rc"
}
export -f run_one
export work seconds

find "$build/tests/fuzz" -type f -executable -name 'fuzz_*' | sort |
    xargs -r -P "$jobs" -I{} bash -c 'run_one "$1"' _ {}
