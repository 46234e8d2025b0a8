# A window whose rectangle is being dragged in the pager and that closes before the drop
# does not disturb the program: the view still follows the drop into the next frame, every
# other window moves exactly as it would have, no error box appears, and the next hot key
# works. The first window destroys itself when the program asks whether it answers, just
# before moving it at the drop; the second is closed while the button is still held.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"
# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

pager_settings '[VirtualDesktop]' 'Left=800' 'Top=40' 'Width=160' 'Height=480'
mods=7 # Shift+Ctrl+Alt
up=0x26
n=4

tw_start
tw_wait_for 20 pager_started || fail "the pager did not appear"
program_windows
program_before=${windows_now}

fault_window TwDropStay "B" none 500 300 300 200
b=${found}
fault_window TwDropStay "C" none 200 868 400 250
c=${found}
read_start "${b}" "${c}"

# drag_down [while-held...]: the dragged window's rectangle (at 100,100,500,400) one cell
# down.
drag_down() {
  pager_read || fail "the pager has gone"
  pager_drag_down 100 100 500 400 "${n}" "$@"
}

# after_drop <why> <result> <trigger>: the dragged window went, the view is on the next
# frame (B one screen up, C on the screen), nothing else appeared; the next hot key brings
# the first frame back.
after_drop() {
  expect_vanished "$2" "$3" "$1"
  expect_at "$1" -768 "${b}" "${c}"
  xdotool mousemove 400 600
  expect_no_new_windows "$1"
  tw_driver press-hotkey "${mods}" "${up}" || fail "the key strokes could not be sent"
  expect_at "$1, then back by hot key" 0 "${b}" "${c}"
}

fault_window TwDropProbe "Goes at the drop" probe 100 100 400 300
probe_result=${found_result}
sleep 0.5
drag_down
after_drop "gone at the drop" "${probe_result}" probe
[[ ${vanished_rect} == 100,100,500,400 ]] ||
  fail "the window that went at the drop was moved first (to ${vanished_rect})"

fault_window TwDropClosed "Closed while dragged" none 100 100 400 300
closed=${found}
closed_result=${found_result}
sleep 0.5
drag_down tw_driver close-window "${closed}"
after_drop "closed while dragged" "${closed_result}" closed
