# A change of resolution while windows are parked on several virtual screens: the driver
# changes the display from 1024x768 to 800x600 with ChangeDisplaySettingsExW while the
# third of four frames (a column) is on the screen. Each window parked on another frame
# must then stand on its own frame at the same place, one new screen height per frame;
# the current frame's window stays where it is. Hot keys then bring each frame back, and
# the exit brings every window onto the 800x600 screen. The driver's own hidden window
# reports whether Wine sends WM_DISPLAYCHANGE; the program's moves show that it heard it.
# timeout: 120

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

# wait_window <class>: the hwnd of the first shown window of that class, into ${found}.
wait_window() {
  tw_wait_for 20 "tw_driver find-window '$1' && tw_result_has '^window .* visible=1 '" ||
    fail "no window of class $1 appeared"
  found=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" |
    head -n 1)
}

# at <hwnd> <l,t,r,b>: the window stands there.
at() {
  tw_driver window-state "$1" && [[ $(tw_result_value "rect.$1") == "$2" ]]
}

# expect_at <why> <hwnd> <l,t,r,b>
expect_at() {
  tw_wait_for 10 at "$2" "$3" ||
    fail "$1: ${names[$2]} stands at $(tw_result_value "rect.$2"), expected $3"
}

printf '[Option]\r\nVirtualDesktop=1\r\n[VirtualDesktop]\r\nCount=4\r\n' >"${ini}"
tw_driver_bg open-window TwFrameA "Frame A" 100
tw_driver_bg open-window TwFrameB "Frame B" 100
tw_driver_bg open-window TwFrameC "Frame C" 100
wait_window TwFrameA
a=${found}
wait_window TwFrameB
b=${found}
wait_window TwFrameC
c=${found}
declare -A names=([${a}]="Frame A" [${b}]="Frame B" [${c}]="Frame C")

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

# A on frame 1, B on frame 2, C on frame 3 (each placed while its frame is on the screen).
tw_driver move-window "${a}" 40 60 300 200 || fail "A could not be placed"
tw_driver activate "${a}" || fail "could not activate A"
tw_key "shift+ctrl+alt+Down"
expect_at "frame 2" "${a}" "40,-708,340,-508"
tw_driver move-window "${b}" 500 300 300 200 || fail "B could not be placed"
tw_driver activate "${b}" || fail "could not activate B"
tw_key "shift+ctrl+alt+Down"
expect_at "frame 3" "${b}" "500,-468,800,-268"
expect_at "frame 3" "${a}" "40,-1476,340,-1276"
tw_driver move-window "${c}" 100 100 300 200 || fail "C could not be placed"
tw_driver activate "${c}" || fail "could not activate C"
sleep 1

tw_driver change-display 800 600 3000 || fail "the display could not be changed"
tw_expect change-result 0
tw_expect screen 800x600
tw_log "WM_DISPLAYCHANGE to a top-level window of the driver: $(tw_result_value driver-displaychange)"
tw_screenshot "after-change.png"

# Parked by whole 600-pixel screens now; C, on the screen, stays.
expect_at "after the change" "${a}" "40,-1140,340,-940"
expect_at "after the change" "${b}" "500,-300,800,-100"
expect_at "after the change" "${c}" "100,100,400,300"
tw_log "the program re-parked the windows of the other frames: it received WM_DISPLAYCHANGE"

tw_key "shift+ctrl+alt+Up"
expect_at "back on frame 2" "${b}" "500,300,800,500"
expect_at "back on frame 2" "${c}" "100,700,400,900"
tw_key "shift+ctrl+alt+Up"
expect_at "back on frame 1" "${a}" "40,60,340,260"
expect_at "back on frame 1" "${c}" "100,1300,400,1500"

# Exit from frame 1: every window back onto the 800x600 screen, each at its place.
tray_choose 6
tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
wait "${TW_PID}" || fail "the program ended with exit code $?"
TW_PID=""
expect_at "after the exit" "${a}" "40,60,340,260"
expect_at "after the exit" "${b}" "500,300,800,500"
expect_at "after the exit" "${c}" "100,100,400,300"
