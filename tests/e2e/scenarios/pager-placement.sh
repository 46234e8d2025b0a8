# The pager's place comes from section "VirtualDesktop" of the settings file, read once at
# start: without the file it is 80 x 160 at the top-left corner, with Left, Top, Width and
# Height it is exactly there. A sizable frame, no caption, always on top, no task-bar
# button of its own.
# timeout: 90
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

tw_start
tw_wait_for 20 pager_read || fail "the pager did not appear"
[[ ${PAGER_RECT} == 0,0,80,160 ]] || fail "without a settings file the pager is at ${PAGER_RECT}"
tw_expect pager-caption 0
tw_expect pager-topmost 1
tw_expect pager-sizing 1
tw_result_has '^window .* taskbar=0 ' || fail "the pager would have a task-bar button"
tw_stop

pager_settings '[VirtualDesktop]' 'Left=612' 'Top=90' 'Width=123' 'Height=345'
tw_start
tw_wait_for 20 pager_read || fail "the pager did not appear with a settings file"
[[ ${PAGER_RECT} == 612,90,735,435 ]] || fail "the pager is at ${PAGER_RECT}, not 612,90,735,435"
tw_stop
