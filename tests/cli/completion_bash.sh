#!/usr/bin/env bash
# The bash completion as a user meets it: each line typed so far, Tab, and the words bash
# would offer, with the ferol-calc under test answering the completion's questions.
# Usage: completion_bash.sh <ferol-calc.bash> <folder of ferol-calc>
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
PATH=$(cd "$2" && pwd):$PATH

status=0
# expect "<line typed>" "<words offered, sorted, space-separated>"
expect() {
    local line=$1 wanted=$2
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _ferol_calc ferol-calc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
    local offered
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $offered != "$wanted" ]]; then
        echo "FAIL: '$line' offered '$offered', wanted '$wanted'"
        status=1
    fi
}

cd "$(mktemp -d)" && touch networks.txt
expect "ferol-calc " "aggregate contains decimal exclude help merge next range split subnet vlsm wildcard"
expect "ferol-calc s" "split subnet"
expect "ferol-calc --json v" "vlsm"
expect "ferol-calc -n 3 n" "next"
expect "ferol-calc --file networks.txt s" "split subnet"
expect "ferol-calc help e" "exclude"
expect "ferol-calc split 10.0.0.0/8 " ""
expect "ferol-calc split --" "--count= --file= --help --json --no-rfc3021 --rfc3021"
expect "ferol-calc decimal --" "--field= --file= --help --ipv6 --json"
expect "ferol-calc next -" "--count= --file= --help --json --no-rfc3021 --rfc3021 -h -j -n"
expect "ferol-calc 10.0.0.1/24 --b" "--binary"
expect "ferol-calc range 10.0.0.1 --r" ""
expect "ferol-calc --co" "--count="
expect "ferol-calc --file net" "networks.txt"
expect "ferol-calc -n " ""
exit $status
