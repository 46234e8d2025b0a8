# A command's hot key as key strokes: with no window of its pattern the first press starts
# the command line; once that window exists a press brings it in front of another window
# instead of starting a second process; with three matching windows, successive presses
# visit all three, the one used least recently first, and then come back to the first.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
# Ctrl+Alt+F7: MOD_CONTROL 2 | MOD_ALT 1, VK_F7 0x76.
mods=3
key=0x76
printf '[Command]\r\nCount=1\r\nName0="memo"\r\nHotKey0="Ctrl+Alt+F7"\r\n%s\r\n%s\r\n' \
  'WindowTitle0="@Notepad"' 'Program0="notepad.exe"' >"${ini}"

expect_notepads() {
  tw_driver processes notepad.exe || true
  [[ $(tw_result_value count) == "$1" ]] ||
    fail "$2: expected $1 notepad process(es), found $(tw_result_value count)"
}

tw_driver processes notepad.exe && fail "a notepad runs before the scenario starts one"
tw_start
tw_wait_for 20 tw_driver hotkey-taken "${mods}" "${key}" ||
  fail "the program did not register the command's hot key"

# No notepad: the press starts the command line.
tw_driver press-hotkey "${mods}" "${key}" || fail "the key strokes could not be sent"
tw_wait_for 15 tw_count_shown Notepad 1 || fail "the first press started no notepad window"
first=${shown}
sleep 1
expect_notepads 1 "after the first press"

# Another window in front: the press brings the notepad back instead of starting another.
tw_driver_bg open-window TwCommandOther "Other window" 80
tw_wait_for 15 tw_count_shown TwCommandOther 1 || fail "the driver's window did not appear"
other=${shown}
tw_driver activate "${other}" || fail "the driver's window did not come to the front"
tw_driver press-and-watch "${mods}" "${key}" 1 5000 ||
  fail "the press did not change the foreground window"
[[ $(tw_result_value press1) == "${first}" ]] ||
  fail "the press brought $(tw_result_value press1) to the front, not the notepad ${first}"
expect_notepads 1 "after a press with the notepad open"

# Three notepads, used in the order first, second, third: each press brings the one used
# least recently, so the presses visit first, second, third and then the first again.
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 tw_count_shown Notepad 2 || fail "the second notepad did not appear"
second=$(grep -vx -- "${first}" <<<"${shown}")
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 tw_count_shown Notepad 3 || fail "the third notepad did not appear"
third=$(grep -vx -e "${first}" -e "${second}" <<<"${shown}")
for hwnd in "${first}" "${second}" "${third}"; do
  tw_driver activate "${hwnd}" || fail "notepad ${hwnd} did not come to the front"
done
sleep 0.5
tw_driver press-and-watch "${mods}" "${key}" 4 5000 ||
  fail "a press left the same window in front"
visited=()
for n in 1 2 3 4; do visited+=("$(tw_result_value "press${n}")"); done
expected=("${first}" "${second}" "${third}" "${first}")
tw_log "presses brought: ${visited[*]}; expected ${expected[*]}"
[[ ${visited[*]} == "${expected[*]}" ]] ||
  fail "the presses did not visit the notepads least recently used first: ${visited[*]}"
expect_notepads 3 "after cycling"
tw_stop
