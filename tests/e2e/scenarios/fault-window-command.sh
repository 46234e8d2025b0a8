# A command's window that closes right after its hot key is pressed does not disturb the
# program: nothing else moves or comes to the front, nothing is started in its place, no
# error box appears, and the next press works. Two windows of the driver's time their going
# away to the press: one destroys itself when the program asks whether it answers, just
# before bringing it back (after the program chose it), the other closes itself as soon as
# it has been brought to the front.
# timeout: 90
# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

# Ctrl+Alt+F7 raises a window of class TwFaultCommand, or starts notepad when there is none.
mods=3
key=0x76
printf '[Option]\r\nVirtualDesktop=1\r\n[Command]\r\nCount=1\r\nName0="doomed"\r\n%s\r\n%s\r\n%s\r\n' \
  'HotKey0="Ctrl+Alt+F7"' 'WindowTitle0="@TwFaultCommand"' 'Program0="notepad.exe"' \
  >"${TW_DIR}/tarnwick.ini"

tw_start
tw_wait_for 20 tw_driver hotkey-taken "${mods}" "${key}" ||
  fail "the program did not register the command's hot key"
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
program_windows
program_before=${windows_now}

fault_window TwFaultOther "Other window" none 500 300 400 300
other=${found}

# expect_undisturbed <why> <front>: the other window stands where it stood (and is still in
# front, when <front> is 1); no notepad was started; the program shows no new window.
expect_undisturbed() {
  sleep 1 # what a press would still do shows by then
  expect_at "$1" 0 "${other}"
  if (($2)); then
    tw_driver foreground || true
    [[ $(tw_result_value foreground) == "${other}" ]] ||
      fail "$1: $(tw_result_value foreground-class) is in front instead of the other window"
  fi
  tw_driver processes notepad.exe && fail "$1: the command line was started"
  expect_no_new_windows "$1"
}

# press_with <trigger> <why> <front>: a window of the command's class that goes away by
# <trigger>, behind the other window; one press.
press_with() {
  fault_window TwFaultCommand "$2" "$1" 60 60 300 200
  local doomed=${found} result=${found_result}
  tw_driver activate "${doomed}" || fail "could not activate ${doomed}"
  tw_driver activate "${other}" || fail "could not activate the other window"
  sleep 0.5
  read_start "${other}"
  tw_driver press-hotkey "${mods}" "${key}" || fail "the key strokes could not be sent"
  expect_vanished "${result}" "$1" "$2"
  tw_driver window-state "${doomed}" && fail "$2: the window is still there"
  expect_undisturbed "$2" "$3"
}

press_with probe "closed when it was to be brought back" 1
# This one is activated before it goes; where the activation goes then is the system's
# choice (Wine gives it to the task bar).
press_with activated "closed once brought to the front" 0

# The next press works: a window of the command's class that stays comes to the front.
fault_window TwFaultCommand "Stays" none 60 60 300 200
stays=${found}
tw_driver activate "${other}" || fail "could not activate the other window"
sleep 0.5
tw_driver press-and-watch "${mods}" "${key}" 1 5000 || fail "the press changed nothing"
[[ $(tw_result_value press1) == "${stays}" ]] ||
  fail "the press brought $(tw_result_value press1) to the front, not ${stays}"
tw_driver processes notepad.exe && fail "the command line was started"
expect_no_new_windows "after the next press"
