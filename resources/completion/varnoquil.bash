# Bash completion for varnoquil: its options, their values, and files.
_varnoquil() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    # Walk the words before the cursor: after a lone "--" everything is a file, and an edit's
    # SECTION KEY [VALUE] are the user's own, whatever they look like.
    local i word values=0 option=
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if ((values > 0)); then
            ((values--))
            continue
        fi
        option=
        case $word in
        --) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --get | --disable | --enable | --delete) values=2 ;;
        --set) values=3 ;;
        --lang | --extract | --pattern | --title-type | --encoding | --rem | --split | --title-begin | --title-end)
            option=$word values=1 ;;
        esac
    done
    if ((values > 0)); then
        case $option in
        --lang) COMPREPLY=($(compgen -W "zh en" -- "$cur")) ;;
        --extract) COMPREPLY=($(compgen -W "checked tree all" -- "$cur")) ;;
        --pattern) COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur")) ;;
        --title-type) COMPREPLY=($(compgen -W "0 1 2 3 4" -- "$cur")) ;;
        --encoding) COMPREPLY=($(compgen -W "GB18030 GBK Big5 Shift_JIS EUC-KR windows-1252" -- "$cur")) ;;
        *) COMPREPLY=() ;;  # a sign, section, key or value of the user's own
        esac
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--outline --extract --get --set --disable --enable --delete --check --diff --json
            --pattern --rem --split --title-type --title-begin --title-end --omit-spaces --no-omit-spaces --encoding
            --lang -h --help -V --version - --" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -o filenames -o bashdefault -F _varnoquil varnoquil
