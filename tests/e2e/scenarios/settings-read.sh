# The settings file beside the program is only read at start: a fresh start writes none and
# shows the design values; a file with "[Option] TranslucentAlpha=128" changes exactly the
# options dialog's translucency field from 200 to 128.
# timeout: 90

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini
[[ ! -e ${ini} ]] || fail "the program folder already holds tarnwick.ini"

# Without a file: the dialogs hold their design values. The watching dialog has a
# translucency field of its own, so count the fields that show 200. A dialog's fields are
# made when it is first shown, so the options dialog is opened first.
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
sleep 3
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
tw_driver find-edit-text tarnwick.exe 128 && fail "a field shows 128 without a settings file"
tw_driver find-edit-text tarnwick.exe 200 || fail "no field shows the default translucency 200"
defaults=$(tw_result_value matches)
[[ ! -e ${ini} ]] || fail "a start without a settings file wrote ${ini}"
tw_stop

# With the file: one field, the options dialog's, now shows 128.
cp "${TW_DATA}/translucent-alpha-128.ini" "${ini}"
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
tw_wait_for 20 tw_driver find-edit-text tarnwick.exe 128 ||
  fail "no field shows the translucency 128 from the settings file"
tw_expect matches 1
tw_driver find-edit-text tarnwick.exe 200 || true
[[ $(tw_result_value matches) == $((defaults - 1)) ]] ||
  fail "expected $((defaults - 1)) fields still at 200, found $(tw_result_value matches)"
cmp -s "${TW_DATA}/translucent-alpha-128.ini" "${ini}" || fail "reading the settings file changed it"
tw_stop
