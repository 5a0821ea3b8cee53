#!/bin/sh
# Runs every "$ ferol-calc ..." line of the README's command-line section with the built
# ferol-calc first on PATH, and compares what it prints with the lines shown under it.
#   sh readme_examples.sh README.md BUILD_DIR_OF_FEROL_CALC
set -eu
readme=$1
PATH=$(cd "$2" && pwd):$PATH
export PATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The console block of the section, split into one script and one expectation per command.
awk -v dir="$work" '
    /^## On the command line/ { section = 1; next }
    section && /^## / { section = 0 }
    section && /^```console/ { block = 1; next }
    block && /^```/ { block = 0; next }
    block && /^\$ / { n++; print substr($0, 3) > (dir "/" n ".sh"); printf "" > (dir "/" n ".want"); next }
    block && n { print > (dir "/" n ".want") }
' "$readme"

count=0
failed=0
for script in "$work"/*.sh; do
    [ -e "$script" ] || break
    count=$((count + 1))
    want=${script%.sh}.want
    (cd "$work" && sh "$script") > "${script%.sh}.got" 2>&1 || true
    if ! cmp -s "$want" "${script%.sh}.got"; then
        failed=$((failed + 1))
        echo "README example differs: $(cat "$script")"
        diff "$want" "${script%.sh}.got" || true
    fi
done
echo "$count README examples, $failed differ"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
