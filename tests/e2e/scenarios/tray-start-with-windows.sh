# The tray menu's "start with Windows" item against Wine's registry: ticking it writes the
# program's full path in quotes as the value "Tarnwick" under the current user's Run key,
# unticking deletes it. Its check mark is read from the registry whenever the menu opens: a
# value deleted behind the program's back shows unchecked, and one naming another copy
# shows unchecked and is replaced by this copy's path when ticked.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
ours="\"$(tw_winfile tarnwick.exe)\""
other='"C:\Other copy\tarnwick.exe"'
item_text='Windows の起動時に実行(&W)'
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

# menu_shows <0|1>: opens the tray menu; the item is there and its check mark is as said.
menu_shows() {
  tray_click_icon
  menu_wait
  local line
  line=$(grep -F "text=\"${item_text}\"" "${TW_LAST_RESULT}")
  [[ -n ${line} ]] || fail "the tray menu has no item \"${item_text}\""
  [[ ${line} == *"item index=$((item - 1)) separator=0 grayed=0 checked=$1 "* ]] ||
    fail "expected the item at ${item} with checked=$1: ${line}"
}

# menu_close: Escape, with the pointer on the menu (only then do keys reach it).
menu_close() {
  xdotool mousemove --sync $((MENU_LEFT + 30)) $((MENU_TOP + 10))
  sleep 0.3
  menu_close
  tw_wait_for 10 "! tw_driver menu" || fail "the menu stays open"
}

"${TW_WINE}" reg delete "${run_key}" /v Tarnwick /f >/dev/null 2>&1 || true
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"

# Tick, untick, tick again.
menu_shows 0
menu_choose "${item}"
expect_value "${ours}"
menu_shows 1
shot_window start-with-windows-checked.png "$((MENU_LEFT - 10)),$((MENU_TOP - 10)),1024,768"
menu_choose "${item}"
expect_value ""
menu_shows 0
menu_choose "${item}"
expect_value "${ours}"

# Deleted behind the program's back: unchecked at the next opening.
"${TW_WINE}" reg delete "${run_key}" /v Tarnwick /f >/dev/null 2>&1 || fail "reg delete failed"
expect_value ""
menu_shows 0
menu_close

# Another copy's path: unchecked, and ticking puts this copy's path in its place.
"${TW_WINE}" reg add "${run_key}" /v Tarnwick /t REG_SZ /d "${other}" /f >/dev/null 2>&1 ||
  fail "reg add failed"
expect_value "${other}"
menu_shows 0
menu_choose "${item}"
expect_value "${ours}"
menu_shows 1
menu_close
