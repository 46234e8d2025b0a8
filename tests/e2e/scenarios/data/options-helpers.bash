# shellcheck shell=bash
# Helpers of the tray-* and options-* scenarios, sourced by them after lib.sh: the tray icon
# and its menu, the dialogs' controls as another program sees them, and screenshots of one
# window. Every tw_driver call here runs in the scenario's own shell (its result file is
# read afterwards), never inside $(...).

# The program's texts as the dialogs show them; the version is the project's.
TW_VERSION=$(sed -n 's/^project(Tarnwick VERSION \([0-9.]*\) .*/\1/p' "${TW_DATA}/../../../../CMakeLists.txt")
TRAY_OPTIONS_TITLE="Tarnwick ${TW_VERSION}"
ABOUT_TITLE="バージョン情報"
COMMAND_TITLE="コマンドの登録"
WATCHING_TITLE="アプリケーションの監視"

# tray_click_icon: a right click on the tray icon, the only one in the notification area,
# at the right end of the task bar.
tray_click_icon() {
  tw_driver tray-area >/dev/null || fail "no task bar"
  local rect
  rect=$(sed -n 's/^window .* rect=\([-0-9,]*\) class="Shell_TrayWnd".*/\1/p' "${TW_LAST_RESULT}")
  IFS=, read -r _ tray_top tray_right tray_bottom <<<"${rect}"
  tw_click $((tray_right - 11)) $(((tray_top + tray_bottom) / 2)) 3
}

# menu_wait: waits for a pop-up menu and sets MENU_LEFT, MENU_TOP, MENU_RIGHT, MENU_BOTTOM.
menu_wait() {
  tw_wait_for 10 tw_driver menu || fail "no pop-up menu opened"
  local rect
  rect=$(sed -n 's/^menu .* rect=\([-0-9,]*\)$/\1/p' "${TW_LAST_RESULT}" | head -n 1)
  IFS=, read -r MENU_LEFT MENU_TOP MENU_RIGHT MENU_BOTTOM <<<"${rect}"
  tw_log "menu at ${rect}, $((MENU_BOTTOM - MENU_TOP)) pixels high"
}

# menu_choose <n>: chooses the n-th item (from 1) of the open menu with the keyboard. Under
# Wine the keys reach a menu only once the pointer has been over it, so the pointer rests
# on the first item first (which selects it).
menu_choose() {
  xdotool mousemove --sync $((MENU_LEFT + 30)) $((MENU_TOP + 10))
  sleep 0.3
  local keys=() i
  for ((i = 1; i < $1; i++)); do keys+=(Down); done
  xdotool key --delay 80 "${keys[@]}" Return
  tw_log "chose menu item $1"
}

# tray_choose <n>: the n-th item of the tray icon's menu.
tray_choose() {
  tray_click_icon
  menu_wait
  menu_choose "$1"
}

# dialog_wait <title> [class]: waits until the program shows that dialog; leaves its
# controls in TW_LAST_RESULT and its window rectangle in DIALOG_RECT (left,top,right,bottom).
dialog_wait() {
  local class=${2:-TarnwickForm}
  tw_wait_for 10 tw_driver controls tarnwick.exe "${class}" "$1" || fail "no dialog \"$1\""
  DIALOG_RECT=$(sed -n 's/^window .* rect=\([-0-9,]*\) class=.*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
}

# dialog_keys <keys...>: key strokes for the dialog found last. Wine's virtual desktop
# hands the keyboard to the window under the pointer, so the pointer goes onto the
# dialog's caption first.
dialog_keys() {
  local left top right
  IFS=, read -r left top right _ <<<"${DIALOG_RECT}"
  xdotool mousemove --sync $(((left + right) / 2)) $((top + 8))
  sleep 0.2
  tw_key "$@"
}

# dialog_gone <title> [class]: waits until that dialog is no longer shown.
dialog_gone() {
  tw_wait_for 10 "! tw_driver controls tarnwick.exe '${2:-TarnwickForm}' '$1'" ||
    fail "the dialog \"$1\" stays open"
}

# control_line <class> <text> [n]: the n-th (from 1) control line of the last controls
# result with that window class and text.
control_line() {
  grep -F "class=\"$1\" text=\"$2\"" "${TW_LAST_RESULT}" | sed -n "${3:-1}p"
}

# control_field <line> <field>: one field of a control line (enabled, visible, rect, ...).
control_field() {
  sed -n "s/.* $2=\\([^ ]*\\).*/\\1/p" <<<"$1"
}

# click_at_control <line> [button] [clicks]: clicks the middle of the control.
click_at_control() {
  local rect left top right bottom
  rect=$(control_field "$1" rect)
  [[ -n ${rect} ]] || fail "no such control to click"
  IFS=, read -r left top right bottom <<<"${rect}"
  xdotool mousemove --sync $(((left + right) / 2)) $(((top + bottom) / 2)) click \
    --repeat "${3:-1}" --delay 80 "${2:-1}"
}

# options_tab <n>: shows the n-th tab (from 0) of the open options dialog (and leaves its
# controls in TW_LAST_RESULT, as they were before the change): a click on the
# first tab (which gives the tabs the focus), Left to be sure of the first, then Right to
# move along the row. The pointer comes from elsewhere and the click waits out the
# double-click time, so that two calls in a row are two single clicks.
options_tab() {
  local line rect left top keys=(Left Left Left Left) i
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  line=$(grep -F 'class="SysTabControl32"' "${TW_LAST_RESULT}" | head -n 1)
  [[ -n ${line} ]] || fail "the options dialog has no tabs"
  rect=$(control_field "${line}" rect)
  IFS=, read -r left top _ _ <<<"${rect}"
  xdotool mousemove --sync $((left + 200)) $((top - 60))
  sleep 0.6
  xdotool mousemove --sync $((left + 15)) $((top + 10)) click 1
  for ((i = 0; i < $1; i++)); do keys+=(Right); done
  xdotool key --delay 80 "${keys[@]}"
  sleep 0.5
  tw_log "options tab $1"
}

# shot_window <file> <left,top,right,bottom>: a screenshot of that part of the screen into
# TW_WORK.
shot_window() {
  local left top right bottom
  IFS=, read -r left top right bottom <<<"$2"
  import -window root -crop "$((right - left))x$((bottom - top))+${left}+${top}" +repage \
    "${TW_WORK}/$1"
  tw_log "screenshot ${TW_WORK}/$1"
}

# grid_row_point <row>: sets GRID_X and GRID_Y to a point in the first cell of that row
# (0 is the header) of the grid shown in the last controls result.
grid_row_point() {
  local line left top
  line=$(grep -F 'class="TarnwickDrawGrid"' "${TW_LAST_RESULT}" | grep ' visible=1 ' | head -n 1)
  [[ -n ${line} ]] || fail "no grid is shown"
  IFS=, read -r left top _ _ <<<"$(control_field "${line}" rect)"
  # A sunken border of 2, rows of 18 and a line of 1.
  GRID_X=$((left + 40))
  GRID_Y=$((top + 2 + 19 * $1 + 9))
}
