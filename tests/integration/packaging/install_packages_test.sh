#!/usr/bin/env bash
# install_packages_test.sh BUILD SOURCE: makes the packages of BUILD, unpacks
# them into a throwaway root and runs their maintainer scripts there (with
# DPKG_ROOT, as dpkg does for another root), then uses what was installed.
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/vexo-packages.XXXXXX")
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/debs" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
packages=(vexo-smart-control libvexo0 vexo-cmd vexo-devsim vexo-smart-dev)
root=$work/root
for package in "${packages[@]}"; do
    deb=$(ls "$work/debs/${package}_"*.deb) || fail "no package $package"
    echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
    dpkg-deb -x "$deb" "$root"
    dpkg-deb -e "$deb" "$work/control-$package"
done

# lintian: errors fail the test; the warnings are listed.
lintian --tag-display-limit 0 "$work/debs/"*.deb >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E: ' "$work/lintian.txt"; then
    fail "lintian reports errors"
fi

export LD_LIBRARY_PATH=$root/usr/lib
export VEXO_SYSTEM_REGISTRY=$root/var/lib/vexo/components.json
export VEXO_REGISTRY=$work/user/components.json  # the user has registered nothing
export XDG_CACHE_HOME=$work/cache TMPDIR=$work XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
for program in vexo-host vexo-cmd vexo-devsim vexo-regsvr vexo-liveview; do
    "$root/usr/bin/$program" --help >/dev/null || fail "$program --help"
    [ -s "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page of $program"
done

DPKG_ROOT=$root "$work/control-vexo-smart-control/postinst" configure ||
    fail "postinst of the control"
grep -q "\"$root/usr/lib/vexo/libVexoSmartOcx.so\"" "$VEXO_SYSTEM_REGISTRY" ||
    fail "postinst did not register the installed module"

# The installed simulator, with the device's files of its package.
"$root/usr/bin/vexo-devsim" --port 0 --state "$work/state" >"$work/devsim.log" 2>&1 &
sim_pid=$!
address=
for _ in $(seq 100); do
    first=$(head -n 1 "$work/devsim.log")
    case "$first" in "vexo-devsim listening on "*) address=${first#vexo-devsim listening on }; break ;; esac
    sleep 0.1
done
[ -n "$address" ] || { cat "$work/devsim.log" >&2; fail "the installed simulator did not start"; }
read -r _ user _ password < <(sed -n 2p "$work/devsim.log")
export VEXO_PASSWORD=$password

"$root/usr/bin/vexo-host" --device "$address" --user "$user" \
    --script "$source/tests/integration/packaging/login.js" || fail "the installed host and control"
[ ! -e "$VEXO_REGISTRY" ] || fail "the installed host registered a module for the user"
"$root/usr/bin/vexo-cmd" --device "$address" --user "$user" CMD_GetSceneList >/dev/null ||
    fail "the installed vexo-cmd"

# The example host of the development package, built against the package.
example=$root/usr/share/doc/vexo-smart-dev/examples/embed-host
cmake -S "$example" -B "$work/example" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" \
    >"$work/example.log" 2>&1 && cmake --build "$work/example" >>"$work/example.log" 2>&1 ||
    { cat "$work/example.log" >&2; fail "building the example host"; }
"$work/example/embed-host" "$address" "$user" --quit || fail "the example host"

DPKG_ROOT=$root "$work/control-vexo-smart-control/prerm" remove || fail "prerm of the control"
if grep -q VexoSmartOcx "$VEXO_SYSTEM_REGISTRY"; then
    fail "prerm left the control registered"
fi
echo "packages installed, used and removed"
