# While the options dialog is open the global hot keys do nothing: a command's hot key
# starts no program and a frame hot key moves no window; other programs could take every
# combination meanwhile. After the dialog closes (here with Cancel) they work again.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
printf '[Command]\r\nCount=1\r\nName0="memo"\r\nHotKey0="Ctrl+Alt+N"\r\nWindowTitle0="@Notepad"\r\nProgram0="notepad.exe"\r\n' \
  >"${TW_DIR}/tarnwick.ini"
defaults=(7 0x24 7 0x23 7 0x26 7 0x28 7 0x25 7 0x27)

# rect_of <hwnd>: its window rectangle, into rect.
rect_of() {
  tw_driver window-state "$1" || fail "the window $1 has gone"
  rect=$(tw_result_value "rect.$1")
}

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_wait_for 10 tw_driver hotkey-taken 3 0x4e "${defaults[@]}" || fail "the hot keys are not held"

# The command's hot key works before the dialog opens.
tw_key ctrl+alt+n
tw_wait_for 15 tw_driver processes notepad.exe || fail "Ctrl+Alt+N started no notepad"
tw_driver kill-process notepad.exe || fail "notepad could not be ended"
tw_wait_for 10 "! tw_driver processes notepad.exe" || fail "notepad stays"

tw_driver_bg open-window TwPlainWindow "plain" 120
tw_wait_for 10 tw_driver find-window TwPlainWindow || fail "the plain window did not open"
plain=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
rect_of "${plain}"
before=${rect}

tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
tw_driver hotkey-free 3 0x4e "${defaults[@]}" || fail "a hot key is held while the dialog is open"
dialog_keys ctrl+alt+n shift+ctrl+alt+Down
sleep 1.5
tw_driver processes notepad.exe && fail "the command's hot key started notepad while the dialog was open"
rect_of "${plain}"
[[ ${rect} == "${before}" ]] || fail "the frame hot key moved a window while the dialog was open: ${before} -> ${rect}"

dialog_wait "${TRAY_OPTIONS_TITLE}"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 tw_driver hotkey-taken 3 0x4e "${defaults[@]}" || fail "the hot keys did not come back"
tw_key ctrl+alt+n
tw_wait_for 15 tw_driver processes notepad.exe || fail "Ctrl+Alt+N starts nothing after the dialog"
tw_key shift+ctrl+alt+Down
moved() {
  rect_of "${plain}"
  [[ ${rect} != "${before}" ]]
}
tw_wait_for 10 moved || fail "the frame hot key moves nothing after the dialog either"
tw_key shift+ctrl+alt+Up
