# How long a frame switch of 50 real windows takes under Wine: from the key strokes (sent
# with SendInput) until every window stands a whole screen higher (Down) or back (Up),
# five times each way. Prints the figures; speed is not asserted here.
# timeout: 120

# shellcheck source=data/timing-lib.sh
source "${TW_DATA}/timing-lib.sh"
sleep 1

times=()
for round in 1 2 3 4 5; do
  for way in down up; do
    if [[ ${way} == down ]]; then
      tw_driver frame-switch-time 7 0x28 0 -768 10000 TwTiming ||
        fail "round ${round}: not every window moved a screen up"
    else
      tw_driver frame-switch-time 7 0x26 0 768 10000 TwTiming ||
        fail "round ${round}: not every window came back"
    fi
    [[ $(tw_result_value windows) == "${count}" ]] ||
      fail "round ${round}: ${count} windows expected, $(tw_result_value windows) watched"
    times+=("$(tw_result_value all-ms)")
  done
done
sorted=$(printf '%s\n' "${times[@]}" | sort -g)
median=$(awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }' \
  <<<"${sorted}")
tw_log "frame switch of ${count} windows, key strokes to every window in place (ms):" \
  "${times[*]}"
tw_log "median ${median} ms, min $(head -n 1 <<<"${sorted}") ms, max $(tail -n 1 <<<"${sorted}") ms"
tw_stop
