# bash completion for ferol-calc: the command words first, each command's own options,
# file names after --file and --plan. The words come from ferol-calc itself (--complete), which reads
# the table its parser and help read. Addresses and numbers are the user's to type.

_ferol_calc()
{
    local cur prev words cword
    _init_completion -s || return

    case $prev in
        --file | --plan)
            _filedir
            return
            ;;
        --count | -n | --field)
            return
            ;;
    esac

    # The command is the first word that is not an option or an option's value.
    local i command=
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --file | --plan | --count | -n | --field) ((i++)) ;;
            -*) ;;
            *)
                command=${words[i]}
                break
                ;;
        esac
    done
    [[ -n $command && $command != help && $cur != -* ]] && return

    local offered
    offered=$("$1" --complete $command 2>/dev/null | cut -f1)
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -- '^-' <<<"$offered")" -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    else
        COMPREPLY=($(compgen -W "$(grep -v -- '^-' <<<"$offered")" -- "$cur"))
    fi
} &&
    complete -F _ferol_calc ferol-calc
