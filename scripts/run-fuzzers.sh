#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of
# seconds each, starting from its seed corpus (copied, so that the
# repository's seeds stay small). Stops at the first finding.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
work="$build/fuzz-work"
# Targets that draw offscreen load the system font library, whose caches
# live as long as the process.
root=$(cd "$(dirname "$0")/.." && pwd)
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/uidesc/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$work"
status=0
for fuzzer in $(find "$build/tests/fuzz" -type f -executable -name 'fuzz_*' | sort); do
    name=$(basename "$fuzzer")
    corpus="$work/$name"
    mkdir -p "$corpus"
    # The build names each target's seed folder next to the program.
    if [ -f "$fuzzer.seeds" ]; then
        seeds=$(cat "$fuzzer.seeds")
        find "$seeds" -maxdepth 1 -type f -exec cp -n {} "$corpus"/ \;
    fi
    echo "== $name for ${seconds}s"
    if ! "$fuzzer" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
          -artifact_prefix="$work/$name-" 2>&1 | tail -n 12; then
        echo "FINDING in $name (see $work/$name-*)"
        status=1
    fi
done
exit $status
