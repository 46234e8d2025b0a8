# The program run from a folder whose name code page 932 cannot hold: a user folder "Zoë"
# with a folder of Hangul and an emoji in it. The settings file beside the program is read
# at the start (its watching rule moves a new notepad, which also shows the hook library
# working from there), OK in the options dialog writes it in that folder and nowhere else,
# start with Windows names the folder whole in the Run value, and after exit and a new
# start the options dialog shows the value saved.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/fault-settings-lib.bash
source "${TW_DATA}/fault-settings-lib.bash"

folder_unix="${WINEPREFIX}/drive_c/users/Zoë/한글 😀"
folder_win='C:\users\Zoë\한글 😀'
ini=${folder_unix}/tarnwick.ini
mkdir -p "${folder_unix}"
cp "${TW_DIR}/tarnwick.exe" "${TW_DIR}/twhook.dll" "${folder_unix}/"
{
  printf '[Option]\r\nTranslucentAlpha=150\r\n'
  printf '[Watching]\r\nCount=1\r\nName0="memo"\r\nWindowTitle0="@Notepad"\r\n'
  printf 'Position0=1\r\nPositionLeft0=100\r\nPositionTop0=50\r\n'
} >"${ini}"

# start_from_folder: starts the copy in the folder, as a double click there would.
start_from_folder() {
  "${TW_WINE}" "${folder_win}\\tarnwick.exe" >>"${TW_WORK}/tarnwick.log" 2>&1 &
  TW_PID=$!
  tw_log "started ${folder_win}\\tarnwick.exe (unix pid ${TW_PID})"
  tw_driver wait-process tarnwick.exe 30000 || fail "the program did not start from the folder"
  tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
  tw_wait_for 10 tw_driver hotkey-taken 7 0x24 || fail "the program did not finish its start"
}

# ini_has <section> <line>: the settings file in the folder holds the line in that section.
ini_has() {
  iconv -f CP932 -t UTF-8 "${ini}" | tr -d '\r' |
    awk -v s="[$1]" -v l="$2" '/^\[/{in_s=($0==s)} in_s && $0==l{found=1} END{exit !found}'
}

# export_reg: the Run key exported as a .reg file (UTF-16) holds the value naming the
# folder's tarnwick.exe, every character kept ("\" doubled, quotes escaped).
export_reg() {
  rm -f "${TW_WORK}/run.reg"
  "${TW_WINE}" regedit /e "$(tw_winpath "${TW_WORK}/run.reg")" \
    'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run' >/dev/null 2>&1 &&
    iconv -f UTF-16 -t UTF-8 "${TW_WORK}/run.reg" | tr -d '\r' >"${TW_WORK}/run.txt" &&
    grep -qF '"Tarnwick"="\"C:\\users\\Zoë\\한글 😀\\tarnwick.exe\""' "${TW_WORK}/run.txt"
}

# stands_at <hwnd> <left> <top>
stands_at() {
  tw_driver window-state "$1" || return 1
  [[ $(tw_result_value "rect.$1") == "$2,$3,"* ]]
}

start_from_folder
# The rule from the folder's settings file reaches a new window through the hook library.
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 tw_count_shown Notepad 1 || fail "no notepad appeared"
tw_wait_for 10 stands_at "${shown}" 100 50 ||
  fail "the watching rule of ${folder_win}\\tarnwick.ini was not applied"

# OK writes the file beside the program.
options_open
alpha_type 150 77
tw_key Return
dialog_gone "${TRAY_OPTIONS_TITLE}"
tw_wait_for 10 ini_has Option TranslucentAlpha=77 || fail "OK did not write TranslucentAlpha=77"
ini_has Watching 'Name0="memo"' || fail "the watching rule was lost"
[[ ! -e ${ini}.tmp ]] || fail "a temporary file is left"
# No settings file anywhere else in the prefix (a folder name with stand-in characters).
others=$(find "${WINEPREFIX}/drive_c" -iname 'tarnwick.ini*' ! -path "${ini}")
[[ -z ${others} ]] || fail "settings written elsewhere: ${others}"

# Start with Windows (the fifth item) stores the folder's name whole in the Run value.
tray_choose 5
tw_wait_for 10 export_reg || fail "the Run value does not name ${folder_win}\tarnwick.exe"
grep -F Tarnwick "${TW_WORK}/run.txt"

# Exit from the tray menu (its sixth item), then a new start reads the value back.
tray_choose 6
tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
wait "${TW_PID}" || fail "the program ended with exit code $?"
start_from_folder
options_open
[[ -n $(control_line Edit 77) ]] || fail "the options dialog does not show the saved 77"
tw_log "the options dialog shows TranslucentAlpha 77 from ${folder_win}\\tarnwick.ini"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
