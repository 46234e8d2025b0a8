# A command added in the options dialog's grid lives only as long as the dialog: it is in
# the grid (a double click opens it again), its hot key is not registered while the
# dialog is open, and after Cancel it is gone: its hot key was never registered, nothing
# was written, and the next opening shows the grid empty again, where a double click opens
# nothing.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_wait_for 10 tw_driver hotkey-taken 7 0x24 || fail "the program holds no hot keys"
tw_driver hotkey-free 3 0x51 || fail "Ctrl+Alt+Q is taken before the test"

tray_choose 1
options_tab 3
dialog_wait "${TRAY_OPTIONS_TITLE}"
grid_row_point 1
xdotool mousemove --sync "${GRID_X}" "${GRID_Y}" click 3
menu_wait
menu_choose 1
dialog_wait "${COMMAND_TITLE}"
# The edits in tab order: the name, the window titles, the hot key, the command line.
click_at_control "$(control_line Edit "" 1)"
tw_type clock
click_at_control "$(control_line Edit "" 3)"
tw_key ctrl+alt+q
dialog_wait "${COMMAND_TITLE}"
[[ -n $(control_line Edit "Ctrl+Alt+Q") ]] || fail "the hot-key field did not take Ctrl+Alt+Q"
# The browse button opens the system's file chooser (whose library the program loads only
# then); Escape leaves it and the command dialog keeps what was typed.
click_at_control "$(control_line Button "...")"
tw_wait_for 10 tw_driver controls tarnwick.exe '#32770' || fail "no file chooser"
DIALOG_RECT=$(sed -n 's/^window .* rect=\([-0-9,]*\) class=.*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
dialog_keys Escape
tw_wait_for 10 "! tw_driver controls tarnwick.exe '#32770'" || fail "the file chooser stays open"
dialog_wait "${COMMAND_TITLE}"
[[ -n $(control_line Edit "Ctrl+Alt+Q") ]] || fail "the command dialog lost its hot key"
click_at_control "$(control_line Button "追加")"
dialog_gone "${COMMAND_TITLE}"
tw_driver hotkey-free 3 0x51 || fail "the new command's hot key is held while the dialog is open"
tw_driver hotkey-free 7 0x24 || fail "a global hot key is held while the dialog is open"

# The grid shows the command: a double click on its row opens it.
dialog_wait "${TRAY_OPTIONS_TITLE}"
grid_row_point 1
xdotool mousemove --sync "${GRID_X}" "${GRID_Y}" click --repeat 2 --delay 80 1
dialog_wait "${COMMAND_TITLE}"
[[ -n $(control_line Edit "clock") ]] || fail "the grid's entry is not the command just added"
dialog_keys Escape
dialog_gone "${COMMAND_TITLE}"

dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 tw_driver hotkey-taken 7 0x24 || fail "the hot keys did not come back after Cancel"
tw_driver hotkey-free 3 0x51 || fail "the cancelled command's hot key was registered"
[[ ! -e ${ini} ]] || fail "Cancel wrote the settings file"

# The next opening: the same tab, an empty list.
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
shot_window cancelled-list.png "${DIALOG_RECT}"
grid_row_point 1
xdotool mousemove --sync "${GRID_X}" "${GRID_Y}" click --repeat 2 --delay 80 1
# What the double click would open comes at once: a second later there is still nothing.
sleep 1.5
tw_driver controls tarnwick.exe TarnwickForm "${COMMAND_TITLE}" &&
  fail "a double click on the empty list opened the command dialog"
dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_driver hotkey-free 3 0x51 || fail "the cancelled command's hot key is held after all"
