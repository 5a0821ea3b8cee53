#!/usr/bin/env zsh
# The zsh completion function run as compsys runs it, with _describe and _files standing in
# to print what would be offered (compsys then narrows it to what was typed), and the
# ferol-calc under test answering the completion's questions.
# Usage: zsh -f completion_zsh.zsh <_ferol-calc> <folder of ferol-calc>
path=(${2:A} $path)
fpath=(${1:h} $fpath)
autoload -Uz _ferol-calc

# _describe -t TAG DESCRIPTION ARRAY [compadd options]
_describe() { print -rl -- ${(P)4} | sed 's/\\:/\x01/g; s/:.*//; s/\x01/:/g' }
_files() { print -r -- FILES }

integer failed=0
# expect "<line typed>" "<words offered, sorted, space-separated>"
expect() {
    local -a words=(${=1}) offered
    [[ $1 == *" " ]] && words+=("")
    local CURRENT=${#words} PREFIX=${words[-1]}
    offered=(${(f)"$(_ferol-calc)"})
    local got=${(j: :)${(o)offered}}
    if [[ $got != $2 ]]; then
        print -r -- "FAIL: '$1' offered '$got', wanted '$2'"
        failed=1
    fi
}

expect "ferol-calc " "aggregate contains decimal exclude help merge next range split subnet vlsm wildcard"
expect "ferol-calc help " "aggregate contains decimal exclude merge next range split subnet vlsm wildcard"
expect "ferol-calc split -" "--count= --file= --help --json --no-rfc3021 --rfc3021 -h -j -n"
expect "ferol-calc 10.0.0.1 --" "--binary --field= --file= --help --hex --json --no-rfc3021 --rfc3021 -h -j"
expect "ferol-calc range 10.0.0.1 " ""
expect "ferol-calc --file " "FILES"
expect "ferol-calc next -n " ""
exit $failed
