# bash completion for ferol-calc: the command words first, options anywhere, file names
# after --file and --plan. Addresses and numbers are the user's to type.

_ferol_calc()
{
    local cur prev words cword
    _init_completion -s || return

    case $prev in
        --file | --plan)
            _filedir
            return
            ;;
        --count | -n)
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--json --rfc3021 --binary --count= --file= --plan= --help --version' \
            -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi

    # The command is the first word that is not an option or an option's value.
    local i command=
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --file | --plan | --count | -n) ((i++)) ;;
            -*) ;;
            *)
                command=${words[i]}
                break
                ;;
        esac
    done
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W 'subnet next split range wildcard decimal vlsm' -- "$cur"))
    fi
} &&
    complete -F _ferol_calc ferol-calc
