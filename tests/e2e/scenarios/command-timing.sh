# How long a command's hot key takes under Wine: from the key strokes (sent with SendInput)
# until the matching notepad is the foreground window, with another window in front before
# each of 20 presses. Prints the figures; speed is not asserted here.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
printf '[Command]\r\nCount=1\r\nName0="memo"\r\nHotKey0="Ctrl+Alt+F7"\r\n%s\r\n%s\r\n' \
  'WindowTitle0="@Notepad"' 'Program0="notepad.exe"' >"${ini}"

# shown_window <class>: the first shown window of that class into ${shown}.
shown_window() {
  tw_driver find-window "$1" || return 1
  shown=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" |
    head -n 1)
  [[ -n ${shown} ]]
}

"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 shown_window Notepad || fail "notepad did not appear"
tw_driver_bg open-window TwAway "Away" 80
tw_wait_for 15 shown_window TwAway || fail "the driver's window did not appear"
away=${shown}

tw_start
tw_wait_for 20 tw_driver hotkey-taken 3 0x76 || fail "the program did not register the command"
sleep 1

tw_driver foreground-latency 3 0x76 20 "${away}" Notepad 5000 ||
  fail "a press did not bring notepad to the front"
tw_log "command hot key to notepad in front, 20 presses: median $(tw_result_value median-ms) ms," \
  "min $(tw_result_value min-ms) ms, max $(tw_result_value max-ms) ms"
tw_stop
