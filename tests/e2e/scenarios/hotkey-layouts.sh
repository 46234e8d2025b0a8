# Every key of a US and of a Japanese 106/109 keyboard (the X layout switched with
# setxkbmap), pressed with Shift+Ctrl into a real capture field, parses back to the key
# that was pressed, which is what its registration takes. Also records what Wine names
# each key (key-names-us.txt, key-names-jp.txt), and every capture (captures-*.txt).
# timeout: 240

build=$(realpath -m "${TW_WORK}/../../..")
[[ -f ${build}/twcaptureform.exe ]] || fail "twcaptureform.exe is not in ${build}"
cp "${build}/twcaptureform.exe" "${TW_DIR}/"
log_file=${TW_DIR}/twcaptureform.txt.log

# Exact X key codes (evdev), which xdotool cannot give when two keys share a key symbol,
# as the yen key and the "ro" key both type a backslash.
cat >"${TW_WORK}/xkeys.py" <<'PY'
import ctypes, sys, time
x11, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
display = x11.XOpenDisplay(None)
codes = [int(c) for c in sys.argv[1:]]
for code, down in [(c, 1) for c in codes] + [(c, 0) for c in reversed(codes)]:
    xtst.XTestFakeKeyEvent(display, code, down, 0)
    x11.XSync(display, 0)
    time.sleep(0.04)
PY

# Keys of both keyboards but Esc, Tab and Enter (the form's own), F10 (the menu key), Pause
# (with Ctrl it is Break, code 0x03, which ends the form) and the modifiers: digits and
# letters, the punctuation, function keys, editing and arrows, the keypad with Num Lock
# off, then on, and the Windows logo keys. The menu key opens the field's context menu,
# so it comes last.
common=(10 11 12 13 14 15 16 17 18 19 20 21 22 24 25 26 27 28 29 30 31 32 33 34 35
  38 39 40 41 42 43 44 45 46 47 48 49 51 52 53 54 55 56 57 58 59 60 61 63 65 66
  67 68 69 70 71 72 73 74 75 95 96 78 107 110 111 112 113 114 115 116 117 118 119
  79 80 81 82 83 84 85 86 87 88 89 90 91 106 77 79 80 81 82 83 84 85 86 87 88 89 90 91 77
  133 134)
# The keys only the Japanese keyboard has: ro, henkan, hiragana/katakana, muhenkan, yen.
japanese=(97 100 101 102 132)
menu=135
# capture_all <name> <key codes...>: presses each with Shift+Ctrl; writes captures-<name>.txt
# and fails when a captured key parsed back to another key (or to none). A key the layout
# does not name is captured as nothing, which the file counts.
capture_all() {
  local name=$1 out=${TW_WORK}/captures-$1.txt code mark line down value wrong=0 none=0 unnamed=0
  shift
  : >"${out}"
  tw_start twcaptureform.exe
  tw_wait_for 15 tw_driver find-window '*' "Hot-key capture" || fail "the capture form did not open"
  xdotool windowfocus --sync "$(tw_desktop_window)"
  sleep 0.5
  for code in "$@"; do
    mark=$(wc -l <"${log_file}")
    python3 "${TW_WORK}/xkeys.py" 37 50 "${code}"
    sleep 0.2
    # The key's own key down: the last one that is not Shift, Ctrl or Alt (after the switch
    # to the Japanese layout a Caps Lock down, 0x14, came before the first key's own).
    line=$(tail -n +$((mark + 1)) "${log_file}" | grep -a '^down=' |
      grep -av "^down=0x1[012] " | tail -n 1 || true)
    if [[ -z ${line} ]]; then
      echo "keycode=${code} no key down" >>"${out}"
      none=$((none + 1))
      continue
    fi
    down=$(sed -n 's/^down=\(0x[0-9a-f]*\) .*/\1/p' <<<"${line}")
    value=$(sed -n 's/.* value=\(0x[0-9a-f]*\) .*/\1/p' <<<"${line}")
    if [[ ${line} == *' text=' ]]; then
      echo "keycode=${code} unnamed ${line}" >>"${out}"
      unnamed=$((unnamed + 1))
    elif ((value != (down | 0x6000))); then
      echo "keycode=${code} WRONG ${line}" >>"${out}"
      wrong=$((wrong + 1))
    else
      echo "keycode=${code} ${line}" >>"${out}"
    fi
  done
  iconv -f CP932 -t UTF-8 "${out}" >"${out}.utf8" || true
  tw_log "${name}: $(grep -c . "${out}") keys, ${wrong} parsed to another key, ${unnamed} without a name, ${none} without a key down"
  tw_stop twcaptureform.exe
  ((wrong == 0)) || fail "${name}: keys captured as another key: $(grep -a WRONG "${out}.utf8" | head -n 5)"
}

tw_driver key-names || fail "key-names failed"
cp "${TW_LAST_RESULT}" "${TW_WORK}/key-names-us.txt"
capture_all us "${common[@]}" "${menu}"

# The X server goes back to its first keyboard map whenever its last client leaves, which
# under Wine happens within a second: a client of ours stays connected meanwhile.
python3 -c "
import ctypes, time
x11 = ctypes.CDLL('libX11.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
display = x11.XOpenDisplay(None)
time.sleep(200)" &
hold=$!
trap 'kill "${hold}" 2>/dev/null || true' EXIT
sleep 0.5
setxkbmap -layout jp || fail "setxkbmap jp failed"
sleep 1.5
[[ $(setxkbmap -query) == *"layout:     jp"* ]] || fail "the X layout did not stay Japanese"
tw_driver key-names || fail "key-names failed"
cp "${TW_LAST_RESULT}" "${TW_WORK}/key-names-jp.txt"
grep -q '^key vk=0xe2 scan=0x73 ' "${TW_WORK}/key-names-jp.txt" || fail "Wine does not see the Japanese layout"
capture_all jp "${common[@]}" "${japanese[@]}" "${menu}"
