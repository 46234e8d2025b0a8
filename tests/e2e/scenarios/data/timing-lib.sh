# shellcheck shell=bash
# Shared by the frame-switch timings, sourced after lib.sh: 50 of the driver's windows on
# the screen and the program started with a vertical strip, its hot keys taken and an
# activation seen, so that its window list holds them all. The last window's hwnd is in
# ${last}, the number of windows in ${count}.

printf '[Option]\r\nVirtualDesktop=1\r\n' >"${TW_DIR}/tarnwick.ini"
count=50

tw_driver_bg open-windows TwTiming "${count}" 110
tw_wait_for 30 tw_count_shown TwTiming "${count}" || fail "the ${count} windows did not appear"
last=$(head -n 1 <<<"${shown}")

tw_start
tw_wait_for 20 tw_driver hotkey-taken 7 0x28 || fail "the program did not register its hot keys"
# An activation makes the program take its window list afresh.
tw_driver activate "${last}" || fail "a window did not come to the front"
