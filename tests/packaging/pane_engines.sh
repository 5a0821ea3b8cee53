#!/usr/bin/env bash
# Starts the program on the X display, opens the promotional pane by a click on the
# banner, as a user does, and prints how many browser engine processes the program runs
# within the given seconds: none when the pane shows its text page. The engine's sandbox
# is off, as it must be for root (the program leaves that choice to its user).
# Usage: pane_engines.sh <program> <seconds>; run under xvfb-run.
set -euo pipefail

program=$1
seconds=$2
home=$(mktemp -d)
# The program ends by the signal: its status is not this script's.
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
chmod 700 "$home"

# On the X display whatever platform the suite runs the rest on.
HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 "$program" 2>/dev/null &
pid=$!
# A loaded machine can take a while to map the window; a window never seen is its own
# answer, not a count.
window=$(timeout 90 xdotool search --sync --onlyvisible --pid "$pid" --name '^Ferol Subnet Calculator$' |
         head -n 1 || true)
if [ -z "$window" ]; then
    echo "no window"
    exit 0
fi
# The banner spans the top of the client area, just under the menu bar.
xdotool mousemove --window "$window" 300 60 click 1

engines=0
for _ in $(seq $((seconds * 10))); do
    engines=$(pgrep -c -P "$pid" -f QtWebEngineProcess || true)
    [ "$engines" -gt 0 ] && break
    sleep 0.1
done
echo "$engines"
