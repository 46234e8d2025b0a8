# Windows whose move fails or is turned away cost the switch nothing. Under Wine the only
# move that fails is one of a window that goes: a window of the driver's destroys itself
# inside the WM_WINDOWPOSCHANGING of the program's move (MoveWindow answers 0), and another
# takes the move out of every WM_WINDOWPOSCHANGING (MoveWindow answers 1, the window stays).
# With both among the windows, a hot-key switch moves every other window within a second,
# there and back; the window that stays is where it was and was asked once per switch; no
# message reaches the user. (No window that is still there refuses with 0 under Wine, so
# the pager's mark for such a window is left to the unit tests.)
# timeout: 120
# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

printf '[Option]\r\nVirtualDesktop=1\r\n' >"${TW_DIR}/tarnwick.ini"
# Shift+Ctrl+Alt (MOD_SHIFT 4 | MOD_CONTROL 2 | MOD_ALT 1) with Down and Up.
mods=7
down=0x28
up=0x26

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
program_windows
program_before=${windows_now}

tw_driver_bg open-windows TwRefusalOther 3 100
tw_wait_for 20 "tw_driver find-window TwRefusalOther && [[ \$(tw_result_value matches) == 3 ]]" ||
  fail "the other windows did not appear"
tw_driver_bg refusing-window TwRefusalKeep Keep keep 420 420 100
keep_result=${TW_BG_RESULT}
tw_wait_for 20 tw_driver find-window TwRefusalKeep || fail "the refusing window did not appear"
keep=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
tw_driver_bg refusing-window TwRefusalGone Gone vanish 60 420 100
gone_result=${TW_BG_RESULT}
tw_wait_for 20 tw_driver find-window TwRefusalGone || fail "the vanishing window did not appear"
sleep 1
read_start "${keep}"

# timed_switch <vk> <dy> <why>: one press; every other window moves by dy within a second.
timed_switch() {
  tw_driver frame-switch-time "${mods}" "$1" 0 "$2" 3000 TwRefusalOther ||
    fail "$3: the other windows did not move within 3 s"
  local ms
  ms=$(tw_result_value all-ms)
  tw_log "$3: the frame switch took ${ms} ms"
  echo "switch-ms $3: ${ms}" >>"${TW_WORK}/switch-times.txt"
  ((${ms%.*} < 1000)) || fail "$3: the frame switch took ${ms} ms, more than a second"
}

timed_switch "${down}" -768 "to the next frame"
tw_wait_for 5 tw_result_has '^vanished=changing' "${gone_result}" ||
  fail "the vanishing window was not asked to move"
tw_driver find-window TwRefusalGone && fail "the vanishing window is still there"
at 0 "${keep}" || fail "the window that turns moves away is not where it was"
timed_switch "${up}" 768 "back to the first frame"
at 0 "${keep}" || fail "the window that turns moves away moved"
expect_no_new_windows "after the switches"

# Closed, the window that stays says how often it turned a move away: once per switch, no
# retry.
tw_driver close-window "${keep}" || fail "the refusing window did not close"
tw_wait_for 5 tw_result_has '^refused=' "${keep_result}" || fail "no count of refused moves"
refused=$(sed -n 's/^refused=//p' "${keep_result}")
tw_log "moves turned away by the window that stays: ${refused}"
((refused == 2)) || fail "the window was asked to move ${refused} times in two switches"
