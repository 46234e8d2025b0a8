# Start-up under Wine: from CreateProcess until the program's icon is in the notification
# area, five starts (the first after nothing of the program has run), and what the resident
# program holds once started: working set, private bytes, handles, GDI objects, windows.
# Prints the figures; speed is not asserted here.
# timeout: 120

times=()
for round in 1 2 3 4 5; do
  tw_driver startup-time "$(tw_winfile tarnwick.exe)" TarnwickTrayIcon 1 20000 ||
    fail "start ${round}: no icon in the notification area"
  times+=("$(tw_result_value icon-ms)")
  tw_log "start ${round}: first window after $(tw_result_value window-ms) ms," \
    "icon after $(tw_result_value icon-ms) ms"
  # Resident: once the deferred start is done (its hot keys registered).
  tw_wait_for 20 tw_driver hotkey-taken 7 0x24 || fail "start ${round}: no hot keys registered"
  tw_driver process-resources tarnwick.exe || fail "start ${round}: no figures"
  tw_log "start ${round}: working set $(tw_result_value working-set)," \
    "private bytes $(tw_result_value private-bytes || true) (none under Wine 8)," \
    "handles $(tw_result_value handles), GDI objects $(tw_result_value gdi)," \
    "windows $(tw_result_value top-level-windows)+$(tw_result_value child-windows)"
  tw_driver kill-process tarnwick.exe || fail "start ${round}: the program could not be ended"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -g)
median=$(awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }' \
  <<<"${sorted}")
tw_log "start to tray icon (ms): ${times[*]}"
tw_log "median ${median} ms, min $(head -n 1 <<<"${sorted}") ms, max $(tail -n 1 <<<"${sorted}") ms"
