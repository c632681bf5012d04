#!/usr/bin/env bash
# fleet-timing.sh BUILD [COUNT] [LATENCY_MS]: starts COUNT simulators (20)
# answering after LATENCY_MS (100) and prints the wall time of pushing one
# configuration with vexo-cmd to 1 device and to all of them at several
# --jobs, the requests one device receives, and the time of the Ansible
# module over the same devices at 5 and COUNT forks. The figures of
# docs/fleet.md come from here.
set -euo pipefail
build=$(cd "$1" && pwd) count=${2:-20} latency=${3:-100}
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/devsim-start.sh
. "$root/scripts/devsim-start.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/vexo-fleet.XXXXXX")
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
cmd=$build/tools/vexo-cmd/vexo-cmd
export VEXO_PASSWORD=Admin_123
: >"$work/devices"
for i in $(seq "$count"); do
    : >"$work/devsim$i.log"  # devsim_start reads it at once
    devsim_start "$build" "$work/devsim$i.log" --port 0 --state "$work/state$i" \
        --journal "$work/journal$i.jsonl" --latency-ms "$latency"
    pids+=("$sim_pid")
    echo "$address" >>"$work/devices"
    echo "cam$i device=$address" >>"$work/hosts"
done
first=$(head -n 1 "$work/devices")
"$cmd" --device "$first" --user admin config get --out "$work/site.json"
head -n 1 "$work/devices" >"$work/one"

# Wall time and CPU time (user and system, children included) of a command.
ms() {
    local TIMEFORMAT='%R %U %S' real user system
    read -r real user system < <({ time "$@" >/dev/null 2>&1; } 2>&1 || true)
    awk -v r="$real" -v c="$user + $system" 'BEGIN { split(c, p, " + "); printf "%d ms wall, %.1f s CPU", r * 1000, p[1] + p[2] }'
}
: >"$work/journal1.jsonl"
echo "vexo-cmd config set, $latency ms latency:"
echo "  1 device:                 $(ms "$cmd" --devices "$work/one" --user admin config set "$work/site.json")"
echo "  requests to that device:  $(wc -l <"$work/journal1.jsonl")"
for jobs in 1 4 16 "$count"; do
    echo "  $count devices, --jobs $jobs: $(ms "$cmd" --devices "$work/devices" --jobs "$jobs" --user admin config set "$work/site.json")"
done

if command -v ansible-playbook >/dev/null; then
    { echo "[cameras]"; cat "$work/hosts"
      printf '[cameras:vars]\nansible_connection=local\nansible_user=admin\nansible_password=Admin_123\n'
      printf 'ansible_python_interpreter=/usr/bin/python3\nconfig_file=%s\nvexo_cmd=%s\n' "$work/site.json" "$cmd"
    } >"$work/inventory"
    for forks in 5 "$count"; do
        echo "  ansible-playbook, $count devices, $forks forks: $(ms env ANSIBLE_LIBRARY="$root/ansible/library" \
            ANSIBLE_ACTION_PLUGINS="$root/ansible/action_plugins" ansible-playbook -f "$forks" \
            -i "$work/inventory" "$root/tests/integration/ansible_fleet/push.yml")"
    done
fi
