# With "Inactive" 1 the pager shrinks when another program becomes active: in 7 steps to
# its full width less 7 eighths of the way to the width when shrunk, its right edge kept
# in the right half of the screen. When the pointer enters it, it is full size at once.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

pager_settings '[VirtualDesktop]' 'Inactive=1' 'MiniWidth=16' 'Left=800' 'Top=40' 'Width=160' \
  'Height=480'
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
[[ ${PAGER_RECT} == 800,40,960,520 ]] || fail "the pager starts at ${PAGER_RECT}"

# Another program's window comes up and takes the activation.
open_window TwOther 100 100 400 300
shrunk=$((160 - 7 * ((160 - 16) / 8)))
tw_wait_for 10 pager_wait_width "${shrunk}" 1 || fail "the pager did not shrink to ${shrunk}"
[[ ${PAGER_RECT} == "$((960 - shrunk)),40,960,520" ]] ||
  fail "shrunk, the pager should keep its right edge: ${PAGER_RECT}"
tw_screenshot shrunk.png
# Each step draws the picture anew at the pager's size: outline, grey cells.
pager_read
shot=${TW_WORK}/shrunk.png mid=$((CT + (CH / 4) * 5 / 2))
expect_pixel "${shot}" "${CL}" "${mid}" 0000FF "shrunk, the outline"
expect_pixel "${shot}" $((CL + CW / 2)) "${mid}" 808080 "shrunk, a grey cell"
sleep 1
pager_read
[[ ${PAGER_W} == "${shrunk}" ]] || fail "the pager did not stay shrunk: ${PAGER_RECT}"

# The pointer enters: full size again, and the pager is in front.
xdotool mousemove --sync $((960 - shrunk / 2)) 300
tw_wait_for 5 pager_wait_width 160 1 || fail "the pager did not expand when the pointer entered"
[[ ${PAGER_RECT} == 800,40,960,520 ]] || fail "expanded, the pager is at ${PAGER_RECT}"
tw_result_has '^foreground=.*class="TarnwickForm"' || fail "the pager is not in front"
tw_screenshot expanded.png
# Full size again, the picture reaches the right edge: drawn, not the narrow one's rest.
pager_read
shot=${TW_WORK}/expanded.png mid=$((CT + (CH / 4) * 5 / 2))
expect_pixel "${shot}" $((CR - 3)) "${mid}" 808080 "expanded, a grey cell at its right"
expect_pixel "${shot}" $((CR - 1)) "${mid}" 0000FF "expanded, the outline at its right"
# The user sizes the pager by its bottom-right corner: the picture fills the new size.
xdotool mousemove --sync 958 518 mousedown 1
for step in 1 2 3 4; do xdotool mousemove --sync $((958 + 15 * step)) $((518 + 20 * step)); done
xdotool mouseup 1
sleep 1
pager_read
((PAGER_W > 160 && PAGER_H > 480)) || fail "the user's sizing did not take: ${PAGER_RECT}"
tw_screenshot sized.png
shot=${TW_WORK}/sized.png mid=$((CT + (CH / 4) * 5 / 2))
expect_pixel "${shot}" $((CR - 3)) "${mid}" 808080 "sized, a grey cell at its right"
expect_pixel "${shot}" $((CL + CW / 2)) $((CB - 1)) 0000FF "sized, the outline at its bottom"

# With "Inactive" 2 it fades instead: at the end nearly transparent (alpha 1, never 0) and
# shrunk like the last shrink step; entering makes it opaque and full size.
tw_stop
pager_settings '[VirtualDesktop]' 'Inactive=2' 'MiniWidth=16' 'Left=800' 'Top=40' 'Width=160' \
  'Height=480'
xdotool mousemove 400 600
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear again"
open_window TwOther2 100 100 400 300
# Alpha 1 and the shrinking come in one step; the driver may look between the two.
tw_wait_for 10 "pager_read && [[ \$(tw_result_value pager-alpha) == 1 && \${PAGER_W} == ${shrunk} ]]" ||
  fail "the pager did not fade to alpha 1 and shrink to ${shrunk}: ${PAGER_RECT}"
tw_expect pager-layered 1
xdotool mousemove --sync $((960 - shrunk / 2)) 300
tw_wait_for 5 pager_wait_width 160 1 || fail "the faded pager did not expand"
tw_expect pager-layered 0
