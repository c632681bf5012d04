#!/usr/bin/env bash
# Builds and runs every benchmark program; each prints its own figures.
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target vexo_benchmarks
for bench in $(find "$build/tests/bench" -type f -executable -name 'bench_*' | sort); do
    echo "== $(basename "$bench")"
    "$bench"
    echo
done
