# Watching rules on real windows: a notepad opened while the program runs gets what the
# rule for its class says (layered with alpha 150, standing at 100, 50), and a later rule
# for the class name in another case does not apply. A notepad that was open before the
# program started is no new window and is left alone.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
{
  printf '[Watching]\r\nCount=2\r\n'
  printf 'Name0="memo"\r\nWindowTitle0="@Notepad"\r\nTranslucent0=1\r\nTranslucentAlpha0=150\r\n'
  printf 'Position0=1\r\nPositionLeft0=100\r\nPositionTop0=50\r\n'
  printf 'Name1="other case"\r\nWindowTitle1="@notepad"\r\nTranslucent1=1\r\n'
  printf 'TranslucentAlpha1=30\r\nPosition1=1\r\nPositionLeft1=500\r\nPositionTop1=400\r\n'
} >"${ini}"

# stands_at <hwnd> <left> <top>
stands_at() {
  tw_driver window-state "$1" || return 1
  [[ $(tw_result_value "rect.$1") == "$2,$3,"* ]]
}

# The notepad from before the start.
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 tw_count_shown Notepad 1 || fail "the first notepad did not appear"
old=${shown}
tw_driver move-window "${old}" 420 300 300 200 || fail "the first notepad could not be placed"

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
# The hook runs once the hot keys are registered: both come from the deferred start.
tw_wait_for 10 tw_driver hotkey-taken 7 0x24 || fail "the program did not finish its start"

"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 tw_count_shown Notepad 2 || fail "the second notepad did not appear"
new=$(grep -vx -- "${old}" <<<"${shown}")
tw_wait_for 10 stands_at "${new}" 100 50 || fail "the new notepad was not moved to 100, 50"
# Whatever else is applied happens in the same message; give a late move time to show.
sleep 1
tw_driver window-state "${new}" "${old}" || fail "a notepad has gone"
tw_screenshot rules-applied.png
[[ $(tw_result_value "rect.${new}") == 100,50,* ]] ||
  fail "the new notepad moved on to $(tw_result_value "rect.${new}")"
# Notepad adds WS_EX_ACCEPTFILES to its own extended style about 0.1 s after it is first
# shown; a rule applied in between can lose its layering to that write.
[[ $(tw_result_value "layered.${new}") == 1 ]] ||
  fail "the new notepad is not layered (extended style $(tw_result_value "exstyle.${new}"))"
[[ $(tw_result_value "alpha.${new}") == 150 ]] ||
  fail "the new notepad has alpha $(tw_result_value "alpha.${new}"), not 150"
[[ $(tw_result_value "rect.${old}") == 420,300,720,500 ]] ||
  fail "the notepad from before the start moved to $(tw_result_value "rect.${old}")"
[[ $(tw_result_value "layered.${old}") == 0 ]] ||
  fail "the notepad from before the start was made translucent"
tw_stop
