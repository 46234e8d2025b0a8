# shellcheck shell=bash
# shellcheck disable=SC2034 # variables set here are read by the scenarios
# Helpers of the fault-window scenarios, sourced after lib.sh: windows of the driver's that
# go away by themselves at a chosen moment, and the checks that nothing else changed.

# fault_window <class> <title> <trigger> <x> <y> <w> <h>: a fault window of the driver's in
# place (triggers: none, probe, parked, activated; see FaultCommands.cpp). Its hwnd goes into
# ${found}, its result file into ${found_result}.
fault_window() {
  tw_driver_bg fault-window "$1" "$2" "$3" 100
  found_result=${TW_BG_RESULT}
  tw_wait_for 20 tw_driver find-window "$1" "$2" || fail "the window $2 did not appear"
  found=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
  tw_driver move-window "${found}" "$4" "$5" "$6" "$7" || fail "$2 could not be placed"
}

declare -A start
# read_start <hwnd>...: each window's rectangle into start[hwnd].
read_start() {
  tw_driver window-state "$@" || fail "a window has gone: $*"
  local hwnd
  for hwnd in "$@"; do start[${hwnd}]=$(tw_result_value "rect.${hwnd}"); done
}

# shifted <l,t,r,b> <dy>
shifted() {
  local l t r b
  IFS=, read -r l t r b <<<"$1"
  printf '%d,%d,%d,%d\n' "${l}" $((t + $2)) "${r}" $((b + $2))
}

# at <dy> <hwnd>...: every window stands at its start rectangle moved down by dy.
at() {
  local dy=$1 hwnd
  shift
  tw_driver window-state "$@" || return 1
  for hwnd in "$@"; do
    [[ $(tw_result_value "rect.${hwnd}") == "$(shifted "${start[${hwnd}]}" "${dy}")" ]] || return 1
  done
}

# expect_at <why> <dy> <hwnd>...: waits a little for the windows, then fails with every
# window's place unless each stands dy pixels below its start.
expect_at() {
  local why=$1 dy=$2
  shift 2
  tw_wait_for 10 at "${dy}" "$@" || {
    sed 's/^/    | /' "${TW_LAST_RESULT}"
    fail "${why}: not every window stands ${dy} pixels from its start"
  }
  tw_log "${why}: every window stands ${dy} pixels from its start"
}

# expect_vanished <result file> <trigger> <why>: the fault window went away by that trigger
# and is gone. Leaves the rectangle it last stood at in ${vanished_rect}.
expect_vanished() {
  tw_wait_for 10 tw_result_has "^vanished=$2 " "$1" ||
    fail "$3: the window did not go away ($(grep '^vanished=' "$1" || echo 'no vanishing'))"
  vanished_rect=$(sed -n "s/^vanished=$2 rect=\\([-0-9,]*\\) .*/\\1/p" "$1")
  tw_log "$3: the window went away ($2) at ${vanished_rect}"
}

# program_windows: the program's window set (hwnd, shown, owner, class) into ${windows_now}.
program_windows() {
  tw_driver windows-of-process tarnwick.exe || fail "the program is not running"
  windows_now=$(tw_window_summary)
}

# expect_no_new_windows <why>: the program shows exactly the windows it showed at the
# start (${program_before}, which the scenario sets): no error box reached the user.
# shellcheck disable=SC2154
expect_no_new_windows() {
  program_windows
  if [[ ${windows_now} != "${program_before}" ]]; then
    diff <(echo "${program_before}") <(echo "${windows_now}") | sed 's/^/    | /' || true
    fail "$1: the program's windows changed (an error box?)"
  fi
  tw_log "$1: the program shows no new window"
}
