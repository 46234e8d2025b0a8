# The translucency hot key, typed on the keyboard, acts on the window in front and only on
# it: the first press makes it layered with the alpha of the settings file, the second
# makes it opaque again. A window that is layered of its own accord counts as translucent:
# the first press takes its layering away.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
printf '[Option]\r\nTranslucentAlpha=120\r\n' >"${ini}"

# shown_window <class>: the first shown window of that class into ${shown}.
shown_window() {
  tw_driver find-window "$1" || return 1
  shown=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" |
    head -n 1)
  [[ -n ${shown} ]]
}

# layering_is <hwnd> <layered 0|1>
layering_is() {
  tw_driver window-state "$1" || return 1
  [[ $(tw_result_value "layered.$1") == "$2" ]]
}

# press_on <hwnd> <why>: brings the window to the front and types the hot key.
press_on() {
  tw_driver activate "$1" || fail "$2: the window did not come to the front"
  tw_key shift+ctrl+alt+Home
}

"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
tw_wait_for 15 shown_window Notepad || fail "notepad did not appear"
notepad=${shown}
tw_driver_bg open-window TwBehind "Behind" 80
tw_wait_for 15 shown_window TwBehind || fail "the driver's window did not appear"
behind=${shown}
tw_driver_bg open-window TwSelfLayered "Layered by itself" 80 0x80000
tw_wait_for 15 shown_window TwSelfLayered || fail "the self-layered window did not appear"
self=${shown}
layering_is "${self}" 1 || fail "the driver's window is not layered of its own accord"

tw_start
tw_wait_for 20 tw_driver hotkey-taken 7 0x24 || fail "the program did not register its hot keys"

press_on "${notepad}" "first press"
tw_wait_for 10 layering_is "${notepad}" 1 || fail "the first press did not make notepad layered"
tw_driver window-state "${notepad}" "${behind}"
[[ $(tw_result_value "alpha.${notepad}") == 120 ]] ||
  fail "notepad has alpha $(tw_result_value "alpha.${notepad}"), not the 120 of the settings file"
[[ $(tw_result_value "layered.${behind}") == 0 ]] || fail "the window behind was made layered too"

press_on "${notepad}" "second press"
tw_wait_for 10 layering_is "${notepad}" 0 || fail "the second press did not make notepad opaque"

press_on "${self}" "press on the self-layered window"
tw_wait_for 10 layering_is "${self}" 0 ||
  fail "the press did not take the layering from a window layered of its own accord"
tw_driver window-state "${notepad}" "${behind}"
[[ $(tw_result_value "layered.${notepad}") == 0 && $(tw_result_value "layered.${behind}") == 0 ]] ||
  fail "a press on another window changed notepad or the window behind"
tw_stop
