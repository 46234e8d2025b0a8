# A frame switch by hot key starts from where the windows are now: a window moved and
# sized by another program after the program last took its window list goes one screen up
# and comes back exactly to the place and size it was given, not to its old ones.
# timeout: 90
# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

printf '[Option]\r\nVirtualDesktop=1\r\n' >"${TW_DIR}/tarnwick.ini"
mods=7 # Shift+Ctrl+Alt
down=0x28
up=0x26

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

fault_window TwMovedLater "Moved later" none 40 60 300 200
moved=${found}
# The program takes its window list at the activation it hears of.
tw_driver activate "${moved}" || fail "could not activate the window"
sleep 1

# Another program (the driver) moves and sizes it; nothing tells the program.
tw_driver move-window "${moved}" 420 330 360 240 || fail "the window could not be moved"
read_start "${moved}"
[[ ${start[${moved}]} == 420,330,780,570 ]] || fail "the window stands at ${start[${moved}]}"

tw_driver press-hotkey "${mods}" "${down}" || fail "the key strokes could not be sent"
expect_at "one frame on" -768 "${moved}"
tw_driver press-hotkey "${mods}" "${up}" || fail "the key strokes could not be sent"
expect_at "back where it was moved to" 0 "${moved}"
