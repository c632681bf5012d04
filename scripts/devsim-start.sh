# shellcheck shell=bash disable=SC2034  # sets sim_pid and address for the caller
# Sourced by the scripts that need a simulated device in the background.
# devsim_start BUILD LOG ARGS...: starts vexo-devsim with ARGS, its output in
# LOG, and waits for its first line ("vexo-devsim listening on HOST:PORT").
# Sets sim_pid and address; on failure prints the log and returns 1.
devsim_start() {
    local build=$1 log=$2
    shift 2
    # The log exists before the first look at it: the background start may
    # not have opened it yet, and a caller under `set -e` must not stop there.
    : >"$log"
    "$build/simulator/vexo-devsim" "$@" >>"$log" 2>&1 &
    sim_pid=$!
    address=
    local first
    for _ in $(seq 100); do
        first=$(head -n 1 "$log")
        case "$first" in
            "vexo-devsim listening on "*)
                address=${first#vexo-devsim listening on }
                return 0
                ;;
        esac
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the device simulator did not start:" >&2
    cat "$log" >&2
    return 1
}
