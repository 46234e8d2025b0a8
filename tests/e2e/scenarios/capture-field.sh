# A hot-key capture field of the real toolkit under real key strokes from the X display:
# a combination with a modifier shows in the fixed order Shift, Ctrl, Alt and stays after
# its keys are released; modifiers show as "Ctrl+" while held and clear the field when let
# go alone; plain keys neither change the field nor type into it; Enter still reaches the
# form's default button. The field lives in twcaptureform.exe, which reports every change
# of the text (its .txt file: the text now; its .log file: one "text=" line per change).
# timeout: 90

# The runner copies only the program, the hook library and the driver; the capture form
# comes from the same build folder (<build>/e2e/<scenario>/work is TW_WORK).
build=$(realpath -m "${TW_WORK}/../../..")
[[ -f ${build}/twcaptureform.exe ]] || fail "twcaptureform.exe is not in ${build}"
cp "${build}/twcaptureform.exe" "${TW_DIR}/"
now_file=${TW_DIR}/twcaptureform.txt
log_file=${TW_DIR}/twcaptureform.txt.log

# field_is <text>: both the form's report and the Edit control itself (asked by another
# process with WM_GETTEXT) show exactly <text>.
field_is() {
  [[ -f ${now_file} && $(<"${now_file}") == "$1" ]] &&
    tw_driver find-edit-text twcaptureform.exe "$1"
}

# expect_field <text> <why>: waits briefly for the field to show <text>.
expect_field() {
  tw_wait_for 5 field_is "$1" ||
    fail "$2: the field shows \"$(cat "${now_file}" 2>/dev/null)\", expected \"$1\""
  tw_log "the field shows \"$1\": $2"
}

# changes_since <line number>: the texts the field took after that many log lines.
changes_since() {
  tail -n +$(($1 + 1)) "${log_file}" | sed -n 's/^text=//p' | paste -sd'|'
}

tw_start twcaptureform.exe
tw_wait_for 15 tw_driver find-window '*' "Hot-key capture" || fail "the capture form did not open"
tw_expect matches 1
tw_wait_for 10 tw_driver find-edit-text twcaptureform.exe "" || fail "the form has no empty field"
[[ -e ${log_file} ]] || fail "the capture form writes no log"
# Its window has the X focus of the virtual desktop and is the foreground window there.
xdotool windowfocus --sync "$(tw_desktop_window)"
sleep 0.5

mark=$(wc -l <"${log_file}")
tw_key ctrl+shift+F5
expect_field "Shift+Ctrl+F5" "Ctrl+Shift+F5, then everything released"
[[ $(changes_since "${mark}") == "Ctrl+|Shift+Ctrl+|Shift+Ctrl+F5" ]] ||
  fail "pressing Ctrl, Shift, F5 went through \"$(changes_since "${mark}")\""
tw_screenshot capture-shift-ctrl-f5.png

# Plain keys are no hot keys, and the field is read-only: A types nothing, and Delete with
# the caret moved to the start by Home removes nothing.
mark=$(wc -l <"${log_file}")
tw_key a Home Delete
sleep 0.5
expect_field "Shift+Ctrl+F5" "plain A, Home and Delete"
[[ -z $(changes_since "${mark}") ]] ||
  fail "plain keys changed the field: $(changes_since "${mark}")"

# Ctrl alone: "Ctrl+" while it is held, an empty field once it is let go.
mark=$(wc -l <"${log_file}")
xdotool keydown ctrl
expect_field "Ctrl+" "Ctrl held"
xdotool keyup ctrl
expect_field "" "Ctrl let go"
[[ $(changes_since "${mark}") == "Ctrl+|" ]] ||
  fail "Ctrl alone went through \"$(changes_since "${mark}")\""

# Alt+F7 stays after Alt is let go, and letting Alt go leaves the form out of menu mode: the
# next stroke reaches the field. The modifiers pressed Alt first still show Shift first.
tw_key alt+F7
expect_field "Alt+F7" "Alt+F7"
mark=$(wc -l <"${log_file}")
tw_key alt+ctrl+shift+Home
expect_field "Shift+Ctrl+Alt+Home" "Alt, Ctrl, Shift and Home"
[[ $(changes_since "${mark}") == "Alt+|Ctrl+Alt+|Shift+Ctrl+Alt+|Shift+Ctrl+Alt+Home" ]] ||
  fail "pressing Alt, Ctrl, Shift, Home went through \"$(changes_since "${mark}")\""
tw_screenshot capture-shift-ctrl-alt-home.png

# Enter is no hot key either: it presses the form's OK button, the field keeps its text.
tw_key Return
tw_wait_for 10 "grep -qs '^closed ' '${log_file}'" || fail "Enter did not close the form"
closed=$(sed -n 's/^closed //p' "${log_file}")
[[ ${closed} == "result=1 text=Shift+Ctrl+Alt+Home" ]] || fail "the form closed with ${closed}"
tw_wait_for 10 "! tw_driver processes twcaptureform.exe" || fail "the capture form did not end"
