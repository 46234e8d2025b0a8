# The settings file's folder cannot be written: no file can be made in it, so the temporary
# file the new settings go to first cannot be created. The tests run as root, whom Unix
# permissions do not stop, so the folder is made immutable (chattr +i: no entry may be
# added, removed or renamed, for root too; the file's own bytes could still be written in
# place, which the program never does). OK in the options dialog then shows an error box
# naming the file, the dialog stays open with the input as typed, and the file is unchanged
# byte for byte. The pager's immediate writes (tray menu: save position, fix position) are
# refused and reported the same way. Once the folder is writable again, OK writes the file.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/fault-settings-lib.bash
source "${TW_DATA}/fault-settings-lib.bash"

# The folder must never stay immutable: the runner removes the prefix afterwards.
unlock_folder() { chattr -i "${TW_DIR}" 2>/dev/null || true; }
trap unlock_folder EXIT
trap 'exit 143' TERM INT

fault_settings_file
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

cp -p "${FAULT_INI}" "${TW_WORK}/before.ini"
chattr +i "${TW_DIR}" || fail "chattr +i is refused here (needs CAP_LINUX_IMMUTABLE and ext2/3/4, xfs or btrfs)"
lsattr -d "${TW_DIR}"
if touch "${TW_DIR}/probe" 2>/dev/null; then
  rm -f "${TW_DIR}/probe"
  fail "the immutable folder still takes new files"
fi

options_open
alpha_type 150 66
tw_key Return
expect_write_error folder-error.png
expect_dialog_keeps "${ALPHA_HWND}" 66
expect_unchanged "${TW_WORK}/before.ini"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"

# The pager's immediate writes: the fixed-position item and saving the pager's place,
# each reported the same way.
tray_choose 3
expect_write_error fixed-error.png
tray_choose 2
expect_write_error placement-error.png
tw_driver windows-of-process tarnwick.exe || fail "the program ended after a failed write"
expect_unchanged "${TW_WORK}/before.ini"

# Writable again: the same input is written with everything else kept.
unlock_folder
options_open
alpha_type 150 66
tw_key Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 ini_line Option TranslucentAlpha=66 || fail "OK did not write TranslucentAlpha=66"
ini_line Mine Kept=yes || fail "the section the program does not know was lost"
ini_line Command 'Name0="memo"' || fail "the command was lost"
[[ ! -e ${FAULT_INI}.tmp ]] || fail "a temporary file is left"
