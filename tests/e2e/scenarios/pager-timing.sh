# How long the pager's bitmap canvas takes under Wine's GDI: a pager picture of 50, 200 and
# 1000 windows drawn into the memory bitmap and copied to a window on the screen, 200 times
# each. Prints the figures; speed is not asserted here.
# timeout: 120

for windows in 50 200 1000; do
  tw_driver pager-draw-time "${windows}" 200 || fail "the canvas could not be timed"
  tw_log "pager picture of ${windows} windows: $(tw_result_value per-draw-us) us"
done
