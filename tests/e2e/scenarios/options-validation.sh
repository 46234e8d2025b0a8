# The options dialog's number fields and its check on OK: a letter typed into a number
# field has no effect; 256 as the degree of translucency is refused with "「半透明の度合い」
# が範囲を超えています" in an error box, and the dialog stays open with 256 as typed; a
# valid value then closes it and writes the settings file.
# timeout: 120

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

# field_text <hwnd>: the text of that edit in the last controls result.
field_text() {
  sed -n "s/^control hwnd=$1 .* text=\"\\(.*\\)\"$/\\1/p" "${TW_LAST_RESULT}"
}

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
alpha=$(control_line Edit 200)
[[ -n ${alpha} ]] || fail "no field shows the translucency 200"
hwnd=$(control_field "${alpha}" hwnd)

click_at_control "${alpha}"
tw_key End
tw_type "a-x"
dialog_wait "${TRAY_OPTIONS_TITLE}"
[[ $(field_text "${hwnd}") == 200 ]] || fail "typing letters changed the field to \"$(field_text "${hwnd}")\""

tw_key End shift+Home
tw_type 256
dialog_wait "${TRAY_OPTIONS_TITLE}"
[[ $(field_text "${hwnd}") == 256 ]] || fail "the field shows \"$(field_text "${hwnd}")\", not 256"
tw_key Return
tw_wait_for 10 tw_driver controls tarnwick.exe "#32770" || fail "no message box for 256"
[[ -n $(control_line Static "「半透明の度合い」が範囲を超えています") ]] ||
  fail "the message box does not say that the translucency is out of range"
DIALOG_RECT=$(sed -n 's/^window .* rect=\([-0-9,]*\) class=.*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
shot_window range-message.png "${DIALOG_RECT}"
dialog_keys Return
tw_wait_for 10 "! tw_driver controls tarnwick.exe '#32770'" || fail "the message box stays"
dialog_wait "${TRAY_OPTIONS_TITLE}"
[[ $(field_text "${hwnd}") == 256 ]] || fail "after the message the field shows \"$(field_text "${hwnd}")\""
[[ ! -e ${ini} ]] || fail "a refused OK wrote the settings file"

click_at_control "$(control_line Edit 256)"
tw_key End shift+Home
tw_type 128
tw_key Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 "[[ -f '${ini}' ]] && grep -q '^TranslucentAlpha=128' '${ini}'" ||
  fail "OK did not write TranslucentAlpha=128"
grep -q '^HotKeyTranslucent="Shift+Ctrl+Alt+Home"' "${ini}" || fail "the other values were not written"
