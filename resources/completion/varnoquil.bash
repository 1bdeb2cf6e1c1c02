# Bash completion for varnoquil: its options, their values, and files.
_varnoquil() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        # After a lone "--" everything is a file.
        if [[ ${COMP_WORDS[i]} == -- ]]; then
            COMPREPLY=($(compgen -f -- "$cur"))
            return
        fi
    done
    case $prev in
    --lang) COMPREPLY=($(compgen -W "zh en" -- "$cur")); return ;;
    --extract) COMPREPLY=($(compgen -W "checked tree all" -- "$cur")); return ;;
    --pattern) COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur")); return ;;
    --title-type) COMPREPLY=($(compgen -W "0 1 2 3 4" -- "$cur")); return ;;
    --rem | --split | --title-begin | --title-end) return ;;  # a sign of the user's own
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--outline --extract --help --version --pattern --rem --split --title-type
            --title-begin --title-end --omit-spaces --no-omit-spaces --lang --" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -o filenames -o bashdefault -F _varnoquil varnoquil
