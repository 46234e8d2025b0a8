# shellcheck shell=bash
# shellcheck disable=SC2034 # TW_* variables set here are read by the scenarios
# Helpers for end-to-end scenarios. tests/e2e/run sources this file into every scenario's
# shell (bash, set -Eeuo pipefail) with this environment:
#   WINEPREFIX   the scenario's own copy of the prepared prefix
#   DISPLAY      the runner's Xvfb, with Wine's virtual desktop "tw" (1024x768) running
#   TW_WINE      Wine's 64-bit loader; every Windows process goes through it
#   TW_DIR       unix path of the folder in the prefix holding tarnwick.exe, twhook.dll and
#                twdriver.exe (the program's settings file lands there too)
#   TW_WIN_DIR   the same folder as the programs inside see it (C:\tw)
#   TW_WORK      scratch folder, kept after the run (results/, screenshots, logs)
#   TW_DATA      tests/e2e/scenarios/data
#   TW_SCENARIO, TW_SCENARIO_FILE  the scenario's name and file
# Every Windows process starts inside the virtual desktop: the prefix names "tw" as its
# default desktop, so plain "$TW_WINE prog.exe" lands there and keeps its exit code.

TW_START_SECONDS=${SECONDS}
TW_DRIVER_CALLS=0
TW_LAST_RESULT=""
TW_PID=""
TW_WINPID=""

tw_log() {
  printf '[%3ds] %s\n' "$((SECONDS - TW_START_SECONDS))" "$*"
}

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

# Where a failing command stood in the scenario, with its line (the runner prints the log's
# tail, and a status from inside a helper says little on its own).
tw__on_error() {
  local status=$1 command=$2 i line
  for ((i = 1; i < ${#BASH_SOURCE[@]}; i++)); do
    if [[ ${BASH_SOURCE[i]} == "${TW_SCENARIO_FILE:-}" ]]; then
      line=${BASH_LINENO[i - 1]}
      printf 'error: exit status %s at %s:%s: %s\n' "${status}" "${BASH_SOURCE[i]##*/}" \
        "${line}" "$(sed -n "${line}s/^ *//p" "${BASH_SOURCE[i]}")" >&2
      return
    fi
  done
  printf 'error: "%s" exited %s\n' "${command}" "${status}" >&2
}
trap 'tw__on_error $? "${BASH_COMMAND}"' ERR

# Z:\ is the unix root in every Wine prefix.
tw_winpath() {
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s\n' "${path//\//\\}"
}

# The Windows path of a file in the program folder.
tw_winfile() {
  printf '%s\\%s\n' "${TW_WIN_DIR}" "$1"
}

# tw_driver <command> [args...]: runs twdriver.exe in the virtual desktop and waits for it.
# Returns the exit code the driver wrote into its result file (0 yes, 1 no, 2 usage,
# 3 failure; 4 when the driver wrote none). The result stays in ${TW_LAST_RESULT}, one fact
# a line, for tw_result_has, tw_result_value and tw_expect; it is copied into the log
# unless TW_QUIET is set.
tw_driver() {
  local name=$1 result code wine_status=0
  TW_DRIVER_CALLS=$((TW_DRIVER_CALLS + 1))
  mkdir -p "${TW_WORK}/results"
  result=$(printf '%s/results/%03d-%s.txt' "${TW_WORK}" "${TW_DRIVER_CALLS}" "${name}")
  TW_LAST_RESULT=${result}
  TW_RESULT=$(tw_winpath "${result}") "${TW_WINE}" "$(tw_winfile twdriver.exe)" "$@" \
    >/dev/null 2>>"${TW_WORK}/driver-stderr.log" || wine_status=$?
  code=$(sed -n 's/^driver-exit=//p' "${result}" 2>/dev/null | tail -n 1)
  if [[ -z ${TW_QUIET:-} ]]; then
    tw_log "driver $*"
    sed 's/^/    | /' "${result}" 2>/dev/null || true
  fi
  if [[ -z ${code} ]]; then
    tw_log "driver $* wrote no exit code (wine exited ${wine_status})"
    return 4
  fi
  return "${code}"
}

# tw_driver_bg <command> [args...]: starts twdriver.exe without waiting, e.g. for
# open-window. Sets TW_BG_PID (the unix process) and TW_BG_RESULT (its result file, which
# grows while the command runs).
tw_driver_bg() {
  local name=$1
  TW_DRIVER_CALLS=$((TW_DRIVER_CALLS + 1))
  mkdir -p "${TW_WORK}/results"
  TW_BG_RESULT=$(printf '%s/results/%03d-%s.txt' "${TW_WORK}" "${TW_DRIVER_CALLS}" "${name}")
  TW_RESULT=$(tw_winpath "${TW_BG_RESULT}") "${TW_WINE}" "$(tw_winfile twdriver.exe)" "$@" \
    >/dev/null 2>>"${TW_WORK}/driver-stderr.log" &
  TW_BG_PID=$!
  tw_log "driver (background) $*"
}

# tw_result_has <extended regex> [result file]: whether a line of the result matches.
tw_result_has() {
  grep -Eq -- "$1" "${2:-${TW_LAST_RESULT}}"
}

# tw_result_value <key> [result file]: the value of the first line "key=value".
tw_result_value() {
  sed -n "s/^$1=//p" "${2:-${TW_LAST_RESULT}}" | head -n 1
}

# tw_expect <key> <value>: fails the scenario unless the last result says key=value.
tw_expect() {
  local actual
  actual=$(tw_result_value "$1")
  [[ ${actual} == "$2" ]] || fail "expected $1=$2, the driver saw $1=${actual:-<nothing>}"
}

# tw_wait_for <seconds> <condition>: polls until the condition succeeds. The condition is
# one shell string (evaluated) or a command with its arguments. Returns 1 on time-out.
tw_wait_for() {
  local limit=$1 deadline before=${TW_LAST_RESULT}
  shift
  deadline=$((SECONDS + limit))
  while true; do
    if [[ $# -eq 1 ]]; then
      if TW_QUIET=1 eval "$1"; then break; fi
    elif TW_QUIET=1 "$@"; then
      break
    fi
    if ((SECONDS >= deadline)); then
      tw_log "timed out after ${limit}s waiting for: $*"
      if [[ ${TW_LAST_RESULT} != "${before}" && -f ${TW_LAST_RESULT} ]]; then
        sed 's/^/    | /' "${TW_LAST_RESULT}"
      fi
      return 1
    fi
    sleep 0.2
  done
  tw_log "done waiting for: $*"
  # What the driver saw last is the evidence.
  if [[ ${TW_LAST_RESULT} != "${before}" && -f ${TW_LAST_RESULT} ]]; then
    sed 's/^/    | /' "${TW_LAST_RESULT}"
  fi
}

# tw_start [exe]: starts the program (default tarnwick.exe) from the program folder, as
# the user would, and waits until its process exists. Sets TW_PID (the unix process) and
# TW_WINPID (the Windows process id).
tw_start() {
  local exe=${1:-tarnwick.exe}
  [[ -f ${TW_DIR}/${exe} ]] || fail "${exe} is not in the build"
  local attempt
  for attempt in 1 2; do
    "${TW_WINE}" "$(tw_winfile "${exe}")" >>"${TW_WORK}/${exe%.exe}.log" 2>&1 &
    TW_PID=$!
    tw_log "started ${exe} (unix pid ${TW_PID})"
    # Generous: on a busy machine a first start has taken over 10 s.
    tw_driver wait-process "${exe}" 30000 && break
    # Now and then under load Wine's loader never turns into the Windows process; what it
    # was doing goes to the log, and one more start tells that from a program that cannot
    # start.
    tw_log "no ${exe} process after 30 s; the loader: $(ps -o pid=,stat=,wchan:20=,etime= -p "${TW_PID}" 2>&1 | tr -s ' ')"
    kill -KILL "${TW_PID}" 2>/dev/null || true
    ((attempt == 1)) || fail "${exe} did not start"
  done
  [[ $(tw_result_value count) == 1 ]] || fail "expected one ${exe} process"
  TW_WINPID=$(sed -n 's/^process pid=\([0-9]*\) .*/\1/p' "${TW_LAST_RESULT}")
}

# tw_stop [exe]: ends the program as a crash or a task manager would (there is no exit
# command to send it) and waits for its process to go. Fails if it was not running.
tw_stop() {
  local exe=${1:-tarnwick.exe}
  tw_driver kill-process "${exe}" || fail "${exe} was not running when it was to be stopped"
  if [[ -n ${TW_PID} ]]; then
    tw_wait_for 10 "! kill -0 ${TW_PID} 2>/dev/null" || fail "the unix process of ${exe} stays"
    wait "${TW_PID}" 2>/dev/null || true
    TW_PID=""
  fi
}

# tw_window_summary [result file]: the windows of a windows-of-process result as sorted
# lines "hwnd visible owner class", for comparing the window set of two moments (the
# Z-order, rectangles and titles left out).
tw_window_summary() {
  local fields='^window hwnd=\(0x[0-9a-f]*\) pid=[0-9]* visible=\([01]\) style=[^ ]* exstyle=[^ ]*'
  fields+=' owner=\(0x[0-9a-f]*\) taskbar=[01] rect=[^ ]* class=\("[^"]*"\) .*'
  sed -n "s/${fields}/\\1 \\2 \\3 \\4/p" "${1:-${TW_LAST_RESULT}}" | sort
}

# tw_wait_windows_settled <image> <seconds>: waits until the process has a window of its
# own (not only the IME window every GUI thread gets) and its window set stays the same
# over two looks half a second apart. Leaves that set in TW_WINDOWS.
tw_wait_windows_settled() {
  local image=$1 deadline=$((SECONDS + $2)) previous="" current
  while true; do
    if TW_QUIET=1 tw_driver windows-of-process "${image}"; then
      current=$(tw_window_summary "${TW_LAST_RESULT}")
      if [[ -n ${current} && ${current} == "${previous}" ]] &&
        grep -qv ' "IME"$' <<<"${current}"; then
        TW_WINDOWS=${current}
        tw_log "windows of ${image} settled:"
        # shellcheck disable=SC2001 # indents every line
        sed 's/^/    | /' <<<"${current}"
        return 0
      fi
      previous=${current}
    fi
    if ((SECONDS >= deadline)); then
      tw_log "the windows of ${image} did not settle within $2 s"
      sed 's/^/    | /' "${TW_LAST_RESULT}" 2>/dev/null || true
      return 1
    fi
    sleep 0.5
  done
}

# The X window of Wine's virtual desktop.
tw_desktop_window() {
  xdotool search --name '^tw - Wine desktop$' | head -n 1
}

# tw_key <xdotool key names...>: types keys into the virtual desktop, which first gets the
# X focus (without it Wine delivers nothing, and hot keys do not fire).
tw_key() {
  local window
  window=$(tw_desktop_window)
  [[ -n ${window} ]] || fail "no virtual desktop window"
  xdotool windowfocus --sync "${window}"
  xdotool key --delay 50 "$@"
  tw_log "keys $*"
}

# tw_type <text>: types text into the focused window of the virtual desktop.
tw_type() {
  local window
  window=$(tw_desktop_window)
  [[ -n ${window} ]] || fail "no virtual desktop window"
  xdotool windowfocus --sync "${window}"
  xdotool type --delay 50 -- "$1"
  tw_log "typed $1"
}

# tw_click <x> <y> [button]: a mouse click at desktop coordinates (1 left, 3 right).
tw_click() {
  local window
  window=$(tw_desktop_window)
  [[ -n ${window} ]] || fail "no virtual desktop window"
  xdotool windowfocus --sync "${window}"
  xdotool mousemove --sync "$1" "$2" click "${3:-1}"
  tw_log "click ${3:-1} at $1,$2"
}

# tw_screenshot <file>: the whole screen as PNG; a relative name lands in TW_WORK.
tw_screenshot() {
  local file=$1
  [[ ${file} == /* ]] || file=${TW_WORK}/${file}
  import -window root "${file}"
  tw_log "screenshot ${file}"
}

# tw_shown_windows <class>: the shown top-level windows of that class, one hwnd a line,
# into ${shown}.
tw_shown_windows() {
  tw_driver find-window "$1" || true
  shown=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}")
}

# tw_count_shown <class> <n>: whether exactly n windows of that class are shown (their
# hwnds in ${shown}).
tw_count_shown() {
  tw_shown_windows "$1"
  [[ $(grep -c . <<<"${shown}") == "$2" ]]
}
