# Bash completion for picture-menu. The program completes its own words
# (commands, keys, sim words, output control names, platform functions), so
# this script and the shell's TAB always offer the same.
_picture_menu()
{
    local IFS=$'\n'
    COMPREPLY=($("${COMP_WORDS[0]}" --complete "${COMP_LINE:0:COMP_POINT}" 2>/dev/null))
}
complete -o nospace -F _picture_menu picture-menu
