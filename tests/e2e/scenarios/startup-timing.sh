# Start-up under Wine against a floor: from CreateProcess until the icon is in the
# notification area, for the program and, in the same run, for twtrayfloor.exe (a hidden
# window with a notification-area icon and nothing else), five starts each, taking turns
# (the first start of the program comes after nothing of it has run); then what each holds
# once started. Prints the figures side by side; speed is not asserted here.
# timeout: 180

# The runner copies only the program, the hook library and the driver; the floor comes from
# the same build folder (<build>/e2e/<scenario>/work is TW_WORK).
build=$(realpath -m "${TW_WORK}/../../..")
[[ -f ${build}/twtrayfloor.exe ]] || fail "twtrayfloor.exe is not in ${build}"
cp "${build}/twtrayfloor.exe" "${TW_DIR}/"

# start_floor <round>: one start of the floor, its time and working set, then its end.
start_floor() {
  tw_driver startup-time "$(tw_winfile twtrayfloor.exe)" TwTrayFloorIcon 1 20000 ||
    fail "floor start $1: no icon in the notification area"
  floor_times+=("$(tw_result_value icon-ms)")
  tw_driver process-resources twtrayfloor.exe || fail "floor start $1: no figures"
  floor_sets+=("$(tw_result_value working-set)")
  if (($1 == 1)) && TW_QUIET=1 tw_driver process-modules twtrayfloor.exe; then
    tw_log "floor start 1: modules $(sed -n 's/^module=//p' "${TW_LAST_RESULT}" | tr '\n' ' ')"
  fi
  tw_log "floor start $1: icon after ${floor_times[-1]} ms, working set ${floor_sets[-1]}"
  tw_driver kill-process twtrayfloor.exe || fail "floor start $1: it could not be ended"
}

times=() sets=() floor_times=() floor_sets=()
for round in 1 2 3 4 5; do
  tw_driver startup-time "$(tw_winfile tarnwick.exe)" TarnwickTrayIcon 1 20000 ||
    fail "start ${round}: no icon in the notification area"
  times+=("$(tw_result_value icon-ms)")
  tw_log "start ${round}: first window after $(tw_result_value window-ms) ms," \
    "icon after $(tw_result_value icon-ms) ms"
  # Resident: once the deferred start is done (its hot keys registered).
  tw_wait_for 20 tw_driver hotkey-taken 7 0x24 || fail "start ${round}: no hot keys registered"
  tw_driver process-resources tarnwick.exe || fail "start ${round}: no figures"
  sets+=("$(tw_result_value working-set)")
  tw_log "start ${round}: working set $(tw_result_value working-set)," \
    "private bytes $(tw_result_value private-bytes || true) (none under Wine 8)," \
    "handles $(tw_result_value handles), GDI objects $(tw_result_value gdi)," \
    "windows $(tw_result_value top-level-windows)+$(tw_result_value child-windows)"
  # The forms' controls are made at their first show: only the pager's canvas (when the pager
  # shows) is there at start, not the options dialog's tens of controls.
  (($(tw_result_value child-windows) <= 1)) ||
    fail "start ${round}: $(tw_result_value child-windows) child windows before any dialog was shown"
  # Nor is the common controls library mapped: it comes with the first control of its own.
  TW_QUIET=1 tw_driver process-modules tarnwick.exe || fail "start ${round}: no module list"
  ! tw_result_has '^module=comctl32\.dll$' ||
    fail "start ${round}: comctl32.dll is loaded before any dialog was shown"
  ((round > 1)) || tw_log "start 1: modules $(sed -n 's/^module=//p' "${TW_LAST_RESULT}" | tr '\n' ' ')"
  tw_driver kill-process tarnwick.exe || fail "start ${round}: the program could not be ended"
  start_floor "${round}"
done

# median <values...>
median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    END { printf "%.1f\n", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}
sorted=$(printf '%s\n' "${times[@]}" | sort -g)
tw_log "start to tray icon (ms): ${times[*]}"
tw_log "median $(median "${times[@]}") ms, min $(head -n 1 <<<"${sorted}") ms," \
  "max $(tail -n 1 <<<"${sorted}") ms"
tw_log "floor, start to tray icon (ms): ${floor_times[*]}"
program_ms=$(median "${times[@]}") floor_ms=$(median "${floor_times[@]}")
program_set=$(median "${sets[@]}") floor_set=$(median "${floor_sets[@]}")
tw_log "start-up: program median ${program_ms} ms, floor median ${floor_ms} ms;" \
  "ratio of medians $(awk -v a="${program_ms}" -v b="${floor_ms}" 'BEGIN { printf "%.2f", a / b }')"
tw_log "working set: program median ${program_set} B, floor median ${floor_set} B;" \
  "above the floor $(awk -v a="${program_set}" -v b="${floor_set}" \
    'BEGIN { printf "%.2f", (a - b) / 1048576 }') MB"
