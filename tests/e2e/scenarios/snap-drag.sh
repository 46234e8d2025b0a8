# Snapping: a window dragged by its caption with the snapping key held ends flush with the
# work area's edge or with another window it was dropped near, at its own size. Without
# the key, with another key, or with snapping off (key 0), it stays exactly where it was
# dropped. The hook runs in a driver process as the program would run it.
# timeout: 150

# read_rect <class>: sets rect to "left,top,right,bottom" of that window. Not for a
# command substitution: the driver's result files are numbered in this shell.
read_rect() {
  TW_QUIET=1 tw_driver find-window "$1" || fail "no window of class $1"
  rect=$(sed -n 's/^window .* rect=\([-0-9,]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
}

# snap_drag <class> <key|none> <left> <top> [<left> <top> ...]: presses the button on the
# window's caption, then holds the key (an xdotool name), moves the pointer in steps so that
# the window's top-left corner would pass each point in turn, lets go of the button, then
# of the key.
snap_drag() {
  local class=$1 key=$2 l t r b x y cx cy tx ty i
  shift 2
  read_rect "${class}"
  IFS=, read -r l t r b <<<"${rect}"
  x=$(((l + r) / 2))
  y=$((t + 12))
  xdotool windowfocus --sync "$(tw_desktop_window)"
  xdotool mousemove "${x}" "${y}"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  [[ ${key} == none ]] || xdotool keydown "${key}"
  cx=${x}
  cy=${y}
  tw_log "drag ${class} from ${l},${t} with ${key} via $*"
  while (($# >= 2)); do
    tx=$((x + $1 - l))
    ty=$((y + $2 - t))
    shift 2
    for i in 1 2 3 4 5 6 7 8; do
      xdotool mousemove $((cx + (tx - cx) * i / 8)) $((cy + (ty - cy) * i / 8))
      sleep 0.04
    done
    cx=${tx}
    cy=${ty}
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.1
  [[ ${key} == none ]] || xdotool keyup "${key}"
  sleep 0.3
}

# settle_rect <class>: read_rect once the drag is over: the moved window's process may
# still be working through the pointer's moves when the button is let go.
settle_rect() {
  local previous tries
  read_rect "$1"
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.3
    previous=${rect}
    read_rect "$1"
    [[ ${rect} != "${previous}" ]] || break
  done
}

# expect_at <class> <left> <top> <why>: the window's top-left corner, at its old size.
expect_at() {
  local expected="$2,$3,$(($2 + width)),$(($3 + height))"
  settle_rect "$1"
  [[ ${rect} == "${expected}" ]] || fail "$4: expected $1 at ${expected}, it is at ${rect}"
  tw_log "$1 at ${rect}: $4"
}

# hook_hold <key>: starts the hook with that snapping key and waits until it runs.
hook_hold() {
  tw_driver_bg hook-hold "$1" 120
  hold_result=${TW_BG_RESULT}
  tw_wait_for 15 "grep -qs '^hook-started=1' '${hold_result}'" || fail "the hook did not start"
}

hook_release() {
  tw_driver hook-release || fail "no hook to release"
  tw_wait_for 15 "grep -qs '^hook-ended=1' '${hold_result}'" || fail "the hook did not end"
}

tw_driver work-area
IFS=, read -r wl wt wr wb <<<"$(tw_result_value work-area)"

hook_hold 1
tw_driver_bg open-window TwSnapA "Snap A" 140
tw_wait_for 15 tw_driver find-window TwSnapA || fail "the window to drag did not appear"
sleep 1
read_rect TwSnapA
IFS=, read -r l t r b <<<"${rect}"
width=$((r - l))
height=$((b - t))

snap_drag TwSnapA shift $((wl + 6)) $((wt + 5))
expect_at TwSnapA "${wl}" "${wt}" "Shift near the top-left corner"
snap_drag TwSnapA none $((wl + 6)) $((wt + 5))
expect_at TwSnapA $((wl + 6)) $((wt + 5)) "no key"
snap_drag TwSnapA shift $((wl + 14)) $((wt + 13))
expect_at TwSnapA $((wl + 14)) $((wt + 13)) "Shift, but beyond the snapping distance"
snap_drag TwSnapA shift $((wr - width - 7)) $((wb - height - 4))
expect_at TwSnapA $((wr - width)) $((wb - height)) "Shift near the bottom-right corner"
# Past the corner and on, in one drag: snapping must not leave the window behind the pointer.
snap_drag TwSnapA shift $((wl + 4)) $((wt + 3)) $((wl + 60)) $((wt + 50))
expect_at TwSnapA $((wl + 60)) $((wt + 50)) "Shift, through the corner and away again"
snap_drag TwSnapA ctrl $((wl + 5)) $((wt + 5))
expect_at TwSnapA $((wl + 5)) $((wt + 5)) "Ctrl while Shift snaps"

# Another window: flush beside it, top edges aligned.
tw_driver_bg open-window TwSnapB "Snap B" 140
tw_wait_for 15 tw_driver find-window TwSnapB || fail "the second window did not appear"
tw_driver place-window TwSnapB 500 200 200 150
snap_drag TwSnapA shift 708 203
expect_at TwSnapA 700 200 "Shift beside the other window"
snap_drag TwSnapA shift 94 150
expect_at TwSnapA 100 150 "Shift, to the other window's left"
tw_screenshot snap-beside.png

hook_release
hook_hold 0
snap_drag TwSnapA shift $((wl + 6)) $((wt + 5))
expect_at TwSnapA $((wl + 6)) $((wt + 5)) "snapping off, Shift held"

hook_release
hook_hold 3
snap_drag TwSnapA alt $((wl + 7)) $((wt + 6))
expect_at TwSnapA "${wl}" "${wt}" "Alt near the top-left corner"
hook_release
