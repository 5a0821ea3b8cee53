#!/usr/bin/env bash
# Builds the Debian packages from a finished build and checks them as a user gets them:
# the program's package on Qt Widgets alone, recommending the browser's package, which
# holds the pane's browser plugin and needs the program of its very version; both free of
# lintian errors and warnings and of maintainer scripts; the desktop entry and the
# metainfo in the same categories. Then it installs them as dpkg would, unpacking into a
# temporary root (not where they would go: the tree is moved), the program's package
# alone first and then the browser's over it, and runs the program from there each time:
# --version without any display, then headless with its window shown, where it must find
# its own files, and on a virtual display with its pane opened, which starts the browser
# engine only once the browser's package is in. A copy without the license proves the
# program would say so.
# Usage: extracted_package.sh <build folder> <cpack>
# Environment: FEROL_EXPECTED_VERSION, FEROL_BROWSER_PACKAGE (1 when the plugin is built),
# FEROL_OPEN_PANE (1 when xvfb-run and xdotool can open the pane on a virtual display).
set -euo pipefail

build=$(cd "$1" && pwd)
cpack=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the packages"; }
program_deb=$(find "$work/package" -maxdepth 1 -name 'ferol-subnet-calculator_*.deb')
browser_deb=$(find "$work/package" -maxdepth 1 -name 'ferol-subnet-calculator-browser_*.deb')
[ -n "$program_deb" ] || fail "no program package was made"
if [ "$FEROL_BROWSER_PACKAGE" = 1 ]; then
    [ -n "$browser_deb" ] || fail "no browser package was made"
else
    [ -z "$browser_deb" ] || fail "a browser package was made without the plugin"
fi

for deb in $program_deb $browser_deb; do
    dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq '(pre|post)(inst|rm)$' &&
        fail "$(basename "$deb") has maintainer scripts"
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
    grep -Eq '^(E|W):' "$work/lintian.log" &&
        { cat "$work/lintian.log" >&2; fail "lintian reports errors or warnings on $(basename "$deb")"; }
done

depends=$(dpkg-deb -f "$program_deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "the program's Depends does not name Qt Widgets"
grep -qi webengine <<<"$depends" && fail "the program depends on Qt WebEngine: $depends"
dpkg-deb -c "$program_deb" | grep -q '\.so' && fail "the program's package holds a library"
recommends=$(dpkg-deb -f "$program_deb" Recommends)
# Qt's own translations and a font with Chinese glyphs, for the windows' languages.
for package in qt6-translations-l10n fonts-wqy-microhei; do
    grep -qw "$package" <<<"$recommends" || fail "the program does not recommend $package"
done
if [ -n "$browser_deb" ]; then
    grep -qw ferol-subnet-calculator-browser <<<"$recommends" ||
        fail "the program does not recommend the browser's package"
    dpkg-deb -f "$browser_deb" Depends |
        grep -q "ferol-subnet-calculator (= $FEROL_EXPECTED_VERSION)" ||
        fail "the browser's package does not need the program of its version"
    dpkg-deb -f "$browser_deb" Depends | grep -q libqt6webenginewidgets6 ||
        fail "the browser's package does not depend on Qt WebEngine"
fi

# Unpacks a package into the moved tree, as dpkg would unpack it into /.
install_package() {
    rm -rf "$work/root"
    dpkg-deb -x "$1" "$work/root"
    mkdir -p "$work/moved"
    cp -a "$work/root/usr/." "$work/moved/"
}
install_package "$program_deb"
for completion in bash-completion/completions/ferol-calc zsh/vendor-completions/_ferol-calc; do
    [ -s "$work/moved/share/$completion" ] || fail "the package lacks share/$completion"
done
ls "$work"/moved/share/mime/packages/*.xml >/dev/null 2>&1 ||
    fail "the package does not tell the MIME database about plan files"
program="$work/moved/bin/ferol-subnet-calculator"

# The desktop's menu and its software catalogue file the program under the same heads.
categories_of_entry=$(sed -n 's/^Categories=//p' "$work"/moved/share/applications/*.desktop |
                      tr ';' '\n' | sed '/^$/d' | sort | tr '\n' ' ')
categories_of_metainfo=$(sed -n 's:.*<category>\(.*\)</category>.*:\1:p' \
                             "$work"/moved/share/metainfo/*.metainfo.xml | sort | tr '\n' ' ')
[ -n "$categories_of_entry" ] && [ "$categories_of_entry" = "$categories_of_metainfo" ] ||
    fail "desktop entry in '$categories_of_entry', metainfo in '$categories_of_metainfo'"

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

# How many browser engine processes the program runs once its pane is open.
pane_engines() {
    xvfb-run -a bash "$(dirname "$0")/pane_engines.sh" "$program" "$1"
}
if [ "$FEROL_OPEN_PANE" = 1 ]; then
    engines=$(pane_engines 3)
    [ "$engines" != "no window" ] || fail "the program's window never appeared"
    [ "$engines" = 0 ] || fail "without the browser's package the pane started an engine"
fi

if [ -n "$browser_deb" ]; then
    install_package "$browser_deb"
    plugin=$(find "$work/moved/lib" -name '*ferol-webpane-browser*')
    [ -n "$plugin" ] || fail "the browser's package holds no plugin"
    ldd "$plugin" | grep -q 'not found' && { ldd "$plugin" >&2; fail "the plugin's libraries are missing"; }
    run_headless
    if [ "$FEROL_OPEN_PANE" = 1 ]; then
        engines=$(pane_engines 20)
        [ "$engines" != "no window" ] || fail "the program's window never appeared"
        [ "$engines" -gt 0 ] || fail "with the browser's package the pane has no browser"
    fi
fi

rm "$work/moved/share/ferol-subnet-calculator/DODA.Subnet.rtf"
run_headless
grep -q "missing from $work/moved/share/ferol-subnet-calculator/: DODA.Subnet.rtf" \
    "$work/stderr" || { cat "$work/stderr" >&2; fail "a missing license went unnoticed"; }

echo "packages $(basename "$program_deb") ${browser_deb:+and $(basename "$browser_deb")}:" \
     "lintian clean, installed one after the other, the program runs from a moved tree" \
     "$([ "$FEROL_OPEN_PANE" = 1 ] && echo "and its pane takes the browser only from its package")"
