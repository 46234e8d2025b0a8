# The pager as the screen shows it: a tool window without a caption, always on top, at the
# place the settings file gives; four cells, the current one white and the others grey,
# every window a yellow rectangle at its scaled place (the one in front lime), a blue
# outline and blue lines between the cells.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

pager_settings '[VirtualDesktop]' 'Left=800' 'Top=40' 'Width=160' 'Height=480'
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
tw_expect pager-caption 0
tw_expect pager-topmost 1
[[ ${PAGER_RECT} == 800,40,960,520 ]] || fail "the pager is at ${PAGER_RECT}, not where the file says"

# Two windows on the screen (frame 0) and one on frame 1, below the screen.
open_window TwPagerA 100 100 400 300
open_window TwPagerB 500 300 300 200
open_window TwPagerC 200 868 400 250
# A click on A's caption brings it to the front; the pager hears of it and redraws.
tw_click 300 110
sleep 1.5
pager_read
tw_screenshot pager.png
shot=${TW_WORK}/pager.png
convert "${shot}" -crop "${PAGER_W}x${PAGER_H}+800+40" +repage "${TW_WORK}/pager-only.png"

n=4
top1=$(cell_top 1 4)
top2=$(cell_top 2 4)
top3=$(cell_top 3 4)
expect_pixel "${shot}" $((CR - 6)) $((CT + top1 - 6)) FFFFFF "the current frame's cell"
expect_pixel "${shot}" $((CL + CW / 2)) $((CT + (top2 + top3) / 2)) 808080 "another frame's cell"
window_center 100 100 500 400 "${n}"
expect_pixel "${shot}" "${PX}" "${PY}" 00FF00 "the window in front"
window_center 500 300 800 500 "${n}"
expect_pixel "${shot}" "${PX}" "${PY}" FFFF00 "a window behind it"
window_center 200 868 600 1118 "${n}"
expect_pixel "${shot}" "${PX}" "${PY}" FFFF00 "a window on frame 1"
expect_pixel "${shot}" "${CL}" $((CT + CH / 2)) 0000FF "the outline"
expect_pixel "${shot}" $((CL + CW / 2)) $((CT + top2)) 0000FF "the line between cells 1 and 2"
