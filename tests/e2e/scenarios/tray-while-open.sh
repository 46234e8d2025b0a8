# The tray menu stays usable while the options dialog is open: "オプション(&O)" brings the
# open dialog to the front (no second one opens), and "終了(&X)" closes it as Cancel does
# (nothing typed is stored) and then ends the program, which gives back every hot key.
# timeout: 120

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
click_at_control "$(control_line Edit 200)"
tw_key End shift+Home
tw_type 99

# Another program comes to the front; the tray's options item brings the dialog back.
tw_driver_bg open-window TwPlainWindow "plain" 120
tw_wait_for 10 "tw_driver foreground && tw_result_has '^foreground-class=\"TwPlainWindow\"'" ||
  fail "the plain window did not come to the front"
tray_choose 1
tw_wait_for 10 "tw_driver foreground && tw_result_has '^window .* title=\"${TRAY_OPTIONS_TITLE}\"'" ||
  fail "the options dialog did not come to the front"
tw_driver controls tarnwick.exe TarnwickForm "${TRAY_OPTIONS_TITLE}" || fail "the dialog is gone"
[[ $(tw_result_value windows) == 1 ]] || fail "a second options dialog opened"
[[ -n $(control_line Edit 99) ]] || fail "the dialog lost what was typed"

tray_choose 6
tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
wait "${TW_PID}" || fail "the program ended with exit code $?"
[[ ! -e ${ini} ]] || fail "exit stored the dialog's input"
tw_driver hotkey-free 7 0x24 7 0x23 || fail "the hot keys stay taken after the exit"
