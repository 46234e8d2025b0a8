# After start-up the program has no task-bar button: none of its shown windows qualifies
# for one, and its application window is a hidden unowned tool window whose extended style
# is exactly WS_EX_TOOLWINDOW (set, not added to). The system itself adds WS_EX_WINDOWEDGE
# to a window with a dialog or sizing frame, so for such a window 0x180 is what reads back.

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
# Let the deferred start (settings, hot keys, hook, foreground) run as well.
sleep 2

tw_driver windows-of-process tarnwick.exe
tw_expect taskbar-buttons 0
tool_window_found=0
while read -r style exstyle; do
  expected=0x80
  if ((style & 0x440000)); then expected=0x180; fi # WS_DLGFRAME or WS_THICKFRAME
  if ((exstyle == expected)); then tool_window_found=1; fi
done < <(sed -n 's/^window .* visible=0 style=\([^ ]*\) exstyle=\([^ ]*\) owner=0x0 .*/\1 \2/p' \
  "${TW_LAST_RESULT}")
((tool_window_found)) || fail "no hidden unowned window with extended style exactly WS_EX_TOOLWINDOW"

# For the log only: Wine's task bar also gives visible unowned tool windows a button,
# which Windows does not, so it cannot be the judge here.
tw_driver taskbar-buttons tarnwick.exe || true
tw_screenshot after-start.png

tw_stop
