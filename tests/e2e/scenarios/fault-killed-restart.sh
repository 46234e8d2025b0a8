# The program killed hard (TerminateProcess: no exit code of its own runs, nothing is
# restored) while windows are parked on other frames. Started again with the same
# settings, it finds them where they were: the pager draws each in its frame's cell, a
# frame switch by hot key brings each onto the screen, and the tray menu's exit
# ("終了(&X)") brings every one of them back onto the screen.
# Vertical strip of three frames. First the kill on frame 1: A stays on frame 1, B is
# parked on frame 2 and C on frame 3 by switching frames with the hot keys while they are
# opened. Then the kill while frame 2 is on the screen, which leaves frame 1's windows
# above the first frame: the restart begins on frame 2, so that a step back brings them to
# exactly their old place.
# timeout: 120
# shellcheck shell=bash

# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"
# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"

pager_settings '[Option]' 'VirtualDesktop=1' '[VirtualDesktop]' 'Count=3' \
  'Left=800' 'Top=40' 'Width=160' 'Height=480'
n=3
H=${PAGER_SCREEN_H}

# Where each window stands on its own frame (l,t,r,b): apart, so that the middle of each
# in the pager shows that window alone.
declare -A hwnds
declare -A home=([TwParkA]="60,80,360,280" [TwParkB]="300,250,600,450"
  [TwParkC]="150,450,450,650" [TwParkHelper]="600,520,780,660")

# rect_of <class>: its rectangle into RECT. (Every driver call runs in this shell: inside
# $(...) the result file would be the previous call's.)
rect_of() {
  RECT=""
  TW_QUIET=1 tw_driver window-state "${hwnds[$1]}" || return 1
  RECT=$(tw_result_value "rect.${hwnds[$1]}")
}

# on_frame <class> <frames>: its home rectangle moved down by that many screens.
on_frame() {
  local l t r b
  IFS=, read -r l t r b <<<"${home[$1]}"
  printf '%d,%d,%d,%d\n' "${l}" $((t + H * $2)) "${r}" $((b + H * $2))
}

at() {
  rect_of "$1" && [[ ${RECT} == "$2" ]]
}

# expect_at <class> <frames> <why>: the window stands that many screens below its home.
expect_at() {
  local want
  want=$(on_frame "$1" "$2")
  if ! tw_wait_for 10 at "$1" "${want}"; then
    rect_of "$1" || true
    fail "$3: $1 stands at ${RECT:-<gone>}, not ${want}"
  fi
  tw_log "$3: $1 at ${want}"
}

# expect_all <why> <class:frames>...
expect_all() {
  local why=$1 spec
  shift
  for spec in "$@"; do expect_at "${spec%:*}" "${spec#*:}" "${why}"; done
}

# switch <Up|Down> <why> <class:frames>...: a hot key, then every window where it belongs.
switch() {
  local key=$1
  shift
  tw_key "shift+ctrl+alt+${key}"
  expect_all "$@"
}

# pager_shows <colours> <class:frame>...: a screenshot of the screen shows each window in
# the cell of that frame (counted from the first), in one of the colours (FFFF00 yellow,
# 00FF00 lime for the window in front). PAGER_SEEN tells what was seen where.
pager_shows() {
  local colours=$1 spec class l t r b seen
  shift
  import -window root "${TW_WORK}/pager-now.png"
  PAGER_SEEN=""
  for spec in "$@"; do
    class=${spec%:*}
    IFS=, read -r l t r b <<<"$(on_frame "${class}" "${spec#*:}")"
    window_center "${l}" "${t}" "${r}" "${b}" "${n}"
    seen=$(pixel "${TW_WORK}/pager-now.png" "${PX}" "${PY}")
    PAGER_SEEN+=" ${class}=${seen}@${PX},${PY}"
    [[ ${seen} =~ ^(${colours})$ ]] || return 1
  done
}

# expect_pager <shot> <why> <class:frame>...: waits until the pager draws every window in
# its frame's cell; keeps that picture as <shot>.
expect_pager() {
  local shot=$1 why=$2
  shift 2
  tw_wait_for 10 pager_shows 'FFFF00|00FF00' "$@" ||
    fail "${why}: the pager does not draw every window in its cell:${PAGER_SEEN}"
  cp "${TW_WORK}/pager-now.png" "${TW_WORK}/${shot}"
  tw_log "${why}: the pager draws${PAGER_SEEN}"
}

# cell_colour <frame>: the colour of that frame's cell at its right edge, where no window
# is drawn, in the last pager_shows picture.
cell_colour() {
  pixel "${TW_WORK}/pager-now.png" $((CR - 6)) $((CT + $(cell_top $(($1 + 1)) "${n}") - 6))
}

# open_on <class> <frame>: a window of the driver's at its home place while that frame is
# on the screen. The program takes its window list (rectangles included) when it hears of
# an activation, and a frame switch moves the windows as listed: so another window comes to
# the front and then this one, and the pager drawing it in front at its place shows that
# the program has taken it.
open_on() {
  local class=$1 frame=$2 l t r b
  IFS=, read -r l t r b <<<"${home[${class}]}"
  tw_driver_bg open-window "${class}" "${class}" 280
  tw_wait_for 15 tw_driver find-window "${class}" || fail "the window ${class} did not appear"
  hwnds[${class}]=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
  tw_driver move-window "${hwnds[${class}]}" "${l}" "${t}" $((r - l)) $((b - t)) ||
    fail "${class} could not be placed"
  [[ ${class} == TwParkHelper ]] && return
  tw_driver activate "${hwnds[TwParkHelper]}" || fail "could not activate the helper window"
  tw_driver activate "${hwnds[${class}]}" || fail "could not activate ${class}"
  tw_wait_for 10 pager_shows 00FF00 "${class}:${frame}" ||
    fail "the pager does not draw ${class} in front on frame $((frame + 1)):${PAGER_SEEN}"
  tw_log "${class} opened on frame $((frame + 1)) at ${home[${class}]}"
}

start_program() {
  tw_start
  tw_wait_for 20 pager_started || fail "the pager did not appear"
}

# exit_program <why>: the tray menu's exit; the program ends with exit code 0.
exit_program() {
  tray_choose 6
  tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "$1: exit did not end the program"
  wait "${TW_PID}" || fail "$1: the program ended with exit code $?"
  TW_PID=""
}

# --- Killed while the first frame is on the screen. ---
start_program
open_on TwParkHelper 0
open_on TwParkA 0
switch Down "frame 2 on the screen" TwParkA:-1 TwParkHelper:-1
open_on TwParkB 1
switch Down "frame 3 on the screen" TwParkA:-2 TwParkB:-1
open_on TwParkC 2
switch Up "frame 2 again" TwParkA:-1 TwParkB:0 TwParkC:1
switch Up "frame 1 again" TwParkA:0 TwParkB:1 TwParkC:2 TwParkHelper:0

tw_stop
tw_driver mutex-exists TarnwickMutex && fail "the mutex of the killed program stays"
expect_all "after the kill" TwParkB:1 TwParkC:2

start_program
expect_pager pager-restart-frame1.png "restarted on frame 1" TwParkA:0 TwParkB:1 TwParkC:2
switch Down "restarted, frame 2" TwParkA:-1 TwParkB:0 TwParkC:1
switch Down "restarted, frame 3" TwParkA:-2 TwParkB:-1 TwParkC:0
exit_program "exit on frame 3"
expect_all "after the exit on frame 3" TwParkA:0 TwParkB:0 TwParkC:0 TwParkHelper:0

# --- Killed while the second frame is on the screen. ---
# Set out again while the program is not running: B on frame 2, C on frame 3.
for spec in TwParkB:1 TwParkC:2; do
  IFS=, read -r l t r b <<<"$(on_frame "${spec%:*}" "${spec#*:}")"
  tw_driver move-window "${hwnds[${spec%:*}]}" "${l}" "${t}" $((r - l)) $((b - t)) ||
    fail "${spec%:*} could not be placed"
done
start_program
expect_pager pager-before-kill2.png "started again" TwParkA:0 TwParkB:1 TwParkC:2
switch Down "frame 2 on the screen" TwParkA:-1 TwParkB:0 TwParkC:1 TwParkHelper:-1
tw_stop
expect_all "after the kill on frame 2" TwParkA:-1 TwParkB:0 TwParkC:1 TwParkHelper:-1

start_program
expect_pager pager-restart-frame2.png "restarted after the kill on frame 2" \
  TwParkA:0 TwParkB:1 TwParkC:2
[[ $(cell_colour 1) == FFFFFF && $(cell_colour 0) == 808080 ]] ||
  fail "the pager does not show frame 2 as the current one (cell 1 $(cell_colour 0), cell 2 $(cell_colour 1))"
tw_log "the pager shows frame 2 as the current one"
switch Up "restarted, back on frame 1" TwParkA:0 TwParkB:1 TwParkC:2 TwParkHelper:0
switch Down "restarted, frame 2 again" TwParkA:-1 TwParkB:0 TwParkC:1
exit_program "exit on frame 2"
expect_all "after the exit on frame 2" TwParkA:0 TwParkB:0 TwParkC:0 TwParkHelper:0
