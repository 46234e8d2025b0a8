# A window's rectangle dragged in the pager past its right edge and let go there (on the
# pager's border, where the pointer is held) stays on the screen: the drop keeps the whole
# window within the screen's width, at its own size.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

pager_settings '[VirtualDesktop]' 'Left=800' 'Top=40' 'Width=160' 'Height=480'
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
open_window TwPagerEdge 100 100 400 300
sleep 0.5
pager_read || fail "the pager is not there"

# Pressed near the left end of the window's picture, dragged right beyond the pager.
n=4
window_center 100 100 500 400 "${n}"
map_axis 100 500 "${PAGER_SCREEN_W}" "${CW}" $((CW % n))
x=$((CL + MAP_LOW + 2))
IFS=, read -r _ _ pager_right _ <<<"${PAGER_RECT}"
xdotool windowfocus --sync "$(tw_desktop_window)"
xdotool mousemove "${x}" "${PY}"
sleep 0.5
xdotool mousedown 1
sleep 0.3
for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((x + (pager_right + 20 - x) * i / 8)) "${PY}"
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1
tw_log "dragged from ${x},${PY} to the pager's right edge (${pager_right})"
sleep 1

window_rect TwPagerEdge
IFS=, read -r l t r b <<<"${WRECT}"
((r - l == 400 && b - t == 300)) || fail "the dropped window changed its size: ${WRECT}"
((l >= 0 && r <= PAGER_SCREEN_W)) || fail "the dropped window stands at ${WRECT}, off the screen"
tw_log "the dropped window stands at ${WRECT}"
