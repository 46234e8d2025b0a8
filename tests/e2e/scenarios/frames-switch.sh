# Frame switching by hot key, typed on the keyboard of the virtual desktop: every window of
# the screen moves by whole screens, the maximized one too, and comes back exactly to where
# it was; the pager and the task bar stay put; a step past the first frame and a key of the
# other orientation move nothing. On the first strip the program's own watching dialog, opened
# by the get-info hot key, moves with the windows too.
# First the vertical strip (Up/Down, 768 pixels), then, after a restart with the
# horizontal strip, Left/Right by 1024 pixels, ending with the tray menu's exit while the
# windows are parked two frames away: the exit brings every one of them back.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
ini=${TW_DIR}/tarnwick.ini

first_hwnd() {
  sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1
}

# wait_window <class>: the hwnd of the first shown window of that class, into ${found}.
wait_window() {
  tw_wait_for 20 "tw_driver find-window '$1' && tw_result_has '^window .* visible=1 '" ||
    fail "no window of class $1 appeared"
  found=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" |
    head -n 1)
}

# The shown, topmost window of the program: the pager.
find_pager() {
  tw_driver windows-of-process tarnwick.exe || fail "the program is not running"
  local shown='^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*exstyle=\(0x[0-9a-f]*\) .*'
  pager=$(sed -n "s/${shown}/\\1 \\2/p" "${TW_LAST_RESULT}" | while read -r hwnd exstyle; do
    if ((exstyle & 0x8)); then echo "${hwnd}"; fi
  done | head -n 1)
  [[ -n ${pager} ]] || fail "the program shows no topmost window (the pager)"
}

# read_rects <hwnd>...: the rectangle of each window into rects[hwnd].
declare -A rects
read_rects() {
  tw_driver window-state "$@" || fail "a window has gone: $*"
  local hwnd
  for hwnd in "$@"; do
    rects[${hwnd}]=$(tw_result_value "rect.${hwnd}")
  done
}

# shifted <l,t,r,b> <dx> <dy>
shifted() {
  local l t r b
  IFS=, read -r l t r b <<<"$1"
  printf '%d,%d,%d,%d\n' $((l + $2)) $((t + $3)) $((r + $2)) $((b + $3))
}

# all_at <dx> <dy>: every watched window stands at its start rectangle shifted by (dx, dy).
all_at() {
  local hwnd
  tw_driver window-state "${watched[@]}" || return 1
  for hwnd in "${watched[@]}"; do
    [[ $(tw_result_value "rect.${hwnd}") == "$(shifted "${start[${hwnd}]}" "$1" "$2")" ]] ||
      return 1
  done
}

# expect_all_at <why> <dx> <dy>: as all_at, failing with every window's place when not.
expect_all_at() {
  local why=$1 hwnd actual wanted bad=0
  tw_driver window-state "${watched[@]}" "${fixed[@]}" || fail "${why}: a window has gone"
  for hwnd in "${watched[@]}"; do
    actual=$(tw_result_value "rect.${hwnd}")
    wanted=$(shifted "${start[${hwnd}]}" "$2" "$3")
    if [[ ${actual} != "${wanted}" ]]; then
      tw_log "${why}: ${names[${hwnd}]} (${hwnd}) stands at ${actual}, expected ${wanted}"
      bad=1
    fi
  done
  for hwnd in "${fixed[@]}"; do
    actual=$(tw_result_value "rect.${hwnd}")
    if [[ ${actual} != "${start[${hwnd}]}" ]]; then
      tw_log "${why}: ${names[${hwnd}]} (${hwnd}) moved to ${actual} from ${start[${hwnd}]}"
      bad=1
    fi
  done
  ((bad == 0)) || fail "${why}: not every window stands where it should"
  [[ $(tw_result_value "maximized.${maximized}") == 1 ]] ||
    fail "${why}: the maximized window is no longer maximized"
  tw_log "${why}: every window moved by ($2, $3); pager and task bar in place"
}

# switch_and_expect <keys> <why> <dx> <dy>
switch_and_expect() {
  tw_key "$1"
  tw_wait_for 10 all_at "$3" "$4" || true
  expect_all_at "$2" "$3" "$4"
}

# --- The windows: two programs and two of the driver's, one of them maximized. ---
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
"${TW_WINE}" winemine.exe >/dev/null 2>&1 &
tw_driver_bg open-window TwFrameA "Frame A" 110
tw_driver_bg open-window TwFrameB "Frame B" 110
wait_window Notepad
notepad=${found}
wait_window WineMine
winemine=${found}
wait_window TwFrameA
plain=${found}
wait_window TwFrameB
maximized=${found}

tw_driver move-window "${notepad}" 40 380 420 300 || fail "notepad could not be placed"
tw_driver window-state "${winemine}"
IFS=, read -r l t r b <<<"$(tw_result_value "rect.${winemine}")"
tw_driver move-window "${winemine}" 600 70 $((r - l)) $((b - t)) ||
  fail "winemine could not be placed"
tw_driver move-window "${plain}" 330 150 300 200 || fail "the driver's window could not be placed"
tw_driver show-window "${maximized}" maximize || fail "the driver's window did not maximize"

tw_driver find-window Shell_TrayWnd || fail "no task bar"
tray=$(first_hwnd)

declare -A names=([${notepad}]=notepad [${winemine}]=winemine [${plain}]="Frame A"
  [${maximized}]="Frame B (maximized)" [${tray}]="task bar")
watched=("${notepad}" "${winemine}" "${plain}" "${maximized}")

# run_strip <VirtualDesktop> <key back> <key on> <key of the other strip> <dx> <dy> <end>
# <end> is "stop" (the program is killed at the first frame) or "exit" (parked windows,
# then the tray menu's exit).
run_strip() {
  local strip=$1 back=$2 on=$3 other=$4 dx=$5 dy=$6 end=$7
  printf '[Option]\r\nVirtualDesktop=%s\r\n' "${strip}" >"${ini}"
  tw_start
  tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
  find_pager
  names[${pager}]=pager
  fixed=("${pager}" "${tray}")
  # Activation is what the program hears about (through its hook) and takes the window
  # list at; the last one comes after every window has its place.
  local hwnd
  for hwnd in "${watched[@]}"; do
    tw_driver activate "${hwnd}" || fail "could not activate ${hwnd}"
  done
  sleep 1
  if ((strip == 1)); then
    tw_key shift+ctrl+alt+End
    tw_wait_for 10 "tw_driver find-window '*' 'アプリケーションの監視' &&
      tw_result_has '^window .* visible=1 '" || fail "the get-info hot key opened no dialog"
    dialog=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}")
    names[${dialog}]="watching dialog"
    watched+=("${dialog}")
  fi
  read_rects "${watched[@]}" "${fixed[@]}"
  declare -gA start=()
  for hwnd in "${watched[@]}" "${fixed[@]}"; do start[${hwnd}]=${rects[${hwnd}]}; done
  # Maximized over the work area, its frame beyond the screen's edges.
  [[ ${start[${maximized}]} == -4,-4,1028,* ]] ||
    fail "the maximized window stands at ${start[${maximized}]}, not over the whole width"
  tw_screenshot "strip${strip}-frame1.png"

  switch_and_expect "shift+ctrl+alt+${on}" "strip ${strip}, one step on" $((-dx)) $((-dy))
  tw_screenshot "strip${strip}-frame2.png"
  switch_and_expect "shift+ctrl+alt+${on}" "strip ${strip}, two steps on" $((-2 * dx)) $((-2 * dy))
  switch_and_expect "shift+ctrl+alt+${back}" "strip ${strip}, one step back" $((-dx)) $((-dy))
  switch_and_expect "shift+ctrl+alt+${back}" "strip ${strip}, back at the first frame" 0 0
  tw_screenshot "strip${strip}-back.png"

  # No frame before the first: a further step back moves nothing. A key of the other
  # orientation moves nothing either. Both would show within a second.
  tw_key "shift+ctrl+alt+${back}"
  tw_key "shift+ctrl+alt+${other}"
  sleep 1.5
  expect_all_at "strip ${strip}, a step before the first frame and a key across the strip" 0 0
  if [[ ${end} == stop ]]; then
    tw_stop
    ((strip != 1)) || unset 'watched[-1]'  # the dialog went with the program
    return
  fi

  switch_and_expect "shift+ctrl+alt+${on}" "strip ${strip}, parked once more" $((-dx)) $((-dy))
  switch_and_expect "shift+ctrl+alt+${on}" "strip ${strip}, parked twice" $((-2 * dx)) $((-2 * dy))
  tray_choose 6
  tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "exit did not end the program"
  wait "${TW_PID}" || fail "the program ended with exit code $?"
  TW_PID=""
  fixed=("${tray}")
  expect_all_at "after the exit from the third frame" 0 0
}

run_strip 1 Up Down Right 0 768 stop
run_strip 2 Left Right Down 1024 0 exit
