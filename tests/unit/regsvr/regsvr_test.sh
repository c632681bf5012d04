#!/usr/bin/env bash
# Usage: regsvr_test.sh VEXO-REGSVR MODULE
set -uo pipefail
regsvr=$1 module=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/regsvr-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
expect() {  # expect CODE PATTERN COMMAND...
    local code=$1 pattern=$2
    shift 2
    local output
    output=$("$@" 2>&1)
    local got=$?
    if [ "$got" != "$code" ] || ! grep -Eq -- "$pattern" <<<"$output"; then
        echo "FAIL: $* gave $got, expected $code matching '$pattern':" >&2
        echo "$output" >&2
        failed=1
    fi
}

export VEXO_REGISTRY="$work/reg/components.json"
expect 0 'DllRegisterServer .* succeeded: 0x00000000' "$regsvr" "$module"
grep -q '"progId" : "VEXOSMARTOCX.VexoSmartOcxCtrl.1"' "$VEXO_REGISTRY" ||
    { echo "FAIL: the control is not in the registry" >&2; failed=1; }
grep -q "\"module\" : \"$(realpath "$module")\"" "$VEXO_REGISTRY" ||
    { echo "FAIL: the registry does not name the module's path" >&2; failed=1; }
expect 0 'DllUnregisterServer .* succeeded' "$regsvr" -u "$module"
if grep -q 'VexoSmartOcxCtrl' "$VEXO_REGISTRY"; then
    echo "FAIL: the control is still registered" >&2
    failed=1
fi

touch "$work/file"
export VEXO_REGISTRY="$work/file/components.json"
expect 1 '0x80040200 \(SELFREG_E_TYPELIB\)' "$regsvr" "$module"
expect 2 'cannot load' "$regsvr" "$work/file"
expect 2 'usage' "$regsvr"
exit $failed
