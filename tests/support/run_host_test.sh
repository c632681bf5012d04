#!/usr/bin/env bash
# Runs one host script test (see vexo_host_test in cmake/VexoTesting.cmake).
# Usage: run_host_test.sh --host EXE --script FILE [--simulator DEVSIM]
#        [--expect-exit N] [--expect-stderr REGEX] [--expect-file NAME]
#        [--check-dump] [--progid ID] [--skip REASON] [--second-simulator]
#        [--simulator-arg ARG ...] [--config-arg VEXO_CMD] [--sim-cmd VEXO_CMD]
#        [-- ARGS...]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
simulator_args=() config_cmd= sim_cmd=
host= script= simulator= second_simulator= expect_exit=0 expect_stderr= expect_file= check_dump= progid= skip=
while [ $# -gt 0 ]; do
    case "$1" in
        --host) host=$2; shift 2 ;;
        --script) script=$2; shift 2 ;;
        --simulator) simulator=$2; shift 2 ;;
        --expect-exit) expect_exit=$2; shift 2 ;;
        --expect-stderr) expect_stderr=$2; shift 2 ;;
        --expect-file) expect_file=$2; shift 2 ;;
        --check-dump) check_dump=1; shift ;;
        --progid) progid=$2; shift 2 ;;
        --skip) skip=$2; shift 2 ;;
        --second-simulator) second_simulator=1; shift ;;
        --simulator-arg) simulator_args+=("$2"); shift 2 ;;
        --config-arg) config_cmd=$2; shift 2 ;;
        --sim-cmd) sim_cmd=$2; shift 2 ;;
        --) shift; break ;;
        *) echo "run_host_test: unknown argument $1" >&2; exit 2 ;;
    esac
done
if [ -n "$skip" ]; then
    echo "skipped: $skip"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vexo-host-test.XXXXXX")
sim_pid= first_sim_pid=
cleanup() {
    for pid in $first_sim_pid $sim_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/out" "$work/tmp/DebugHelperFiles"
export VEXO_REGISTRY="$work/registry/components.json"
export TMPDIR="$work/tmp"
# The device's files go to the user's cache: each run keeps its own.
export XDG_CACHE_HOME="$work/cache"

options=(--script "$script")
[ -n "$progid" ] && options+=(--progid "$progid")
if [ -n "$simulator" ]; then
    # shellcheck source=scripts/devsim-start.sh
    . "$root/scripts/devsim-start.sh"
    devsim_start "$(dirname "$(dirname "$simulator")")" "$work/devsim.log" \
        --port 0 --state "$work/state" --journal "$work/journal.jsonl" \
        "${simulator_args[@]}" || exit 1
    read -r _ user _ password < <(sed -n 2p "$work/devsim.log")
    user=${user:-admin} password=${password:-Admin_123}
    options+=(--device "$address" --user "$user" --password "$password")
    # The script's `sim` reads the journal and reaches the device with vexo-cmd.
    export VEXO_SIM_JOURNAL="$work/journal.jsonl"
    export VEXO_SIM_CMD="$sim_cmd"
    if [ -n "$second_simulator" ]; then
        # A second device of its own state, e.g. the target of an import;
        # the script reaches it as `sim2` (same credentials).
        first_sim_pid=$sim_pid first_address=$address
        devsim_start "$(dirname "$(dirname "$simulator")")" "$work/devsim2.log" \
            --port 0 --state "$work/state2" --journal "$work/journal2.jsonl" \
            "${simulator_args[@]}" || exit 1
        export VEXO_SIM2_ADDRESS="$address" VEXO_SIM2_JOURNAL="$work/journal2.jsonl"
        address=$first_address
    fi
fi
script_args=("$@")
if [ -n "$config_cmd" ]; then
    if ! VEXO_PASSWORD=$password "$config_cmd" --device "$address" --user "$user" \
        config get --out "$work/expected-config"; then
        echo "FAIL: vexo-cmd could not read the configuration" >&2
        exit 1
    fi
    expected=$(cat "$work/expected-config" && printf x)  # keeps trailing newlines
    script_args+=("${expected%x}")
fi

"$host" "${options[@]}" -- "$work/out" "${script_args[@]}" 2>"$work/stderr"
code=$?
cat "$work/stderr" >&2
failed=0
if [ "$code" != "$expect_exit" ]; then
    echo "FAIL: vexo-host exited with $code, expected $expect_exit" >&2
    failed=1
fi
if [ -n "$expect_stderr" ] && ! grep -Eq -- "$expect_stderr" "$work/stderr"; then
    echo "FAIL: the error output does not match: $expect_stderr" >&2
    failed=1
fi
if [ -n "$expect_file" ] && [ ! -s "$work/out/$expect_file" ]; then
    echo "FAIL: the script wrote no $expect_file" >&2
    failed=1
fi
if [ -n "$check_dump" ]; then
    dumps=$(ls "$work/tmp/DebugHelperFiles" 2>/dev/null)
    if ! grep -Eq '^libVexoSmartOcx_[0-9]{4}_[0-9]{1,2}_[0-9]{1,2}_[0-9]{1,2}_[0-9]{1,2}\.dmp$' <<<"$dumps"; then
        echo "FAIL: no crash dump of the module, found: ${dumps:-nothing}" >&2
        failed=1
    elif ! grep -q "SIGSEGV" "$work/tmp/DebugHelperFiles/"*.dmp; then
        echo "FAIL: the dump does not name the signal" >&2
        failed=1
    fi
fi
exit $failed
