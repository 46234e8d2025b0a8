# A program that keeps 300 hidden windows alive still has its next shown window announced:
# the watching rule for that window's class makes it translucent.
# timeout: 90

printf '[Watching]\r\nCount=1\r\nName0="busy"\r\nWindowTitle0="@TwBusyShown"\r\nTranslucent0=1\r\nTranslucentAlpha0=140\r\n' \
  >"${TW_DIR}/tarnwick.ini"

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_wait_for 10 tw_driver hotkey-taken 7 0x24 || fail "the program did not finish its start"

tw_driver_bg busy-program 300 TwBusyShown "Busy program" 30
tw_wait_for 20 tw_count_shown TwBusyShown 1 || fail "the busy program showed no window"
grep -q '^hidden=300$' "${TW_BG_RESULT}" || fail "the busy program did not keep 300 hidden windows"

translucent() {
  tw_driver window-state "${shown}" && [[ $(tw_result_value "alpha.${shown}") == 140 ]]
}
tw_wait_for 10 translucent ||
  fail "the rule was not applied: alpha $(tw_result_value "alpha.${shown}")"
tw_stop
