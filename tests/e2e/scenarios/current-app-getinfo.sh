# The get-info hot key, typed with the mines game in front, opens the program's watching
# dialog in front of it, filled from the game's window: "@WineMine" and its position. A
# name typed into the first field and Enter add the rule, and the settings file holds it
# at once, while the program keeps running.
# timeout: 90

ini=${TW_DIR}/tarnwick.ini
caption='アプリケーションの監視'

# shown_window <class> [title]: the first shown window into ${shown}.
shown_window() {
  tw_driver find-window "$@" || return 1
  shown=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .* visible=1 .*/\1/p' "${TW_LAST_RESULT}" |
    head -n 1)
  [[ -n ${shown} ]]
}

# edit_in_dialog <text>: an edit of the dialog shows exactly this text.
edit_in_dialog() {
  tw_driver find-edit-text tarnwick.exe "$1" || return 1
  tw_result_has "^edit .* top=${dialog} .* match=1 "
}

"${TW_WINE}" winemine.exe >/dev/null 2>&1 &
tw_wait_for 15 shown_window WineMine || fail "winemine did not appear"
mines=${shown}
tw_driver window-state "${mines}"
IFS=, read -r l t r b <<<"$(tw_result_value "rect.${mines}")"
tw_driver move-window "${mines}" 250 120 $((r - l)) $((b - t)) ||
  fail "winemine could not be placed"

tw_start
tw_wait_for 20 tw_driver hotkey-taken 7 0x23 || fail "the program did not register its hot keys"
shown_window '*' "${caption}" && fail "the watching dialog is shown before the hot key"
tw_driver activate "${mines}" || fail "winemine did not come to the front"

tw_key shift+ctrl+alt+End
tw_wait_for 10 shown_window '*' "${caption}" || fail "the hot key opened no watching dialog"
dialog=${shown}
tw_result_has "^window hwnd=${dialog} pid=${TW_WINPID} " ||
  fail "the window captioned ${caption} is not the program's"
tw_screenshot dialog-open.png
tw_wait_for 5 "tw_driver foreground && [[ \$(tw_result_value foreground) == ${dialog} ]]" ||
  fail "the watching dialog is not the window in front"
edit_in_dialog "@WineMine" || fail "the dialog does not show the class pattern @WineMine"
edit_in_dialog 250 || fail "the dialog does not show winemine's left edge 250"
edit_in_dialog 120 || fail "the dialog does not show winemine's top edge 120"
[[ ! -e ${ini} ]] || fail "the settings file was written before the rule was added"

tw_type "mines rule"
tw_key Return
tw_wait_for 10 "[[ -e '${ini}' ]] && grep -q '^WindowTitle0=\"@WineMine\"' '${ini}'" ||
  fail "the settings file does not hold the new rule"
cp "${ini}" "${TW_WORK}/tarnwick.ini"
grep -q '^Count=1' "${ini}" || fail "the settings file does not count one rule"
grep -q '^Name0="mines rule"' "${ini}" || fail "the rule was not stored with the typed name"
if ! grep -q '^PositionLeft0=250' "${ini}" || ! grep -q '^PositionTop0=120' "${ini}"; then
  fail "the rule was not stored with winemine's position"
fi
tw_wait_for 5 "! shown_window '*' '${caption}'" || fail "the dialog stays open after Enter"
tw_driver processes tarnwick.exe || fail "the program ended on adding the rule"
tw_stop
