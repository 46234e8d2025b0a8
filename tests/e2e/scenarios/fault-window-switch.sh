# Windows that close between the program's window list and a frame switch do not disturb
# it: the other windows move exactly as they would have, no error box appears, and the next
# hot key works. Two windows of the driver's time their going away to the switch itself:
# one destroys itself when the program asks whether it answers or, asking nothing, as the
# move that parks it arrives (after the list was taken, before it has moved), the other
# closes once it has been moved to its parked place (moved, then gone before the switch
# back).
# timeout: 90
# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

printf '[Option]\r\nVirtualDesktop=1\r\n' >"${TW_DIR}/tarnwick.ini"
mods=7 # Shift+Ctrl+Alt
down=0x28
up=0x26

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
program_windows
program_before=${windows_now}

fault_window TwFaultStay "Stays A" none 40 60 300 200
a=${found}
fault_window TwFaultProbe "Goes when asked" probe 380 60 300 200
probe_result=${found_result}
probe=${found}
fault_window TwFaultParked "Goes when parked" parked 40 400 300 200
parked_result=${found_result}
parked=${found}
fault_window TwFaultStay "Stays D" none 560 420 300 200
d=${found}
# The program takes its window list at each activation; activated last, D comes first in
# it and A last, so the vanishing ones lie between windows that must move.
for hwnd in "${a}" "${probe}" "${parked}" "${d}"; do
  tw_driver activate "${hwnd}" || fail "could not activate ${hwnd}"
done
sleep 1
read_start "${a}" "${probe}" "${parked}" "${d}"

tw_driver press-hotkey "${mods}" "${down}" || fail "the key strokes could not be sent"
expect_at "to the next frame" -768 "${a}" "${d}"
expect_vanished "${probe_result}" probe "the window asked before its move"
[[ ${vanished_rect} == "${start[${probe}]}" ]] ||
  fail "the window asked before its move was moved first (to ${vanished_rect})"
expect_vanished "${parked_result}" parked "the window closing once parked"
[[ ${vanished_rect} == "$(shifted "${start[${parked}]}" -768)" ]] ||
  fail "the window closing once parked went away at ${vanished_rect}, not at its parked place"
tw_driver window-state "${probe}" "${parked}" && fail "a vanished window is still there"
expect_no_new_windows "after the switch"

# The next hot keys: back, on and back again, with the closed windows still in the list.
tw_driver press-hotkey "${mods}" "${up}" || fail "the key strokes could not be sent"
expect_at "back to the first frame" 0 "${a}" "${d}"
tw_driver press-hotkey "${mods}" "${down}" || fail "the key strokes could not be sent"
expect_at "on again" -768 "${a}" "${d}"
tw_driver press-hotkey "${mods}" "${up}" || fail "the key strokes could not be sent"
expect_at "back again" 0 "${a}" "${d}"
expect_no_new_windows "at the end"
