# The test environment itself: the virtual desktop with its task bar, a program started in
# it, keys typed through X reaching that program, the driver's view of windows, controls and
# processes, and the Japanese font replacement. When this fails, the failures of the other
# scenarios say nothing about the program.

tw_driver find-window Shell_TrayWnd || fail "the virtual desktop has no task bar"

# A child's exit code reaches the scenario through the driver's result file.
tw_driver start-and-wait 'C:\windows\system32\cmd.exe' 5000 /c 'exit 7'
tw_expect exited 1
tw_expect exit-code 7

"${TW_WINE}" notepad >"${TW_WORK}/notepad.log" 2>&1 &
tw_wait_for 10 tw_driver find-window Notepad || fail "notepad's window did not appear"
tw_driver windows-of-process notepad.exe
tw_expect taskbar-buttons 1
tw_result_has '^window .* visible=1 .* class="Notepad" ' || fail "notepad's window is not listed"
tw_driver taskbar-buttons notepad.exe || fail "the task bar shows no button for notepad"

# Keys typed through X reach the focused window inside the desktop.
tw_type 'typed through X'
tw_wait_for 5 tw_driver find-edit-text notepad.exe 'typed through X' ||
  fail "typed keys did not reach notepad"
tw_screenshot environment.png

tw_driver kill-process notepad.exe
tw_expect count 1
tw_driver processes notepad.exe && fail "notepad still runs after kill-process"

# The program's dialogs ask for this face; its replacement must cover Japanese.
tw_driver font-check 'ＭＳ Ｐゴシック' '半透明の度合い（１ ～ ２５５）' ||
  fail "the Japanese Gothic face lacks glyphs"
# And the check can tell: a Latin-only face lacks them.
if tw_driver font-check 'Tahoma' '半透明'; then fail "font-check found Japanese glyphs in Tahoma"; fi
