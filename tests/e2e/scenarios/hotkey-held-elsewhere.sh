# A combination that another program already holds when the program starts stays with that
# program; the refusal is silent and stops nothing: the global hot keys after it and the
# commands are registered all the same. Registration happens once at start, so the
# combination is not taken over when the other program lets it go.
# timeout: 90

# Shift+Ctrl+Alt (7) with Home, End, Down, Left, Right; Up (0x26) is held by the driver.
others=(7 0x24 7 0x23 7 0x28 7 0x25 7 0x27)
printf '[Command]\r\nCount=1\r\nName0="editor"\r\nHotKey0="Ctrl+Alt+F7"\r\n' >"${TW_DIR}/tarnwick.ini"

tw_driver_bg hotkey-hold 7 0x26 80
hold_result=${TW_BG_RESULT}
tw_wait_for 15 "grep -qs '^held=' '${hold_result}'" || fail "the driver did not try to hold Up"
grep -qs '^held=1 ' "${hold_result}" || fail "the driver could not hold Shift+Ctrl+Alt+Up"

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_wait_for 10 tw_driver hotkey-taken "${others[@]}" 3 0x76 ||
  fail "a refused registration kept the program from taking the hot keys after it"

# The key strokes reach the holder.
tw_key shift+ctrl+alt+Up
tw_wait_for 5 "grep -qs '^fired id=' '${hold_result}'" || fail "the holder got no WM_HOTKEY"

tw_driver hotkey-release || fail "no hold to end"
tw_wait_for 10 "grep -qs '^released=1' '${hold_result}'" || fail "the driver did not let Up go"
tw_driver hotkey-free 7 0x26 || fail "the program took Up over once the driver let it go"
tw_driver hotkey-taken "${others[@]}" 3 0x76 || fail "the program let a hot key go"
tw_driver processes tarnwick.exe || fail "the program ended"
tw_stop
