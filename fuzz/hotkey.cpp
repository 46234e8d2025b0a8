// Hot-key texts as a hand-edited settings file may hold them, and hot-key values as the
// capture fields may produce them. A parsed text is no hot key or a key that has a name;
// every value's text parses back to the same text.
#include "commands/HotKey.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "platform/sim/SimDesktop.h"

namespace {

SimDesktop& Sim() {
  static SimDesktop desktop;
  return desktop;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The parse written plainly: prefixes in any order, case and number ("^" only with more
// after it), then the lowest code whose name equals the rest without regard to case (the
// names differ in more than case, so the exact one is the only one).
std::uint16_t ReferenceParse(std::string_view text) {
  std::uint16_t modifiers = 0;
  for (bool more = true; more;) {
    more = false;
    for (auto [prefix, bit] : {std::pair<std::string_view, std::uint16_t>{"Shift+", kHotKeyShift},
                               {"^", kHotKeyCtrl},
                               {"Ctrl+", kHotKeyCtrl},
                               {"Alt+", kHotKeyAlt}}) {
      if (StartsWithIgnoringCase(text, prefix) && (prefix != "^" || text.size() > 1)) {
        text.remove_prefix(prefix.size());
        modifiers |= bit;
        more = true;
        break;
      }
    }
  }
  if (text.empty()) return 0;
  for (unsigned code = 0x08; code <= 0xFF; ++code) {
    const std::string name = KeyName(Sim(), code);
    if (!name.empty() && EqualIgnoringCase(text, name))
      return static_cast<std::uint16_t>(code | modifiers);
  }
  return 0;
}

void CheckValue(std::uint16_t value) {
  SimDesktop& desktop = Sim();
  const std::string text = HotKeyToText(desktop, value);
  if (text.empty()) {
    FUZZ_CHECK(KeyName(desktop, value & 0xFF).empty());
    return;
  }
  const std::uint16_t parsed = TextToHotKey(desktop, text);
  const std::string again = HotKeyToText(desktop, parsed);
  if (again != text) {
    std::fprintf(stderr, "value 0x%04X parsed as 0x%04X\n", value, parsed);
    fuzz::PrintEscaped("text", text);
    fuzz::PrintEscaped("text of the parsed value", again);
  }
  FUZZ_CHECK(again == text);
  // The text names every modifier and the key itself: only bits above the low 8 of the
  // code are lost.
  FUZZ_CHECK((parsed & ~kHotKeyCodeMask) == (value & ~kHotKeyCodeMask));
  FUZZ_CHECK((parsed & kHotKeyCodeMask) == (value & 0xFF));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SimDesktop& desktop = Sim();
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::uint16_t value = TextToHotKey(desktop, text);
  const std::uint16_t expected = ReferenceParse(text);
  if (value != expected) {
    fuzz::PrintEscaped("text", text);
    std::fprintf(stderr, "parsed 0x%04X, expected 0x%04X\n", value, expected);
  }
  FUZZ_CHECK(value == expected);
  const unsigned code = value & kHotKeyCodeMask;
  if (code == 0) {
    FUZZ_CHECK(value == 0);  // no key means no hot key at all, modifiers or not
  } else {
    FUZZ_CHECK(code >= 0x08 && code <= 0xFF);
    FUZZ_CHECK(!KeyName(desktop, code).empty());
    // A parsed value is already the lowest code of its name: its text gives it back.
    FUZZ_CHECK(TextToHotKey(desktop, HotKeyToText(desktop, value)) == value);
  }
  CheckValue(value);

  // The first and the last two bytes as values.
  if (size >= 2) {
    CheckValue(static_cast<std::uint16_t>(data[0] | data[1] << 8));
    CheckValue(static_cast<std::uint16_t>(data[size - 2] | data[size - 1] << 8));
  }
  return 0;
}
