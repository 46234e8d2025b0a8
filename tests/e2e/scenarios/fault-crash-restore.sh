# The program failing with an unhandled exception brings every window parked on another
# virtual screen back onto the screen before it ends, a window whose program does not answer
# at that moment too (it comes back once it answers). The crash is a real one: the driver
# starts a thread inside the running program at an address that holds no code, so the
# access violation reaches the process's unhandled-exception filter.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
printf '[Option]\r\nVirtualDesktop=1\r\n' >"${ini}"

# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
fault_window TwCrashA TwCrashA none 60 80 300 200
fault_window TwCrashB TwCrashB none 420 300 400 300
b_result=${found_result}
fault_window TwCrashMax TwCrashMax none 200 200 300 200
max=${found}
tw_driver show-window "${max}" maximize || fail "the window did not maximize"
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 20 "tw_driver find-window Notepad && tw_result_has '^window .* visible=1 '" ||
  fail "notepad did not appear"
notepad=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
tw_driver move-window "${notepad}" 500 50 400 250 || fail "notepad could not be placed"

tw_driver find-window TwCrashA
a=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
tw_driver find-window TwCrashB
b=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
windows=("${a}" "${b}" "${max}" "${notepad}")
for hwnd in "${windows[@]}"; do tw_driver activate "${hwnd}" || fail "could not activate ${hwnd}"; done
sleep 1
read_start "${windows[@]}"

# Two frames on: every window parked two screens up. B stops answering first, so it still
# stands on the screen, owing both moves, when the program crashes.
# The keys go in as the driver's key strokes: typed on the X display they pass through the
# virtual desktop's own window, which waits on the hung window as well.
tw_driver hang-window "${b}" 10000 || fail "B did not stop answering"
tw_driver press-hotkey 7 0x28 || fail "the key strokes could not be sent"
tw_wait_for 10 at -768 "${a}" "${max}" "${notepad}" ||
  fail "the first switch did not park the windows"
tw_driver press-hotkey 7 0x28 || fail "the key strokes could not be sent"
tw_wait_for 10 at -1536 "${a}" "${max}" "${notepad}" ||
  fail "the second switch did not park the windows"
tw_screenshot parked.png

tw_driver crash-process tarnwick.exe || fail "the driver could not crash the program"

# The system's crash report (Wine's debugger) holds the crashed process until it is closed,
# so the windows that answer must be back while it is still shown: the program put them
# back itself.
crash_dialog() {
  tw_driver windows-of-process winedbg.exe &&
    tw_result_has '^window .* visible=1 .* class="#32770" '
}
tw_wait_for 30 crash_dialog || fail "no crash report appeared: the program did not fail"
dialog=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .* class="#32770" .*/\1/p' \
  "${TW_LAST_RESULT}" | head -n 1)
tw_screenshot crash-report.png
expect_all_back() {
  local hwnd bad=0 actual
  tw_driver window-state "${windows[@]}" || fail "$1: a window has gone"
  for hwnd in "${plain[@]}"; do
    actual=$(tw_result_value "rect.${hwnd}")
    if [[ ${actual} != "${start[${hwnd}]}" ]]; then
      tw_log "$1: ${hwnd} stands at ${actual}, it stood at ${start[${hwnd}]}"
      bad=1
    fi
  done
  # The maximized window comes back over the screen, still maximized.
  [[ $(tw_result_value "rect.${max}") == "${start[${max}]}" &&
    $(tw_result_value "maximized.${max}") == 1 ]] ||
    { tw_log "$1: the maximized window stands at $(tw_result_value "rect.${max}")"; bad=1; }
  ((bad == 0)) || fail "$1: not every window is back on the screen"
  tw_log "$1: every window is back where it stood on the first frame"
}
tw_result_has '^answering=1' "${b_result}" && fail "B answered again before the crash was reported"
plain=("${a}" "${notepad}")
expect_all_back "while the crash is reported"
plain=("${a}" "${b}" "${notepad}")
tw_driver processes tarnwick.exe || fail "the program ended before its crash was reported"

# Closing the report ends the crashed process; nothing moves back off the screen.
tw_driver close-window "${dialog}" || fail "the crash report did not close"
tw_wait_for 20 "! tw_driver processes tarnwick.exe" || fail "the program did not end"
tw_wait_for 20 tw_result_has '^answering=1' "${b_result}" || fail "B did not answer again"
tw_wait_for 10 at 0 "${b}" || true
expect_all_back "after the program has ended and B has answered"
tw_driver windows-of-process '*'
tw_result_has '^window .* visible=1 .* class="TarnwickForm" ' && fail "a window of the program stays"
tw_screenshot ended.png
tw_log "the program is gone and every window is on the screen"
