# Screenshots of the real dialogs for docs/: the tray menu, the options dialog's five tabs
# (the two lists with an entry each), the command and the watching dialog opened from the
# grids, and the version box. Each is also checked to show its Japanese texts with every
# glyph, in the face the dialogs ask for.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"

printf '[Command]\r\nCount=1\r\nName0="メモ帳"\r\nHotKey0="Ctrl+Alt+N"\r\nWindowTitle0="@Notepad"\r\nProgram0="notepad.exe"\r\n[Watching]\r\nCount=1\r\nName0="時計"\r\nWindowTitle0="@CLClass"\r\nTranslucent0=1\r\nTranslucentAlpha0=160\r\n' |
  iconv -f UTF-8 -t CP932 >"${TW_DIR}/tarnwick.ini"

tw_driver font-check "ＭＳ Ｐゴシック" "仮想画面の個数アクティブになったウィンドウのあるフレームに移動する" ||
  fail "the dialog face has no glyphs for the dialog's texts"

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

tray_click_icon
menu_wait
shot_window tray-menu.png "$((MENU_LEFT - 10)),$((MENU_TOP - 10)),1024,768"
menu_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
for tab in 0 1 2 3 4; do
  options_tab "${tab}"
  shot_window "options-tab$((tab + 1)).png" "${DIALOG_RECT}"
done

# The command grid: a double click on its first row opens the command dialog.
options_tab 3
dialog_wait "${TRAY_OPTIONS_TITLE}"
grid=$(grep -F 'class="TarnwickDrawGrid"' "${TW_LAST_RESULT}" | grep 'visible=1' | head -n 1)
IFS=, read -r gl gt _ _ <<<"$(control_field "${grid}" rect)"
xdotool mousemove --sync $((gl + 40)) $((gt + 30)) click --repeat 2 --delay 80 1
dialog_wait "${COMMAND_TITLE}"
shot_window command.png "${DIALOG_RECT}"
dialog_keys Escape
dialog_gone "${COMMAND_TITLE}"

options_tab 4
dialog_wait "${TRAY_OPTIONS_TITLE}"
grid=$(grep -F 'class="TarnwickDrawGrid"' "${TW_LAST_RESULT}" | grep 'visible=1' | head -n 1)
IFS=, read -r gl gt _ _ <<<"$(control_field "${grid}" rect)"
# The grid menu, from a right click on the row.
xdotool mousemove --sync $((gl + 40)) $((gt + 30)) click 1
xdotool click 3
menu_wait
shot_window grid-menu.png "$((gl - 10)),$((gt - 10)),$((MENU_RIGHT + 10)),$((MENU_BOTTOM + 10))"
menu_choose 3
dialog_wait "${WATCHING_TITLE}"
shot_window watching.png "${DIALOG_RECT}"
dialog_keys Escape
dialog_gone "${WATCHING_TITLE}"
dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"

tray_choose 4
dialog_wait "${ABOUT_TITLE}"
shot_window version.png "${DIALOG_RECT}"
dialog_keys Return
dialog_gone "${ABOUT_TITLE}"
