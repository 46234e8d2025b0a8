# A settings file that cannot be replaced: the DOS read-only attribute, set the Windows way
# (SetFileAttributes, as "attrib +r" does; Wine keeps it as the file's Unix write bits, so
# it holds also for root, for whom Unix permissions stop nothing: Wine itself refuses to
# rename over a file without write bits). OK in the options dialog then shows an error box
# naming the file; the dialog stays open with the input as typed; the file is unchanged
# byte for byte and no temporary file is left. Cancel then leaves the program with the
# values of before, and once the attribute is gone the same OK writes the file.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/fault-settings-lib.bash
source "${TW_DATA}/fault-settings-lib.bash"

fault_settings_file
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

tw_driver file-attributes "${FAULT_INI_WIN}" +r || fail "could not set the read-only attribute"
tw_expect readonly 1
stat -c 'settings file mode %A' "${FAULT_INI}"
cp -p "${FAULT_INI}" "${TW_WORK}/before.ini"

options_open
alpha_type 150 77
tw_key Return
expect_write_error readonly-error.png
expect_dialog_keeps "${ALPHA_HWND}" 77
expect_unchanged "${TW_WORK}/before.ini"

# A second OK fails the same way: nothing was half done by the first.
tw_key Return
expect_write_error readonly-error-2.png
expect_dialog_keeps "${ALPHA_HWND}" 77
expect_unchanged "${TW_WORK}/before.ini"

# Cancel: the values in memory are those of before; the dialog opened again shows 150.
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
expect_unchanged "${TW_WORK}/before.ini"
options_open
[[ -n $(control_line Edit 150) ]] || fail "after Cancel the dialog does not show 150 again"
[[ -z $(control_line Edit 77) ]] || fail "after Cancel a field still shows 77"

# Without the attribute the same input is written, and everything else is kept.
tw_driver file-attributes "${FAULT_INI_WIN}" -r || fail "could not clear the read-only attribute"
alpha_type 150 77
tw_key Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 ini_line Option TranslucentAlpha=77 || fail "OK did not write TranslucentAlpha=77"
ini_line Mine Kept=yes || fail "the section the program does not know was lost"
ini_line Command 'Name0="memo"' || fail "the command was lost"
ini_line Watching 'Name0="mines rule"' || fail "the watching rule was lost"
head -n 1 "${FAULT_INI}" | grep -q '^; Tarnwick settings' || fail "the comment was lost"
[[ ! -e ${FAULT_INI}.tmp ]] || fail "a temporary file is left"
