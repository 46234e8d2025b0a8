# A command's hot key cycling among three windows of three processes, activated by clicks,
# which under Wine leave the Z order behind: used in the order 1, 2, 3, the presses visit
# 1, 2, 3 and then 1 again. Window 3 stands partly past the screen's left edge, which does
# not make it parked on another virtual screen: the press after it moves on.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
# Ctrl+Alt+F8: MOD_CONTROL 2 | MOD_ALT 1, VK_F8 0x77.
mods=3
key=0x77
printf '[Command]\r\nCount=1\r\nName0="cycle"\r\nHotKey0="Ctrl+Alt+F8"\r\n%s\r\n' \
  'WindowTitle0="@TwCycle"' >"${ini}"

tw_start
tw_wait_for 20 tw_driver hotkey-taken "${mods}" "${key}" ||
  fail "the program did not register the command's hot key"

# Each open-window call is a process of its own.
windows=()
for n in 1 2 3; do
  tw_driver_bg open-window TwCycle "cycle ${n}" 80
  tw_wait_for 15 tw_count_shown TwCycle "${n}" || fail "window ${n} did not appear"
  new=$(grep -vx -F -f <(printf '%s\n' "${windows[@]:-none}") <<<"${shown}")
  windows+=("${new}")
done
# Side by side, so that a click on each caption reaches it, the first opened partly past the
# left edge; then used by clicks in another order than they were opened.
for n in 0 1 2; do
  tw_driver move-window "${windows[n]}" $((-100 + 360 * n)) $((60 + 100 * n)) 380 280 ||
    fail "window $((n + 1)) could not be placed"
done
used=("${windows[1]}" "${windows[2]}" "${windows[0]}")
for hwnd in "${used[@]}"; do
  tw_driver window-state "${hwnd}" || fail "window ${hwnd} has gone"
  IFS=, read -r left top _ <<<"$(tw_result_value "rect.${hwnd}")"
  tw_click $((left + 150)) $((top + 12))
  tw_wait_for 5 "tw_driver foreground && [[ \$(tw_result_value foreground) == ${hwnd} ]]" ||
    fail "a click did not bring window ${hwnd} to the front"
done
sleep 0.5
tw_driver press-and-watch "${mods}" "${key}" 4 5000 ||
  fail "a press left the same window in front"
visited=()
for n in 1 2 3 4; do visited+=("$(tw_result_value "press${n}")"); done
expected=("${used[@]}" "${used[0]}")
tw_log "presses brought: ${visited[*]}; expected ${expected[*]}"
[[ ${visited[*]} == "${expected[*]}" ]] ||
  fail "the presses did not visit the windows least recently used first: ${visited[*]}"
tw_stop
