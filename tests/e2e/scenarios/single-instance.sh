# A second start while the program runs ends at once with exit code 0, and the first
# instance carries on as it was.

tw_start
tw_wait_for 20 tw_driver mutex-exists TarnwickMutex ||
  fail "the running instance holds no mutex TarnwickMutex"
tw_wait_windows_settled tarnwick.exe 20 || fail "the first instance shows no settled windows"
before=${TW_WINDOWS}

tw_driver start-and-wait "$(tw_winfile tarnwick.exe)" 2000 ||
  fail "the second instance did not exit within 2 s"
tw_expect exit-code 0

# The first is untouched: same process, same windows, shown or hidden as before.
sleep 1
tw_driver processes tarnwick.exe
tw_expect count 1
tw_result_has "^process pid=${TW_WINPID} " || fail "the first instance (pid ${TW_WINPID}) is gone"
tw_driver windows-of-process tarnwick.exe
after=$(tw_window_summary)
if [[ ${after} != "${before}" ]]; then
  diff <(echo "${before}") <(echo "${after}") || true
  fail "the first instance's windows changed when the second started"
fi
tw_driver mutex-exists TarnwickMutex || fail "the mutex went with the second instance"

tw_stop
