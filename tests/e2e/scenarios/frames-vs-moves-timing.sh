# A frame switch of 50 real windows under Wine beside its floor: the same 50 windows moved
# a screen up and back by another process, one SetWindowPos each. Both are measured from
# the first key stroke or call until every window reads back at its place, ten times each
# way, in turns, each after the driver's own start has settled. Prints the figures and their
# ratio; speed is not asserted here.
# timeout: 120

# shellcheck source=data/timing-lib.sh
source "${TW_DATA}/timing-lib.sh"
# The first switch shows the program has every window in its list; its time is not kept.
tw_driver frame-switches 7 0x28 0x26 2 0 -768 10000 TwTiming ||
  fail "the first switches did not move every window"

switch_times=()
first_times=()  # until the first window stands in place
move_times=()
for round in {1..10}; do
  for dy in -768 768; do
    vk=0x28
    ((dy < 0)) || vk=0x26
    tw_driver frame-switch-time 7 "${vk}" 0 "${dy}" 10000 TwTiming ||
      fail "round ${round}: a frame switch did not move every window"
    switch_times+=("$(tw_result_value all-ms)")
    first_times+=("$(tw_result_value first-ms)")
  done
  for dy in -768 768; do
    tw_driver move-windows-time 0 "${dy}" 10000 TwTiming ||
      fail "round ${round}: the driver's moves did not all arrive"
    move_times+=("$(tw_result_value all-ms)")
  done
done

# summary <values...>: "median min max"
summary() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    END { printf "%.1f %.1f %.1f\n", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2, v[1], v[NR] }'
}
read -r switch_median switch_min switch_max <<<"$(summary "${switch_times[@]}")"
read -r move_median move_min move_max <<<"$(summary "${move_times[@]}")"
tw_log "frame switch of ${count} windows (ms): ${switch_times[*]}"
tw_log "the same windows, one SetWindowPos each from another process (ms): ${move_times[*]}"
tw_log "switch median ${switch_median} ms (min ${switch_min}, max ${switch_max});" \
  "moves median ${move_median} ms (min ${move_min}, max ${move_max});" \
  "ratio of medians $(awk -v a="${switch_median}" -v b="${move_median}" 'BEGIN { printf "%.2f", a / b }')"
read -r first_median _ <<<"$(summary "${first_times[@]}")"
tw_log "first window in place after the key stroke: median ${first_median} ms"
tw_stop
