# Bash completion for picture-menu. The program completes its own words
# (commands, keys, sim words, output control names, platform functions), so
# this script and the shell's TAB always offer the same; where a file name
# goes, it says so and bash offers the files.
_picture_menu()
{
    local IFS=$'\n' line=${COMP_LINE:0:COMP_POINT}
    COMPREPLY=($("${COMP_WORDS[0]}" --complete "$line" 2>/dev/null))
    local word=${line##*[[:space:]]}
    if [[ ${COMPREPLY[0]} == //files ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$word"))
        return
    fi
    # Bash takes a colon for the end of a word (CAntennaUtil::GetAntennaNum):
    # the replies stand for what follows the typed word's last colon.
    if [[ $word == *:* && $COMP_WORDBREAKS == *:* ]]; then
        local colon=${word%"${word##*:}"}
        COMPREPLY=("${COMPREPLY[@]#"$colon"}")
    fi
}
complete -o nospace -F _picture_menu picture-menu
