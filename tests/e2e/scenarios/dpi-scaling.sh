# The program at 96, 144 and 192 DPI (Wine's LogPixels, set before each start): the
# options dialog's client area, the pager's size and the dialogs' controls scale with the
# DPI; in every dialog each control lies inside the client area, none overlaps another
# (but for a group box or tab control around it) and each caption fits its control; the
# pager draws its lines as wide as one pixel at 96 DPI.
# Screenshots of each DPI go to TW_WORK (dpi<N>-*.png) for docs/.
# Only the DPIs in TW_DPI_LIST (default "96 144 192") are run.
# timeout: 420

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/pager-lib.sh
source "${TW_DATA}/pager-lib.sh"

FACE="ＭＳ Ｐゴシック"

# scaled <value> <dpi>: the value in pixels at that DPI, rounded as the program rounds.
scaled() { echo $((($1 * $2 + 48) / 96)); }

# check_layout <title> <dpi> <name>: the open dialog's controls fit; kept as <name>.
check_layout() {
  tw_driver layout-check tarnwick.exe TarnwickForm "$1" "${FACE}" "$(scaled 12 "$2")" ||
    fail "controls of \"$1\" at $2 DPI are clipped, outside or overlapping (see $3)"
  cp "${TW_LAST_RESULT}" "${TW_WORK}/dpi$2-$3-layout.txt"
  tw_log "$(tail -n 2 "${TW_LAST_RESULT}" | head -n 1)"
}

# first_row_point <dpi>: ROW_X, ROW_Y in the first row (after the header) of the grid shown.
first_row_point() {
  local grid
  grid=$(grep -F 'class="TarnwickDrawGrid"' "${TW_LAST_RESULT}" | grep 'visible=1' | head -n 1)
  IFS=, read -r ROW_X ROW_Y _ _ <<<"$(control_field "${grid}" rect)"
  ROW_X=$((ROW_X + $(scaled 40 "$1")))
  ROW_Y=$((ROW_Y + 2 + $(scaled 28 "$1")))
}

at_dpi() {
  local dpi=$1 w h line
  tw_log "--- ${dpi} DPI"
  "${TW_WINE}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${dpi}" /f \
    >/dev/null 2>&1 || fail "LogPixels could not be set"
  printf '[Command]\r\nCount=1\r\nName0="メモ帳"\r\nHotKey0="Ctrl+Alt+N"\r\nWindowTitle0="@Notepad"\r\nProgram0="notepad.exe"\r\n[Watching]\r\nCount=1\r\nName0="時計"\r\nWindowTitle0="@CLClass"\r\nTranslucent0=1\r\nTranslucentAlpha0=160\r\n[VirtualDesktop]\r\nLeft=700\r\nTop=40\r\nWidth=100\r\nHeight=200\r\n' |
    iconv -f UTF-8 -t CP932 >"${TW_DIR}/tarnwick.ini"

  tw_start
  tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

  # The pager: its stored size is pixels at 96 DPI.
  tw_wait_for 20 pager_read || fail "the pager did not appear"
  w=$(scaled 100 "${dpi}")
  h=$(scaled 200 "${dpi}")
  [[ ${PAGER_W}x${PAGER_H} == "${w}x${h}" ]] ||
    fail "the pager is ${PAGER_W}x${PAGER_H} at ${dpi} DPI, not ${w}x${h}"
  # A window in front, which the pager draws lime; its outline is as wide as one pixel at 96
  # DPI: blue that far in from the client's left edge, grey beyond (in the third cell).
  tw_driver_bg open-window "TwDpi${dpi}" "TwDpi${dpi}" 15
  tw_wait_for 15 tw_driver find-window "TwDpi${dpi}" || fail "the window TwDpi${dpi} did not appear"
  # The driver knows nothing of DPI; Wine 8 shows such a program's window at its
  # coordinates times 96 / DPI (measured here), without stretching what it draws. Placed
  # so, the window stands at 150,150,600,450 on the screen, which is what the program sees.
  tw_driver place-window "TwDpi${dpi}" $((150 * dpi / 96)) $((150 * dpi / 96)) \
    $((450 * dpi / 96)) $((300 * dpi / 96)) >/dev/null
  tw_click 375 300
  sleep 1.5
  pager_read
  tw_screenshot "dpi${dpi}-screen.png"
  shot_window "dpi${dpi}-pager.png" "${PAGER_RECT}"
  expect_pixel "${TW_WORK}/dpi${dpi}-screen.png" 590 440 FFFFFF "the window's client area"
  window_center 150 150 600 450 4
  expect_pixel "${TW_WORK}/dpi${dpi}-screen.png" "${PX}" "${PY}" 00FF00 "the window in front"
  line=$(scaled 1 "${dpi}")
  expect_pixel "${TW_WORK}/dpi${dpi}-screen.png" $((CL + line - 1)) $((CT + CH * 5 / 8)) 0000FF \
    "the outline's inner edge"
  expect_pixel "${TW_WORK}/dpi${dpi}-screen.png" $((CL + line)) $((CT + CH * 5 / 8)) 808080 \
    "the cell beside the outline"

  tray_choose 1
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  local client
  client=$(sed -n 's/^client origin=.* size=\([0-9,]*\)$/\1/p' "${TW_LAST_RESULT}")
  [[ ${client} == "$(scaled 362 "${dpi}"),$(scaled 264 "${dpi}")" ]] ||
    fail "the options dialog's client area is ${client} at ${dpi} DPI"
  for tab in 0 1 2 3 4; do
    options_tab "${tab}"
    dialog_wait "${TRAY_OPTIONS_TITLE}"
    check_layout "${TRAY_OPTIONS_TITLE}" "${dpi}" "options-tab$((tab + 1))"
    shot_window "dpi${dpi}-options-$((tab + 1)).png" "${DIALOG_RECT}"
  done

  # The command dialog from the command grid's first row.
  options_tab 3
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  first_row_point "${dpi}"
  xdotool mousemove --sync "${ROW_X}" "${ROW_Y}" click --repeat 2 --delay 80 1
  dialog_wait "${COMMAND_TITLE}"
  check_layout "${COMMAND_TITLE}" "${dpi}" command
  shot_window "dpi${dpi}-command.png" "${DIALOG_RECT}"
  dialog_keys Escape
  dialog_gone "${COMMAND_TITLE}"

  # The watching dialog, and the grid menu it is chosen from.
  options_tab 4
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  first_row_point "${dpi}"
  xdotool mousemove --sync "${ROW_X}" "${ROW_Y}" click 1
  xdotool click 3
  menu_wait
  shot_window "dpi${dpi}-grid-menu.png" \
    "$((ROW_X - 50)),$((ROW_Y - 40)),$((MENU_RIGHT + 10)),$((MENU_BOTTOM + 10))"
  menu_choose 3
  dialog_wait "${WATCHING_TITLE}"
  check_layout "${WATCHING_TITLE}" "${dpi}" watching
  shot_window "dpi${dpi}-watching.png" "${DIALOG_RECT}"
  dialog_keys Escape
  dialog_gone "${WATCHING_TITLE}"
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  dialog_keys Escape
  dialog_gone "${TRAY_OPTIONS_TITLE}"

  tray_click_icon
  menu_wait
  shot_window "dpi${dpi}-tray-menu.png" "$((MENU_LEFT - 10)),$((MENU_TOP - 10)),1024,768"
  menu_choose 4
  dialog_wait "${ABOUT_TITLE}"
  check_layout "${ABOUT_TITLE}" "${dpi}" version
  shot_window "dpi${dpi}-version.png" "${DIALOG_RECT}"
  dialog_keys Return
  dialog_gone "${ABOUT_TITLE}"
  tw_stop
}

for dpi in ${TW_DPI_LIST:-96 144 192}; do at_dpi "${dpi}"; done
