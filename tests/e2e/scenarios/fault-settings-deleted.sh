# The settings file deleted while the program runs: the next save writes a complete new
# file. First a plain OK writes the file in full (the reference: every section and key a
# save writes); the file is deleted; OK in the options dialog then writes a new file with
# every section and every key of the reference, the values in memory kept (the command
# and the watching rule too: the dialog reads the lists from the file when it opens, and
# a file deleted meanwhile is first written again from memory). The same for
# the pager's immediate writes (tray menu: save the pager's position, fix its position):
# with the file gone, each writes a complete file too, not one holding only its own keys.
# And for a watching rule added with the get-info hot key: the new file holds the command
# list and the options as well.
# timeout: 180

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/fault-settings-lib.bash
source "${TW_DATA}/fault-settings-lib.bash"

# ini_keys <file>: every "[section] key" of a settings file, sorted.
ini_keys() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' |
    awk '/^\[/{s=tolower($0); next} /=/{k=$0; sub(/=.*/, "", k); print s " " tolower(k)}' | sort
}

# expect_complete <why>: the settings file holds every section and key of the reference.
expect_complete() {
  local missing
  [[ -f ${FAULT_INI} ]] || fail "$1: no settings file was written"
  missing=$(comm -23 <(ini_keys "${TW_WORK}/reference.ini") <(ini_keys "${FAULT_INI}"))
  if [[ -n ${missing} ]]; then
    tw_log "$1: the new file lacks:"
    sed 's/^/    | /' <<<"${missing}" | head -n 40
    fail "$1: the new settings file is not complete"
  fi
  local sections
  sections=$(ini_text | grep '^\[' | paste -sd ' ')
  tw_log "$1: the new file has every one of $(wc -l <"${TW_WORK}/reference.ini") lines' keys; sections ${sections}"
  # An action may write twice in a row; the second write's temporary file is gone once it lands.
  tw_wait_for 5 "[[ ! -e '${FAULT_INI}.tmp' ]]" || fail "$1: a temporary file is left"
}

fault_settings_file
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

# The reference: OK without a change writes every key the program keeps.
options_open
dialog_keys Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 ini_line VirtualDesktop Fixed=0 || fail "the plain OK wrote no full file"
# Less what only the hand-written file held: the section the program does not know, and the
# pager's width, which only the tray menu's "save position" writes.
grep -v -e '^\[Mine\]' -e '^Kept=' -e '^Width=' "${FAULT_INI}" >"${TW_WORK}/reference.ini"
tw_log "reference: $(ini_keys "${FAULT_INI}" | wc -l) keys in $(ini_text | grep -c '^\[') sections"

# 1. Deleted, then OK in the options dialog with one value changed.
rm "${FAULT_INI}"
options_open
alpha_type 150 99
tw_key Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 "[[ -f '${FAULT_INI}' ]]" || fail "OK wrote no new settings file"
expect_complete "OK after the file was deleted"
ini_line Option TranslucentAlpha=99 || fail "the new file lacks the value typed (99)"
ini_line VirtualDesktop Count=3 || fail "the new file lost a value held in memory"
cp "${FAULT_INI}" "${TW_WORK}/after-ok.ini"

# 2. Deleted, then the tray menu's "save the pager's position and size".
rm "${FAULT_INI}"
tray_choose 2
tw_wait_for 10 "[[ -f '${FAULT_INI}' ]]" || fail "saving the pager's position wrote no file"
expect_complete "saving the pager's position after the file was deleted"
ini_line Option TranslucentAlpha=99 || fail "saving the pager's position lost the options"
ini_line VirtualDesktop Width=80 || fail "saving the pager's position wrote no Width"

# 3. Deleted, then the tray menu's "fix the pager's position".
rm "${FAULT_INI}"
tray_choose 3
tw_wait_for 10 "[[ -f '${FAULT_INI}' ]]" || fail "fixing the pager's position wrote no file"
expect_complete "fixing the pager's position after the file was deleted"
ini_line VirtualDesktop Fixed=1 || fail "the fixed position was not written"
ini_line Option TranslucentAlpha=99 || fail "fixing the pager's position lost the options"

# 4. Deleted, then a watching rule added with the get-info hot key on a window in front.
rm "${FAULT_INI}"
tw_driver_bg open-window TwGetInfoProbe "Get-info probe" 120
tw_wait_for 15 tw_driver find-window TwGetInfoProbe || fail "the probe window did not appear"
probe=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
tw_driver activate "${probe}" || fail "the probe window did not come to the front"
tw_key shift+ctrl+alt+End
dialog_wait 'アプリケーションの監視'
click_at_control "$(control_line Edit '')"  # the name, the only empty field
tw_type "probe rule"
dialog_keys Return
tw_wait_for 10 "[[ -f '${FAULT_INI}' ]]" || fail "the rule from get-info wrote no file"
expect_complete "a rule from get-info after the file was deleted"
ini_line Watching 'Name1="probe rule"' || fail "the new file lacks the rule from get-info"
ini_line Command 'Name0="memo"' || fail "the rule from get-info lost the command list"
ini_line Option TranslucentAlpha=99 || fail "the rule from get-info lost the options"

# The program took its new file as it was written: a fresh start reads the same values.
tw_stop
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tray_choose 1  # its fields are made when the options dialog is first shown
dialog_wait "${TRAY_OPTIONS_TITLE}"
tw_wait_for 20 tw_driver find-edit-text tarnwick.exe 99 ||
  fail "after a restart no field shows the translucency 99 from the new file"
