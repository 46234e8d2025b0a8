# shellcheck shell=bash
# shellcheck disable=SC2034 # variables set here are read by the scenarios
# Helpers of the pager scenarios, sourced after lib.sh. The pager's picture is worked out
# from its client area as the program lays it out: n cells along the strip, the first
# (size mod n) one pixel larger; a window's rectangle scaled by cell over screen.

PAGER_SCREEN_W=1024
PAGER_SCREEN_H=768

# pager_settings <ini lines...>: the settings file the program starts with.
pager_settings() {
  printf '%s\r\n' "$@" >"${TW_DIR}/tarnwick.ini"
}

# pager_read: asks the driver where the pager is. Sets PAGER_RECT (l,t,r,b), PAGER_W,
# PAGER_H and the client area in screen coordinates CL CT CR CB, CW CH. Not for a command
# substitution: the driver's results are numbered in this shell.
pager_read() {
  TW_QUIET=1 tw_driver pager-info || return 1
  PAGER_RECT=$(tw_result_value pager-rect)
  PAGER_W=$(tw_result_value pager-width)
  PAGER_H=$(tw_result_value pager-height)
  IFS=, read -r CL CT CR CB <<<"$(tw_result_value pager-client)"
  CW=$((CR - CL))
  CH=$((CB - CT))
}

# pager_wait_width <width> <seconds>: until the pager's outer width is that.
pager_wait_width() {
  local want=$1 deadline=$((SECONDS + $2))
  while true; do
    pager_read || return 1
    [[ ${PAGER_W} == "${want}" ]] && return 0
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# cell_top <k> <n>: the top of cell k (vertical strip), in client pixels.
cell_top() {
  local k=$1 n=$2 base=$((CH / $2)) extra=$((CH % $2))
  echo $((k * base + (k < extra ? k : extra)))
}

# map_axis <low> <high> <screen> <cell> <extra>: one axis of a window's rectangle in the
# pager; sets MAP_LOW and MAP_HIGH.
map_axis() {
  local low=$1 high=$2 screen=$3 cell=$4 extra=$5 a b
  a=$((low / screen))
  b=$((high / screen))
  MAP_LOW=$((low * cell / screen + a))
  MAP_HIGH=$((high * cell / screen + b))
  if ((extra < a)); then
    MAP_LOW=$((MAP_LOW - (a - extra)))
    MAP_HIGH=$((MAP_HIGH - (a - extra)))
  fi
}

# window_center <left> <top> <right> <bottom> <n>: the screen point in the middle of where a
# window with that virtual rectangle is drawn (vertical strip of n frames); sets PX PY.
window_center() {
  local n=$5
  map_axis "$1" "$3" "${PAGER_SCREEN_W}" "${CW}" $((CW % n))
  PX=$((CL + (MAP_LOW + MAP_HIGH) / 2))
  map_axis "$2" "$4" "${PAGER_SCREEN_H}" $((CH / n)) $((CH % n))
  PY=$((CT + (MAP_LOW + MAP_HIGH) / 2))
}

# pixel <png> <x> <y>: the colour there as RRGGBB.
pixel() {
  convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:
}

# expect_pixel <png> <x> <y> <RRGGBB> <what>
expect_pixel() {
  local seen
  seen=$(pixel "$1" "$2" "$3")
  [[ ${seen} == "$4" ]] || fail "$5: expected $4 at $2,$3, the screen shows ${seen}"
  tw_log "$5: $4 at $2,$3"
}

# window_rect <class>: sets WRECT (l,t,r,b) of that window.
window_rect() {
  TW_QUIET=1 tw_driver find-window "$1" || fail "no window of class $1"
  WRECT=$(sed -n 's/^window .* rect=\([-0-9,]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
}

# open_window <class> <left> <top> <width> <height>: a window of the driver's, in place.
open_window() {
  tw_driver_bg open-window "$1" "$1" 120
  tw_wait_for 15 tw_driver find-window "$1" || fail "the window $1 did not appear"
  tw_driver place-window "$1" "$2" "$3" "$4" "$5" >/dev/null
}

# pager_click <x> <y>: the pointer rests over the pager first, as a user's does. Entering
# the pager brings it to the front, and a click in the same instant can be lost while the
# program takes the foreground (it joins its input to the foreground program's for that
# moment).
pager_click() {
  xdotool windowfocus --sync "$(tw_desktop_window)"
  xdotool mousemove --sync "$1" "$2"
  sleep 0.5
  xdotool click 1
  tw_log "click in the pager at $1,$2"
}

# pager_started: the pager is there and the program's start-up has run to its end, where it
# brings its own (hidden) application window to the front; another program activated
# before that would lose the activation to it again.
pager_started() {
  pager_read && tw_result_has '^foreground=.* class="TarnwickApplication" '
}

# pager_drag_down <l> <t> <r> <b> <n> [command...]: presses in the middle of the picture of
# the window rectangle l,t,r,b in a pager of n cells, drags it down by one cell in eight
# steps, running the command (if any) halfway with the button held, and lets go.
pager_drag_down() {
  local step i
  step=$(cell_top 1 "$5")
  window_center "$1" "$2" "$3" "$4" "$5"
  xdotool windowfocus --sync "$(tw_desktop_window)"
  xdotool mousemove "${PX}" "${PY}"
  sleep 0.5
  xdotool mousedown 1
  sleep 0.3
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove "${PX}" $((PY + step * i / 8))
    sleep 0.05
    if ((i == 4 && $# > 5)); then "${@:6}"; fi
  done
  sleep 0.3
  xdotool mouseup 1
  tw_log "dragged from ${PX},${PY} down by ${step}"
}
