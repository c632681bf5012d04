#!/usr/bin/env bash
# The main job: the simulated device in the foreground on a free loopback
# port. Its first lines name its address and its user and password.
set -euo pipefail
build=${1:-build}
state=${VEXO_DEVSIM_STATE:-${XDG_STATE_HOME:-$HOME/.local/state}/vexo-devsim}
mkdir -p "$state"
exec "$build/simulator/vexo-devsim" --port "${VEXO_DEVSIM_PORT:-0}" --state "$state"
