#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test. Safe to run
# again: apt is skipped when everything is already installed.
set -euo pipefail

packages=(
    cmake g++ ninja-build
    qt6-base-dev           # Qt Core, Gui, Widgets and Test
    nlohmann-json3-dev     # the JSON reader of plan files
    qt6-webengine-dev      # the promotional pane's browser plugin (Qt WebEngine)
    xvfb xauth             # a display for running the browser plugin headless
    fonts-wine             # a stand-in for the Tahoma the windows were designed in
    fonts-wqy-microhei     # Chinese and Japanese glyphs, which the design font lacks
    qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease: the translation catalogues
    qt6-translations-l10n  # Qt's own texts (standard buttons, context menus) translated
    xdg-utils              # lets the program open reports and web pages on the desktop
    dpkg-dev file          # the Debian package: dpkg-shlibdeps finds its dependencies
    lintian                # checks the package against Debian's rules
    xdotool                # opens the installed program's pane in the package test
    openbox                # a window manager, whose title bar the small-screen test keeps on it
    desktop-file-utils     # desktop-file-validate for the menu entry
    appstream              # appstreamcli for the software catalogue's metainfo
    shared-mime-info       # update-mime-database for the plan files' type
    clang-14 libclang-rt-14-dev  # the fuzz targets: libFuzzer and the sanitizer runtimes
    clang-format-14 clang-tidy-14  # scripts/check-style.sh, which CI runs
    bash-completion zsh    # the shells the command-line completions are tested in
    ipcalc-ng sipcalc      # the peers scripts/bench-cli.sh measures ferol-calc against
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
