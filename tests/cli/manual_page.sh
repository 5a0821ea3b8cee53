#!/bin/sh
# The manual page against the command table, as ferol-calc --complete reads it out: every
# command and every option a command takes is described in the page.
#   sh manual_page.sh ferol-calc.1 path/to/ferol-calc
set -eu
page=$1
calc=$2
status=0
# Words in the page as groff writes them: "\-\-count" for --count.
described() {
    grep -q -- "$(printf '%s' "$1" | sed 's/-/\\\\-/g')" "$page"
}
commands=$("$calc" --complete | cut -f1 | grep -v '^-')
for command in $commands; do
    if ! grep -qE "^\.B[IR]* .*\b$command\b" "$page"; then
        echo "FAIL: the manual page does not describe the command $command"
        status=1
    fi
    for option in $("$calc" --complete "$command" | cut -f1 | sed 's/=$//'); do
        if ! described "$option"; then
            echo "FAIL: the manual page does not describe $option ($command)"
            status=1
        fi
    done
done
exit $status
