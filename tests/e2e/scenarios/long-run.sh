# A long run with 30 real windows (26 of the driver's, two notepads, two winemines): N
# frame switches by hot key (Shift+Ctrl+Alt+Down and Up in turn) and N presses of a
# command whose pattern matches the two notepads, each press confirmed before the next.
# Afterwards the program holds no more handles, GDI objects or windows than before (within
# a small margin), every window stands exactly where it began, no second notepad was
# started, and the program uses no processor time while nothing happens.
#   N is TW_LONG_RUN_COUNT (default 200). The full run, 5,000 switches and 5,000 presses:
#   TW_E2E_TIMEOUT=3600 TW_LONG_RUN_COUNT=5000 tests/e2e/run build/x86_64 long-run
# timeout: 110

count=${TW_LONG_RUN_COUNT:-200}
((count >= 2)) || fail "TW_LONG_RUN_COUNT must be 2 or more"
# An even number of switches ends on the first frame.
switches=$((count + count % 2))
# Growth allowed between the two readings: the program may settle a lazily made object or
# two (a cached brush, a font); a leak per switch or press grows by hundreds at least.
handle_margin=8
gdi_margin=8
user_margin=8
window_margin=0
# Private memory: the heap may keep a few pages more after thousands of allocations.
private_margin_kb=2048
# Idle processor time allowed over the idle period, kernel and user together.
idle_seconds=3
idle_limit_ms=30

ini=${TW_DIR}/tarnwick.ini
printf '[Option]\r\nVirtualDesktop=1\r\n[Command]\r\nCount=1\r\nName0="memo"\r\n%s\r\n%s\r\n%s\r\n' \
  'HotKey0="Ctrl+Alt+F7"' 'WindowTitle0="@Notepad"' 'Program0="notepad.exe"' >"${ini}"
classes=TwLong,Notepad,WineMine

# shown <class> <n>: whether exactly n windows of that class are shown; their handles in
# ${shown}.
shown() {
  tw_driver find-window "$1" || return 1
  shown=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}")
  [[ $(grep -c . <<<"${shown}") == "$2" ]]
}

# --- The 30 windows. ---
tw_driver_bg open-windows TwLong 26 36000
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
"${TW_WINE}" notepad.exe >/dev/null 2>&1 &
"${TW_WINE}" winemine.exe >/dev/null 2>&1 &
"${TW_WINE}" winemine.exe >/dev/null 2>&1 &
tw_wait_for 30 shown TwLong 26 || fail "the driver's 26 windows did not appear"
mapfile -t windows <<<"${shown}"
tw_wait_for 30 shown Notepad 2 || fail "the two notepads did not appear"
mapfile -t notepads <<<"${shown}"
mapfile -t -O "${#windows[@]}" windows <<<"${shown}"
tw_wait_for 30 shown WineMine 2 || fail "the two winemines did not appear"
mapfile -t -O "${#windows[@]}" windows <<<"${shown}"
((${#windows[@]} == 30)) || fail "expected 30 windows, found ${#windows[@]}"
# Side by side rather than stacked where the driver's grid leaves room.
tw_driver move-window "${notepads[0]}" 40 560 300 180 || fail "a notepad could not be placed"
tw_driver move-window "${notepads[1]}" 360 560 300 180 || fail "a notepad could not be placed"

tw_start
tw_wait_for 20 tw_driver hotkey-taken 7 0x28 3 0x76 ||
  fail "the program did not register its hot keys"
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_driver find-window Shell_TrayWnd || fail "no task bar"
tray=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
# The program takes its window list when a window is activated; the last activation comes
# after every window has its place.
tw_driver activate "${windows[0]}" || fail "a window did not come to the front"

# Where every window stands, the task bar's too.
declare -A start
tw_driver window-state "${windows[@]}" "${tray}" || fail "a window has gone"
for hwnd in "${windows[@]}" "${tray}"; do start[${hwnd}]=$(tw_result_value "rect.${hwnd}"); done

# A warm-up: two switches and a few presses, so that what the program makes once (its
# pager picture, cached objects) is there before the first reading. It also shows the
# program has every window in its list: a switch that missed one would not complete.
tw_driver frame-switches 7 0x28 0x26 2 0 -768 10000 "${classes}" ||
  fail "the warm-up switches did not move every window"
tw_driver command-presses 3 0x76 4 Notepad 5000 || fail "the warm-up presses failed"

# resources <name>: the program's figures into ${name}_handles, ${name}_gdi and so on; a
# figure the system does not give stays empty.
resources() {
  tw_driver process-resources tarnwick.exe || fail "the program's figures could not be read"
  local key
  for key in handles handles-source gdi gdi-source user private-bytes working-set kernel-ms \
    user-ms top-level-windows child-windows; do
    printf -v "$1_${key//-/_}" '%s' "$(tw_result_value "${key}")"
  done
  # The Linux process behind it: processor time, resident and private memory.
  local stat
  read -r -a stat <"/proc/${TW_PID}/stat"
  printf -v "$1_linux_cpu_ticks" '%s' $((stat[13] + stat[14]))
  printf -v "$1_linux_rss_kb" '%s' "$(awk '/^Rss:/ { print $2 }' "/proc/${TW_PID}/smaps_rollup")"
  printf -v "$1_linux_private_kb" '%s' \
    "$(awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/${TW_PID}/smaps_rollup")"
}

# describe <name>: the figures of one reading, for the log.
describe() {
  local n=$1 v
  for v in handles handles_source gdi gdi_source user private_bytes working_set \
    top_level_windows child_windows linux_rss_kb linux_private_kb linux_cpu_ticks; do
    local name=${n}_${v}
    printf '%s=%s ' "${v}" "${!name:-none}"
  done
}

resources before
tw_log "before: $(describe before)"

began=${SECONDS}
tw_driver frame-switches 7 0x28 0x26 "${switches}" 0 -768 5000 "${classes}" ||
  fail "a frame switch did not move every window"
lost_switches=$(tw_result_value lost)
tw_log "${switches} frame switches in $(tw_result_value elapsed-ms) ms: median" \
  "$(tw_result_value switch-median-ms) ms, 95th percentile $(tw_result_value switch-p95-ms) ms," \
  "max $(tw_result_value switch-max-ms) ms"
tw_driver command-presses 3 0x76 "${count}" Notepad 5000 ||
  fail "a command press did not bring the other notepad to the front"
lost_presses=$(tw_result_value lost)
[[ $(tw_result_value visited) == 2 ]] ||
  fail "the presses visited $(tw_result_value visited) notepads, not both"
tw_log "${count} command presses in $(tw_result_value elapsed-ms) ms: median" \
  "$(tw_result_value press-median-ms) ms, 95th percentile $(tw_result_value press-p95-ms) ms," \
  "max $(tw_result_value press-max-ms) ms"
tw_log "switches and presses took $((SECONDS - began)) s"
# A press that changed nothing and took effect when pressed again: seen once in 200 to
# once in 1,000 frame switches, with the hot key still registered and no modifier held
# (the driver reports those facts). Wine itself loses about 2 in 1,000 hot-key presses sent
# to another process (docs/WINE.md). Far more means the program drops presses.
lost_limit=$((2 + count / 100))
tw_log "lost presses: ${lost_switches} of ${switches} switches, ${lost_presses} of ${count}" \
  "command presses (allowed ${lost_limit} each)"
((lost_switches <= lost_limit && lost_presses <= lost_limit)) ||
  fail "too many presses had no effect until pressed again"
# A lost switch must not have left the program a frame out of step with the windows: at
# the first frame, Up changes nothing and Down moves every window exactly one screen.
tw_driver press-hotkey 7 0x26 || fail "the key strokes could not be sent"
tw_driver frame-switches 7 0x28 0x26 2 0 -768 5000 "${classes}" ||
  fail "after the run a switch moved the windows by other than one screen"
[[ $(tw_result_value lost) == 0 ]] || fail "after the run a switch needed a second press"

resources after
tw_log "after: $(describe after)"

# --- Every window back where it began, and nothing started. ---
tw_driver window-state "${windows[@]}" "${tray}" || fail "a window has gone"
bad=0
for hwnd in "${windows[@]}" "${tray}"; do
  actual=$(tw_result_value "rect.${hwnd}")
  if [[ ${actual} != "${start[${hwnd}]}" ]]; then
    tw_log "${hwnd} stands at ${actual}, began at ${start[${hwnd}]}"
    bad=1
  fi
done
((bad == 0)) || fail "not every window is back where it began"
tw_driver processes notepad.exe || true
[[ $(tw_result_value count) == 2 ]] ||
  fail "the presses started a notepad: $(tw_result_value count) are running"

# --- No growth. ---
# grows <what> <before> <after> <margin>
grows() {
  [[ -n $2 && -n $3 ]] || fail "$1 could not be read"
  tw_log "$1: ${2} -> ${3} (growth $(($3 - $2)), allowed ${4})"
  (($3 - $2 <= $4)) || fail "$1 grew from $2 to $3 over the run"
}
grows "handles (${after_handles_source})" "${before_handles}" "${after_handles}" "${handle_margin}"
grows "GDI objects (${after_gdi_source})" "${before_gdi}" "${after_gdi}" "${gdi_margin}"
if [[ -n ${after_user} ]]; then
  grows "USER objects" "${before_user}" "${after_user}" "${user_margin}"
else
  tw_log "USER objects: the system does not count them (Wine 8); the windows stand in"
fi
grows "windows (top-level and child)" $((before_top_level_windows + before_child_windows)) \
  $((after_top_level_windows + after_child_windows)) "${window_margin}"
if [[ -n ${after_private_bytes} ]]; then
  grows "private bytes" "${before_private_bytes}" "${after_private_bytes}" \
    $((private_margin_kb * 1024))
else
  tw_log "private bytes: the system does not give them (Wine 8); the Linux process's count stands in"
fi
grows "private memory of the Linux process (kB)" "${before_linux_private_kb}" \
  "${after_linux_private_kb}" "${private_margin_kb}"

# --- Idle: nothing happens, and the program uses no processor time. ---
# The pager's inactive animation is off by default; the last press's activation has been
# handled once the program answers a look at its windows.
tw_driver windows-of-process tarnwick.exe >/dev/null || fail "the program is not running"
resources idle_start
sleep "${idle_seconds}"
resources idle_end
idle_ms=$(awk -v a="${idle_start_kernel_ms}" -v b="${idle_start_user_ms}" \
  -v c="${idle_end_kernel_ms}" -v d="${idle_end_user_ms}" 'BEGIN { printf "%.1f", c + d - a - b }')
ticks=$(getconf CLK_TCK)
linux_ms=$(((idle_end_linux_cpu_ticks - idle_start_linux_cpu_ticks) * 1000 / ticks))
tw_log "idle for ${idle_seconds} s: ${idle_ms} ms of processor time (GetProcessTimes)," \
  "${linux_ms} ms (Linux, ${ticks} ticks a second); over the whole run so far" \
  "$((idle_end_linux_cpu_ticks * 1000 / ticks)) ms"
# GetProcessTimes of another process is not to be trusted under Wine 8 (it has gone down
# over an idle period): the Linux process's figure decides.
((linux_ms <= idle_limit_ms)) ||
  fail "the program's process used ${linux_ms} ms in ${idle_seconds} idle seconds"
tw_stop
