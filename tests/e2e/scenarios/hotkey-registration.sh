# Global hot keys: once started, the program holds exactly the combinations its settings
# name, and the system gives them back when it ends. Without a settings file those are the
# six of the options dialog (Shift+Ctrl+Alt with Home, End, Up, Down, Left and Right); with
# one, the file's texts count as written by hand (any case and order, "^" for Ctrl), and a
# text that names no key registers nothing. Another program probing a taken combination is
# refused with ERROR_HOTKEY_ALREADY_REGISTERED (1409).
# timeout: 120

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"

# MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4; Home 0x24, End 0x23, Left 0x25, Up 0x26, Right 0x27,
# Down 0x28.
defaults=(7 0x24 7 0x23 7 0x26 7 0x28 7 0x25 7 0x27)

# scan: every combination somebody holds, as sorted "modifiers key" lines, into scanned.
scan() {
  tw_driver hotkey-scan || fail "the hot-key scan failed"
  scanned=$(sed -n 's/^taken modifiers=\([0-9]*\) key=\(0x[0-9a-f]*\)$/\1 \2/p' \
    "${TW_LAST_RESULT}" | sort)
}

# expect_registered <why> [<modifiers> <key> ...]: the program holds exactly these
# combinations: a scan shows them, and nothing else, beyond what the desktop held before.
expect_registered() {
  local why=$1 expected actual
  shift
  expected=$(while (($# >= 2)); do
    printf '%s %s\n' "$1" "$2"
    shift 2
  done | sort)
  scan
  actual=$(comm -13 <(sed '/^$/d' <<<"${baseline}") <(sed '/^$/d' <<<"${scanned}"))
  if [[ ${actual} != "${expected}" ]]; then
    tw_log "expected (modifiers key): $(paste -sd, <<<"${expected}")"
    tw_log "held beyond the desktop's own: $(paste -sd, <<<"${actual}")"
    fail "${why}: the program does not hold exactly the expected hot keys"
  fi
  tw_log "${why}: the program holds exactly: $(paste -sd, <<<"${expected}")"
}

ini=${TW_DIR}/tarnwick.ini
[[ ! -e ${ini} ]] || fail "the program folder already holds tarnwick.ini"

scan
baseline=${scanned}
tw_driver hotkey-free "${defaults[@]}" || fail "the default combinations are taken before the start"

# No settings file: the six defaults, refused to anyone else with error 1409.
tw_start
tw_wait_windows_settled tarnwick.exe 20 || fail "the program shows no settled windows"
tw_wait_for 10 tw_driver hotkey-taken "${defaults[@]}" ||
  fail "the program did not take all six default hot keys"
[[ $(grep -c '^hotkey .* state=taken error=1409$' "${TW_LAST_RESULT}") == 6 ]] ||
  fail "a taken combination was refused with another error than 1409"
expect_registered "defaults" "${defaults[@]}"

tw_stop
tw_wait_for 10 tw_driver hotkey-free "${defaults[@]}" ||
  fail "the default combinations stay taken after the program ended"
expect_registered "after the end"

# A settings file written by hand. The global actions: Ctrl+Alt+T instead of Home, get-info
# without a hot key, Up as "alt+SHIFT+up", the other three as their defaults. Commands, by
# index: 0 Ctrl+Alt+F7; 1 modifiers without a key; 2 a key name with trailing junk; 3 "^"
# and lower case for Ctrl+Alt+F9; 4 a Shift-JIS character (its trail byte is "\") after
# "Ctrl+"; 5 the Home combination, free now that the global action has another; 6 Ctrl+Alt+5,
# which is the main digit key; 7 no hot key; 8 Ctrl+Alt+T again, which the global action
# already holds; 9 Alt+F11, which must still follow that refused registration.
commands=("alt+ctrl+F7" "Ctrl+" "Shift+Alt+F8x" "alt+^f9" $'Ctrl+\x95\x5c'
  "Shift+Ctrl+Alt+Home" "Ctrl+Alt+5" "" "Ctrl+Alt+T" "Alt+F11")
{
  printf '[Option]\r\nHotKeyTranslucent="Ctrl+Alt+T"\r\nHotKeyGetInfo=""\r\n'
  printf '[VirtualDesktop]\r\nHotKeyUp="alt+SHIFT+up"\r\n'
  printf '[Command]\r\nCount=%d\r\n' "${#commands[@]}"
  for i in "${!commands[@]}"; do
    printf 'Name%d="command %d"\r\nHotKey%d="%s"\r\n' "${i}" "${i}" "${i}" "${commands[i]}"
  done
} >"${ini}"
cp "${ini}" "${TW_WORK}/tarnwick.ini"

tw_start
tw_wait_for 20 tw_driver hotkey-taken 1 0x7a || fail "the last command's hot key was not taken"
expect_registered "settings file" \
  3 0x54 5 0x26 7 0x28 7 0x25 7 0x27 \
  3 0x76 3 0x78 7 0x24 3 0x35 1 0x7a
# The options dialog's capture field shows the text as stored, not re-formatted (its fields
# are made when it is first shown; opening it withdraws the hot keys, so it comes last).
tray_choose 1
dialog_wait "${TRAY_OPTIONS_TITLE}"
tw_wait_for 20 tw_driver find-edit-text tarnwick.exe "alt+SHIFT+up" ||
  fail "no field shows the Up hot key as the settings file has it"
tw_expect matches 1

tw_stop
tw_wait_for 10 tw_driver hotkey-free 3 0x54 3 0x76 7 0x24 ||
  fail "hot keys from the settings file stay taken after the program ended"
expect_registered "after the second end"
cmp -s "${TW_WORK}/tarnwick.ini" "${ini}" || fail "the program changed its settings file"
