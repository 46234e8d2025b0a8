# The tray menu's "start with Windows" item against Wine's registry: ticking it writes the
# program's full path in quotes as the value "Tarnwick" under the current user's Run key,
# unticking deletes it. Its check mark is read from the registry whenever the menu opens: a
# value deleted behind the program's back shows unchecked, and one naming another copy
# shows unchecked and is replaced by this copy's path when ticked. The pager's copy of the
# menu shows the same.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
ours="\"$(tw_winfile tarnwick.exe)\""
other='"C:\Other copy\tarnwick.exe"'
# With virtual screens the item is the fifth: after the version box, before the separator
# above exit.
item=5

# run_value: the data of the value "Tarnwick" (nothing when there is none).
run_value() {
  "${TW_WINE}" reg query "${run_key}" /v Tarnwick 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *Tarnwick *REG_SZ *//p'
}

# expect_value <data>: waits until the value holds exactly that ("" for no value).
expect_value() {
  tw_wait_for 10 "[[ \$(run_value) == '$1' ]]" ||
    fail "the Run value is \"$(run_value)\", not \"$1\""
  tw_log "Run value: \"$1\""
}

# menu_shows <0|1> <picture> [pager]: opens the tray menu (or the pager's copy of it, with a
# right click on the pager) and photographs it; its check-mark column
# has a mark (1) or none (0). No other check item is ticked here ("fix position" stays
# off), and the driver cannot read another process's menu under Wine, so the picture is
# the evidence: dark pixels left of the texts.
menu_shows() {
  if [[ ${3:-} == pager ]]; then tw_click 880 300 3; else tray_click_icon; fi
  menu_wait
  sleep 0.5
  shot_window "$2" "${MENU_LEFT},${MENU_TOP},${MENU_RIGHT},${MENU_BOTTOM}"
  local dark
  dark=$(convert "${TW_WORK}/$2" -crop "14x$((MENU_BOTTOM - MENU_TOP - 6))+3+3" +repage \
    -colorspace Gray -threshold 50% -format '%[fx:round((1-mean)*w*h)]' info:)
  tw_log "$2: ${dark} dark pixels in the check-mark column"
  if (($1)); then ((dark > 5)) || fail "the menu shows no check mark ($2)"; else
    ((dark == 0)) || fail "the menu shows a check mark ($2)"
  fi
}

"${TW_WINE}" reg delete "${run_key}" /v Tarnwick /f >/dev/null 2>&1 || true
# The pager stands where a right click finds it.
printf '[VirtualDesktop]\r\nLeft=800\r\nTop=40\r\nWidth=160\r\nHeight=480\r\n' \
  >"${TW_DIR}/tarnwick.ini"
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

# Tick, untick, tick again.
menu_shows 0 menu-1-none.png
menu_choose "${item}"
expect_value "${ours}"
menu_shows 1 menu-2-ticked.png
menu_choose "${item}"
expect_value ""
menu_shows 0 menu-3-unticked.png
menu_choose "${item}"
expect_value "${ours}"

# Deleted behind the program's back: unchecked at the next opening, so choosing the item
# writes the value again (a stale check would have deleted it).
"${TW_WINE}" reg delete "${run_key}" /v Tarnwick /f >/dev/null 2>&1 || fail "reg delete failed"
expect_value ""
menu_shows 0 menu-4-deleted-elsewhere.png
menu_choose "${item}"
expect_value "${ours}"

# Another copy's path: unchecked, and ticking puts this copy's path in its place.
"${TW_WINE}" reg add "${run_key}" /v Tarnwick /t REG_SZ /d "${other}" /f >/dev/null 2>&1 ||
  fail "reg add failed"
expect_value "${other}"
menu_shows 0 menu-5-other-copy.png
menu_choose "${item}"
expect_value "${ours}"
menu_shows 1 menu-6-replaced.png
menu_choose "${item}"
expect_value ""

# The pager's menu, a copy of the tray menu made as it opens, shows a value set behind the
# program's back, and its item unticks.
"${TW_WINE}" reg add "${run_key}" /v Tarnwick /t REG_SZ /d "${ours}" /f >/dev/null 2>&1 ||
  fail "reg add failed"
expect_value "${ours}"
menu_shows 1 menu-7-pager.png pager
menu_choose "${item}"
expect_value ""
