# shellcheck shell=bash
# Helpers of the fault-settings-* and fault-* scenarios about the settings file, sourced after
# lib.sh and options-helpers.bash.

FAULT_INI=${TW_DIR}/tarnwick.ini
# The path the program names its settings file by (its own folder, from its module name).
FAULT_INI_WIN='C:\tw\tarnwick.ini'
# MOD_ALT|MOD_CONTROL|MOD_SHIFT with Home, End, Up, Down, Left and Right: the six defaults.
FAULT_DEFAULT_HOTKEYS=(7 0x24 7 0x23 7 0x26 7 0x28 7 0x25 7 0x27)

# fault_settings_file: a settings file as a user who changed a few things has it, with a
# comment and a key of a section the program does not know (written back as they are), one
# command and one watching rule.
fault_settings_file() {
  printf '%s\r\n' \
    '; Tarnwick settings, kept by hand too' \
    '[Option]' \
    'TranslucentAlpha=150' \
    'VirtualDesktop=1' \
    '[VirtualDesktop]' \
    'Count=3' \
    'Width=80' \
    '[Command]' \
    'Count=1' \
    'Name0="memo"' \
    'HotKey0="Ctrl+Alt+F7"' \
    'WindowTitle0="@Notepad"' \
    'Program0="notepad.exe"' \
    '[Watching]' \
    'Count=1' \
    'Name0="mines rule"' \
    'WindowTitle0="@WineMine"' \
    'Translucent0=1' \
    'TranslucentAlpha0=180' \
    '[Mine]' \
    'Kept=yes' >"${FAULT_INI}"
}

# ini_text: the settings file as UTF-8 without carriage returns.
ini_text() {
  iconv -f CP932 -t UTF-8 "${FAULT_INI}" | tr -d '\r'
}

# ini_line <section> <line>: the settings file holds the line in that section.
ini_line() {
  [[ -f ${FAULT_INI} ]] && ini_text |
    awk -v s="[$1]" -v l="$2" '/^\[/{in_s=(tolower($0)==tolower(s))} in_s && $0==l{found=1} END{exit !found}'
}

# edit_text_of <hwnd>: the text of that edit in the last controls result.
edit_text_of() {
  sed -n "s/^control hwnd=$1 .* text=\"\\(.*\\)\"$/\\1/p" "${TW_LAST_RESULT}"
}

# options_open: the options dialog from the tray menu, its controls in TW_LAST_RESULT.
options_open() {
  tray_choose 1
  dialog_wait "${TRAY_OPTIONS_TITLE}"
}

# alpha_type <shown> <new>: types <new> into the translucency field that shows <shown>
# (the first tab's); sets ALPHA_HWND.
alpha_type() {
  local line
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  line=$(control_line Edit "$1")
  [[ -n ${line} ]] || fail "no field of the options dialog shows $1"
  ALPHA_HWND=$(control_field "${line}" hwnd)
  click_at_control "${line}"
  tw_key End shift+Home
  tw_type "$2"
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  [[ $(edit_text_of "${ALPHA_HWND}") == "$2" ]] ||
    fail "the translucency field shows \"$(edit_text_of "${ALPHA_HWND}")\", not $2"
}

# expect_write_error: after OK, the error box naming the settings file is shown; it is
# photographed and closed with Return. The options dialog must still be there afterwards.
expect_write_error() {
  local escaped=${FAULT_INI_WIN//\\/\\\\} text
  text="設定ファイル「${escaped}」に書き込めませんでした。設定は保存されていません。"
  tw_wait_for 10 tw_driver controls tarnwick.exe "#32770" || fail "no error box after OK"
  grep -F "class=\"Static\" text=\"${text}\"" "${TW_LAST_RESULT}" >/dev/null ||
    fail "the box does not say that ${FAULT_INI_WIN} could not be written"
  tw_log "the error box names ${FAULT_INI_WIN}"
  DIALOG_RECT=$(sed -n 's/^window .* rect=\([-0-9,]*\) class=.*/\1/p' "${TW_LAST_RESULT}" | head -n 1)
  shot_window "$1" "${DIALOG_RECT}"
  dialog_keys Return
  tw_wait_for 10 "! tw_driver controls tarnwick.exe '#32770'" || fail "the error box stays"
}

# expect_dialog_keeps <hwnd> <text>: the options dialog is open and the field shows the text.
expect_dialog_keeps() {
  dialog_wait "${TRAY_OPTIONS_TITLE}"
  [[ $(edit_text_of "$1") == "$2" ]] ||
    fail "after the error the field shows \"$(edit_text_of "$1")\", not what was typed ($2)"
  tw_log "the options dialog stays open with $2 as typed"
}

# expect_unchanged <copy>: the settings file is byte for byte the copy, and no temporary
# file is left beside it.
expect_unchanged() {
  cmp "$1" "${FAULT_INI}" || fail "the settings file changed although it could not be written"
  [[ ! -e ${FAULT_INI}.tmp ]] || fail "a temporary file ${FAULT_INI}.tmp is left"
  tw_log "the settings file is unchanged ($(stat -c %s "${FAULT_INI}") bytes, same bytes)"
}
