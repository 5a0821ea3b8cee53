#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks it with lintian, unpacks it into
# a temporary root (not where it would install: the tree is moved) and runs the program
# from there: --version without any display, then headless with its window shown, where it
# must find its own files. A copy without the license proves the program would say so.
# Usage: extracted_package.sh <build folder> <cpack>
set -euo pipefail

build=$(cd "$1" && pwd)
cpack=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(find "$work/package" -maxdepth 1 -name '*.deb')
[ -n "$deb" ] || fail "no .deb was made"

dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq '(pre|post)(inst|rm)$' &&
    fail "the package has maintainer scripts"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends does not name Qt Widgets"

lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
grep -q '^E:' "$work/lintian.log" && { cat "$work/lintian.log" >&2; fail "lintian reports errors"; }

dpkg-deb -x "$deb" "$work/root"
for completion in bash-completion/completions/ferol-calc zsh/vendor-completions/_ferol-calc; do
    [ -s "$work/root/usr/share/$completion" ] || fail "the package lacks share/$completion"
done
mv "$work/root/usr" "$work/moved"
program="$work/moved/bin/ferol-subnet-calculator"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) ||
    fail "--version failed without a display"
[ "$version" = "Ferol Subnet Calculator $FEROL_EXPECTED_VERSION" ] ||
    fail "--version printed '$version'"

# Runs the extracted program headless for a moment; its error output goes to $work/stderr.
# Still running when stopped is success: it started, showed its window and kept running.
run_headless() {
    local status=0
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
        timeout 3 "$program" 2>"$work/stderr" || status=$?
    [ "$status" -eq 124 ] || { cat "$work/stderr" >&2; fail "the program ended with $status"; }
}
mkdir -p -m 700 "$work/home" "$work/runtime"

run_headless
grep -q 'missing from' "$work/stderr" && { cat "$work/stderr" >&2; fail "own files not found"; }

rm "$work/moved/share/ferol-subnet-calculator/DODA.Subnet.rtf"
run_headless
grep -q "missing from $work/moved/share/ferol-subnet-calculator/: DODA.Subnet.rtf" \
    "$work/stderr" || { cat "$work/stderr" >&2; fail "a missing license went unnoticed"; }

echo "package $(basename "$deb"): lintian clean of errors, runs from a moved tree"
