# Numbers in the settings file that the options dialog would refuse: [VirtualDesktop]
# Count=2147483647, InitialFrame=2147483647, MiniWidth=-5 and [Option] TranslucentAlpha=256.
# The program starts promptly and holds its six default hot keys, works as if each value
# were the nearest allowed one (ten screens, the tenth shown first: a switch up moves a
# window down by a screen, a switch down from the last does nothing; width 8, alpha 255, as
# the options dialog shows), and leaves the file as it was.
# timeout: 150

# shellcheck source=data/options-helpers.bash
source "${TW_DATA}/options-helpers.bash"
# shellcheck source=data/fault-settings-lib.bash
source "${TW_DATA}/fault-settings-lib.bash"

printf '%s\r\n' '[Option]' 'TranslucentAlpha=256' '[VirtualDesktop]' 'Count=2147483647' \
  'InitialFrame=2147483647' 'MiniWidth=-5' >"${FAULT_INI}"
cp "${FAULT_INI}" "${TW_WORK}/absurd.ini"

tw_driver_bg open-window TwFaultProbe "Fault probe" 200
tw_wait_for 15 tw_driver find-window TwFaultProbe || fail "the probe window did not appear"
probe=$(sed -n 's/^window hwnd=\(0x[0-9a-f]*\) .*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
tw_driver move-window "${probe}" 200 150 300 200 || fail "the probe window could not be placed"
probe_at() {
  TW_QUIET=1 tw_driver window-state "${probe}" &&
    [[ $(tw_result_value "rect.${probe}") == "$1" ]]
}

tw_driver start-until-ready "$(tw_winfile tarnwick.exe)" 20000 "${FAULT_DEFAULT_HOTKEYS[@]}" ||
  fail "the program did not come up with its six hot keys"
tw_log "started in $(tw_result_value ready-ms) ms, holding its six hot keys"
tw_wait_for 10 "TW_QUIET=1 tw_driver pager-info && tw_result_has '^foreground=.* class=\"TarnwickApplication\" '" ||
  fail "the start-up did not finish"

tw_driver activate "${probe}" || fail "could not activate the probe window"
sleep 0.5
tw_key shift+ctrl+alt+Up
tw_wait_for 10 probe_at 200,918,500,1118 || fail "a switch up from the last screen did not move the window down"
tw_key shift+ctrl+alt+Down
tw_wait_for 10 probe_at 200,150,500,350 || fail "the switch back did not bring the window back"
tw_key shift+ctrl+alt+Down
sleep 1
probe_at 200,150,500,350 || fail "a switch down from the last of ten screens moved the window"

options_open
[[ -n $(control_line Edit 255) ]] || fail "the options do not show the translucency as 255"
[[ -n $(control_line Edit 10 2) ]] || fail "the options do not show ten screens, the tenth first"
[[ -n $(control_line Edit 8) ]] || fail "the options do not show the width when shrunk as 8"
dialog_keys Escape
dialog_gone "${TRAY_OPTIONS_TITLE}"
cmp -s "${TW_WORK}/absurd.ini" "${FAULT_INI}" || fail "starting changed the settings file"
tw_log "ten screens, the last shown first, alpha 255, width 8; the file is unchanged"
