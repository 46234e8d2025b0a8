# A program that stops answering does not freeze the program: with a hung window among the
# windows of the screen, a frame switch by hot key completes within a second and every
# other window moves; switching back returns each answering window exactly to its place,
# the hung one lands where the switches sent it once it answers again, and later hot keys
# keep working with it in step. The hung window is the driver's: its thread sleeps in a
# message handler, so nothing sent to it is handled until the sleep ends.
# timeout: 120

printf '[Option]\r\nVirtualDesktop=1\r\n' >"${TW_DIR}/tarnwick.ini"
# Shift+Ctrl+Alt (MOD_SHIFT 4 | MOD_CONTROL 2 | MOD_ALT 1) with Down and Up.
mods=7
down=0x28
up=0x26
hang_ms=10000

# shellcheck source=data/fault-window-lib.sh
source "${TW_DATA}/fault-window-lib.sh"

# expect_at <why> <dy> <hwnd>...: as the library's, without waiting: the switch has been
# timed to completion already.
expect_at() {
  local why=$1 dy=$2
  shift 2
  at "${dy}" "$@" || {
    sed 's/^/    | /' "${TW_LAST_RESULT}"
    fail "${why}: not every window stands ${dy} pixels from its start"
  }
  tw_log "${why}: every window stands ${dy} pixels from its start"
}

# timed_switch <vk> <dy> <why>: one press; every answering window (all of class TwHungOther,
# on either frame) moves by dy within a second of the key strokes.
timed_switch() {
  tw_driver frame-switch-time "${mods}" "$1" 0 "$2" 3000 TwHungOther ||
    fail "$3: the windows did not move within 3 s"
  local ms
  ms=$(tw_result_value all-ms)
  tw_log "$3: the frame switch took ${ms} ms"
  echo "switch-ms $3: ${ms}" >>"${TW_WORK}/switch-times.txt"
  ((${ms%.*} < 1000)) || fail "$3: the frame switch took ${ms} ms, more than a second"
}

tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

tw_driver_bg open-windows TwHungOther 3 100
tw_wait_for 20 "tw_driver find-window TwHungOther && [[ \$(tw_result_value matches) == 3 ]]" ||
  fail "the other windows did not appear"
mapfile -t others < <(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}")
((${#others[@]} == 3)) || fail "expected three other windows"
fault_window TwHung TwHung none 400 300 300 200
hung=${found}
hung_result=${found_result}
# A window waiting on the next frame, one screen below.
fault_window TwHungOther "Next frame" none 600 868 300 200
next=${found}

# The hung window is not the one in front: activating another window would have to wait for
# its answer to the deactivation, and that would stall the driver, not the program.
for hwnd in "${hung}" "${others[@]}"; do
  tw_driver activate "${hwnd}" || fail "could not activate ${hwnd}"
done
sleep 1
read_start "${others[@]}" "${hung}" "${next}"
program_windows
before=${windows_now}

tw_driver hang-window "${hung}" "${hang_ms}" || fail "the window did not stop answering"
hang_started=${SECONDS}

timed_switch "${down}" -768 "to the next frame"
expect_at "to the next frame" -768 "${others[@]}" "${next}"
# The user turns to the window of this frame: the program takes the window list again,
# while the hung window still stands where it was.
tw_driver activate "${next}" || fail "could not activate the window of the next frame"
sleep 0.5
timed_switch "${up}" 768 "back to the first frame"
expect_at "back to the first frame" 0 "${others[@]}" "${next}"
tw_result_has '^answering=1' "${hung_result}" &&
  fail "the window answered again after $((SECONDS - hang_started)) s, before the test was done"
tw_log "both switches ran while the window was hung ($((SECONDS - hang_started)) s into the hang)"
program_windows
[[ ${windows_now} == "${before}" ]] || fail "the program's windows changed (an error box?)"

# Once it answers, the hung window carries out the moves it was sent and ends on the first
# frame, where it stood.
tw_wait_for $((hang_ms / 1000 + 20)) tw_result_has '^answering=1' "${hung_result}" ||
  fail "the hung window did not come back"
tw_wait_for 10 at 0 "${hung}" || true
expect_at "the window that was hung, once it answers" 0 "${hung}" "${others[@]}" "${next}"

# Later hot keys work, and the program's idea of the formerly hung window is right.
timed_switch "${down}" -768 "again to the next frame"
tw_wait_for 10 at -768 "${hung}" || true
expect_at "again to the next frame" -768 "${hung}" "${others[@]}" "${next}"
timed_switch "${up}" 768 "again back"
tw_wait_for 10 at 0 "${hung}" || true
expect_at "again back" 0 "${hung}" "${others[@]}" "${next}"
program_windows
[[ ${windows_now} == "${before}" ]] || fail "the program's windows changed (an error box?)"
