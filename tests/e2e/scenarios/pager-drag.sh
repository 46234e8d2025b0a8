# Dragging a window's rectangle in the pager from the current cell into the next one moves
# that real window to the next frame, and the view follows it there: the window is on the
# screen again at its dropped place and size, the others have moved one screen up.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

pager_settings '[VirtualDesktop]' 'Left=800' 'Top=40' 'Width=160' 'Height=480'
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
open_window TwPagerA 100 100 400 300
open_window TwPagerB 500 300 300 200
open_window TwPagerC 200 868 400 250
sleep 0.5

# Press in the middle of A's rectangle and move down by exactly one cell.
n=4
pager_drag_down 100 100 500 400 "${n}"
step=$(cell_top 1 "${n}")
sleep 1

# Where the drop puts it: the drawn rectangle moved by one cell, scaled back; the window
# keeps its size and comes onto the screen with frame 1.
map_axis 100 500 "${PAGER_SCREEN_W}" "${CW}" $((CW % n))
left=$((MAP_LOW * PAGER_SCREEN_W / CW))
map_axis 100 400 "${PAGER_SCREEN_H}" "${step}" $((CH % n))
top=$(((MAP_LOW + step) * PAGER_SCREEN_H / (CH / n) - PAGER_SCREEN_H))
window_rect TwPagerA
[[ ${WRECT} == "${left},${top},$((left + 400)),$((top + 300))" ]] ||
  fail "A is at ${WRECT}, expected ${left},${top},$((left + 400)),$((top + 300))"
window_rect TwPagerB
[[ ${WRECT} == "500,-468,800,-268" ]] || fail "B did not move one screen up: ${WRECT}"
window_rect TwPagerC
[[ ${WRECT} == "200,100,600,350" ]] || fail "C, on frame 1, is not on the screen: ${WRECT}"

xdotool mousemove 400 600  # off the pager, so that nothing covers the picture
sleep 1
tw_screenshot dropped.png
shot=${TW_WORK}/dropped.png
expect_pixel "${shot}" $((CR - 6)) $((CT + 2 * step - 6)) FFFFFF "frame 1 is the current cell"
expect_pixel "${shot}" $((CR - 6)) $((CT + step - 6)) 808080 "frame 0 is not"
# C overlaps A from x 200 on; which of them the pager draws last depends on when the system
# raised A, so look at the part of A left of C.
window_center "${left}" $((top + PAGER_SCREEN_H)) 200 $((top + 300 + PAGER_SCREEN_H)) "${n}"
expect_pixel "${shot}" "${PX}" "${PY}" 00FF00 "the dropped window, in front"
