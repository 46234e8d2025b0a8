# The tray icon's menu, opened with the right button on the icon and chosen from with the
# keyboard. While virtual screens are used it has six items in this order: options, save
# the pager's position and size, fix its position, version information, start with
# Windows (tray-start-with-windows) and, below a separator, exit; without them the two
# pager items are gone. Each item is told by what it does: the options
# dialog and the version box open, the two pager items write the settings file at once,
# and exit ends the program with the mutex gone.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

# ini_has <section> <line>: the settings file holds the line in that section.
ini_has() {
  [[ -f ${ini} ]] && iconv -f CP932 -t UTF-8 "${ini}" | tr -d '\r' |
    awk -v s="[$1]" -v l="$2" '/^\[/{in_s=($0==s)} in_s && $0==l{found=1} END{exit !found}'
}

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

# Item 4: the version box with the executable's version resource.
tray_choose 4
dialog_wait "${ABOUT_TITLE}"
for text in "Tarnwick" "version ${TW_VERSION}" "Copyright (C) 2026 Tarnwick"; do
  [[ -n $(control_line Static "${text}") ]] || fail "the version box does not show \"${text}\""
done
click_at_control "$(control_line Button OK)"
dialog_gone "${ABOUT_TITLE}"
tray_click_icon
menu_wait
five=$((MENU_BOTTOM - MENU_TOP))
menu_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"

# Items 2 and 3 write the settings file without the options dialog.
[[ ! -e ${ini} ]] || fail "the settings file exists before anything was saved"
tray_choose 2
tw_wait_for 10 ini_has VirtualDesktop "Width=80" || fail "saving the position wrote no Width=80"
ini_has VirtualDesktop "Left=0" || fail "saving the position wrote no Left=0"
ini_has VirtualDesktop "Fixed=1" && fail "Fixed was written before it was chosen"
tray_choose 3
tw_wait_for 10 ini_has VirtualDesktop "Fixed=1" || fail "fixing the position wrote no Fixed=1"
tray_click_icon
menu_wait
shot_window tray-menu-fixed.png "$((MENU_LEFT - 10)),$((MENU_TOP - 10)),1024,768"
menu_choose 6
tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
wait "${TW_PID}" || fail "the program ended with exit code $?"
tw_driver mutex-exists TarnwickMutex && fail "the mutex stays after the exit"

# Without virtual screens: four items, options, version information, start with Windows, exit.
printf '[Option]\r\nVirtualDesktop=0\r\n' >"${ini}"
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tray_click_icon
menu_wait
three=$((MENU_BOTTOM - MENU_TOP))
((three < five)) || fail "the menu is ${three} pixels high without virtual screens, ${five} with"
# Two items fewer: the difference is two items' height (both have the separator).
item=$(((five - three) / 2))
((five - 5 * item == three - 3 * item && item > 10)) || fail "menu heights ${five} and ${three}"
shot_window tray-menu-three.png "$((MENU_LEFT - 10)),$((MENU_TOP - 10)),1024,768"
menu_choose 2
dialog_wait "${ABOUT_TITLE}"
click_at_control "$(control_line Button OK)"
dialog_gone "${ABOUT_TITLE}"
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
tray_choose 4
tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
wait "${TW_PID}" || fail "the program ended with exit code $?"
