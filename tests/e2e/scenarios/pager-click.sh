# A plain click on a cell of the pager, where no window is drawn, switches to that frame:
# every window moves by whole screens, and the clicked cell becomes the white one.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

pager_settings '[VirtualDesktop]' 'Left=800' 'Top=40' 'Width=160' 'Height=480'
tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
open_window TwPagerA 100 100 400 300
open_window TwPagerC 200 868 400 250
sleep 0.5

n=4
top2=$(cell_top 2 "${n}")
top3=$(cell_top 3 "${n}")
pager_click $((CL + CW / 2)) $((CT + (top2 + top3) / 2))
sleep 1
window_rect TwPagerA
[[ ${WRECT} == "100,-1436,500,-1136" ]] || fail "A did not move two screens up: ${WRECT}"
window_rect TwPagerC
[[ ${WRECT} == "200,-668,600,-418" ]] || fail "C did not move two screens up: ${WRECT}"
xdotool mousemove 400 600
sleep 0.5
tw_screenshot frame2.png
expect_pixel "${TW_WORK}/frame2.png" $((CR - 6)) $((CT + top3 - 6)) FFFFFF "frame 2 is the current cell"
expect_pixel "${TW_WORK}/frame2.png" $((CR - 6)) $((CT + 20)) 808080 "frame 0 is not"

# And back to the first frame: everything where it was.
pager_click $((CL + CW - 6)) $((CT + 6))
sleep 1
window_rect TwPagerA
[[ ${WRECT} == "100,100,500,400" ]] || fail "A is not back: ${WRECT}"
window_rect TwPagerC
[[ ${WRECT} == "200,868,600,1118" ]] || fail "C is not back on frame 1: ${WRECT}"

# A right click opens the pager's menu, the tray menu's copy; Esc closes it again.
menu_shown() {
  tw_driver find-window '#32768' && tw_result_has '^window .* visible=1 '
}
if menu_shown; then fail "a menu is open before the right click"; fi
xdotool mousemove --sync $((CL + CW / 2)) $((CT + 20))
sleep 0.5
xdotool click 3
tw_wait_for 5 menu_shown || fail "the right click opened no menu"
tw_key Escape
tw_wait_for 5 '! menu_shown' || fail "the menu did not close"
