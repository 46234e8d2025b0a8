# Choosing "使わない" (virtual screens not used) greys out every virtual-screen setting of
# the options dialog at once, on its own tab and on the next; OK then closes the pager,
# stores the choice, and the tray menu loses its two pager items.
# timeout: 120

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

# count_shown: how many of the program's forms are shown, into shown.
count_shown() {
  tw_driver windows-of-process tarnwick.exe || fail "the program is not running"
  shown=$(grep -c '^window .* visible=1 .* class="TarnwickForm"' "${TW_LAST_RESULT}" || true)
}

# expect_enabled <0|1> <class> <text> [n]: the control's enabled state in the last result.
expect_enabled() {
  local line
  line=$(control_line "$2" "$3" "${4:-1}")
  [[ -n ${line} ]] || fail "no control \"$3\""
  [[ $(control_field "${line}" enabled) == "$1" ]] || fail "\"$3\" has enabled=$(control_field "${line}" enabled)"
}

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
count_shown
[[ ${shown} == 1 ]] || fail "the pager is not shown at start"
tray_click_icon
menu_wait
five=$((MENU_BOTTOM - MENU_TOP))
menu_choose 1
options_tab 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
expect_enabled 1 Edit 4
click_at_control "$(control_line Button "使わない")"
dialog_wait "${TRAY_OPTIONS_TITLE}"
shot_window virtual-off.png "${DIALOG_RECT}"
expect_enabled 0 Edit 4
expect_enabled 0 Edit 16
expect_enabled 0 Button "小さく"
expect_enabled 0 Edit "Shift+Ctrl+Alt+Up"
expect_enabled 0 Edit "Shift+Ctrl+Alt+Right"
expect_enabled 0 Button "アクティブになったウィンドウのあるフレームに移動する"
expect_enabled 1 Edit 200
expect_enabled 1 Button "縦で使う"
count_shown
[[ ${shown} == 2 ]] || fail "the pager went before OK"

dialog_wait "${TRAY_OPTIONS_TITLE}"
click_at_control "$(control_line Button OK)"
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 'count_shown; [[ ${shown} == 0 ]]' || fail "the pager stays after OK"
grep -q '^VirtualDesktop=0' "${ini}" || fail "the choice was not stored"

tray_click_icon
menu_wait
three=$((MENU_BOTTOM - MENU_TOP))
((three < five)) || fail "the tray menu kept its height (${five} -> ${three} pixels)"
menu_choose 2
dialog_wait "${ABOUT_TITLE}"
click_at_control "$(control_line Button OK)"
dialog_gone "${ABOUT_TITLE}"
