#include "commands/HotKey.h"

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"

namespace {

const char* FixedKeyName(unsigned code) {
  switch (code) {
    case 0x08:
      return "BkSp";
    case 0x09:
      return "Tab";
    case 0x0D:
      return "Enter";
    case 0x1B:
      return "Esc";
    case 0x20:
      return "Space";
    case 0x21:
      return "PgUp";
    case 0x22:
      return "PgDn";
    case 0x23:
      return "End";
    case 0x24:
      return "Home";
    case 0x25:
      return "Left";
    case 0x26:
      return "Up";
    case 0x27:
      return "Right";
    case 0x28:
      return "Down";
    case 0x2D:
      return "Ins";
    case 0x2E:
      return "Del";
    default:
      return nullptr;
  }
}

// The program's own names: the table above, digits, letters, the keypad's digits and the
// function keys.
std::string OwnKeyName(unsigned code) {
  if (const char* name = FixedKeyName(code)) return name;
  if (code >= 0x30 && code <= 0x39) return std::string(1, static_cast<char>(code));
  if (code >= 0x41 && code <= 0x5A) return std::string(1, static_cast<char>(code));
  // Not the bare digit: a hot key captured on the keypad must not land on the main key.
  if (code >= 0x60 && code <= 0x69)
    return "Keypad " + std::string(1, static_cast<char>('0' + code - 0x60));
  if (code >= 0x70 && code <= 0x87) return "F" + std::to_string(code - 0x6F);
  return {};
}

std::string LayoutKeyName(Desktop& desktop, unsigned code) {
  const unsigned scanCode = desktop.MapVirtualKeyA(code, win::MapVkVkToVsc);
  if (scanCode == 0) return {};
  return desktop.GetKeyNameTextA(static_cast<long>((scanCode & 0xFF) << 16));
}

// The layout's name for the key's extended scan code (0xE0 prefix), which tells the
// keypad's divide key from the slash key; "" for a key without one.
std::string ExtendedKeyName(Desktop& desktop, unsigned code) {
  const unsigned scanCode = desktop.MapVirtualKeyA(code, win::MapVkVkToVscEx);
  if ((scanCode & 0xFF00) != 0xE000) return {};
  return desktop.GetKeyNameTextA(static_cast<long>((scanCode & 0xFF) << 16) | win::KeyNameExtended);
}

// Names compare without ASCII case, as a hand-written text is read.
std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

// The keypad's own codes, from its digits to its divide key.
bool IsKeypadKey(unsigned code) {
  return code >= 0x60 && code <= 0x6F;
}

// Not the keypad (Num Lock included) nor a key a layout adds of its own (Wine gives the
// X layout's "=" also to 0x92): a key every keyboard has.
bool IsMainKey(unsigned code) {
  const bool extra = (code >= 0x92 && code <= 0x96) || code == 0xDF || code == 0xE1 ||
                     code == 0xE3 || code == 0xE4 || code == 0xE6 || (code >= 0xE9 && code <= 0xF5);
  return !IsKeypadKey(code) && code != 0x90 && !extra;
}

std::string WithCode(const std::string& name, unsigned code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return name + " (" + kDigits[code >> 4] + kDigits[code & 0xF] + ")";
}

// Removes `prefix` from the front of `text` when it is there, ignoring ASCII case.
bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  text.remove_prefix(prefix.size());
  return true;
}

KeyNames BuildKeyNames(Desktop& desktop) {
  KeyNames names;
  std::array<bool, 256> own{};
  // Codes by name, ascending; a name held by one code needs nothing more.
  std::map<std::string, std::vector<unsigned>> holders;
  for (unsigned code = 0x08; code <= 0xFF; ++code) {
    names[code] = OwnKeyName(code);
    own[code] = !names[code].empty();
    if (!own[code]) {
      names[code] = LayoutKeyName(desktop, code);
      // A key of the layout that the layout leaves unnamed (Wine's Windows keys) can
      // still be captured.
      if (names[code].empty() && desktop.MapVirtualKeyA(code, win::MapVkVkToVsc) != 0)
        names[code] = WithCode("Key", code);
    }
    if (!names[code].empty()) holders[Folded(names[code])].push_back(code);
  }
  std::set<std::string> newNames;
  auto unique = [&](const std::string& name) {
    return !name.empty() && !holders.contains(Folded(name)) && !newNames.contains(Folded(name));
  };
  for (const auto& holder : holders) {
    // Named, not a structured binding: clang before 16 lets no lambda capture one.
    const std::vector<unsigned>& codes = holder.second;
    if (codes.size() < 2) continue;
    std::vector<std::string> extended;
    for (unsigned code : codes)
      extended.push_back(own[code] ? std::string() : ExtendedKeyName(desktop, code));
    // Which key keeps the name: the one the program names itself; else one that has no
    // other name, best a key every keyboard has rather than the keypad's or an extra one
    // (the slash key keeps "/", Pause keeps what Wine also calls Num Lock), then the key
    // the layout gives for that scan code; the lowest among equals.
    auto rank = [&](size_t i) {
      const unsigned code = codes[i];
      if (own[code]) return 8;
      if (unique(extended[i])) return 0;
      const unsigned scanCode = desktop.MapVirtualKeyA(code, win::MapVkVkToVsc);
      const bool layoutsOwn = desktop.MapVirtualKeyA(scanCode, win::MapVkVscToVk) == code;
      return 1 + (IsMainKey(code) ? 4 : 0) + (layoutsOwn ? 2 : 0);
    };
    size_t keeper = 0;
    for (size_t i = 1; i < codes.size(); ++i)
      if (rank(i) > rank(keeper)) keeper = i;
    for (size_t i = 0; i < codes.size(); ++i) {
      if (i == keeper) continue;
      std::string& name = names[codes[i]];
      const std::string keypad = "Keypad " + name;
      if (unique(extended[i]))
        name = extended[i];
      else if (IsKeypadKey(codes[i]) && unique(keypad))
        name = keypad;
      else
        name = WithCode(name, codes[i]);
      newNames.insert(Folded(name));
    }
  }
  return names;
}

// Plain ASCII compares in the user's locale as it does byte by byte without case; a
// hyphen or apostrophe may not (word sort), nor may any other byte.
bool IsPlain(std::string_view text) {
  for (char c : text)
    if (c < 0x20 || c > 0x7E || c == '-' || c == '\'') return false;
  return true;
}

// The names of one layout with what finds a code by its name at once.
struct KeyNameIndex {
  KeyNames Names;
  std::unordered_map<std::string, std::uint16_t> Exact;
  // The plain names without case; the names that are not plain, by ascending code.
  std::unordered_map<std::string, std::uint16_t> Folded;
  std::vector<std::uint16_t> NotPlain;
};

// Built on first use and again only when the thread's keyboard layout changes: the names
// cost hundreds of calls into the layout, a text's lookup must not.
const KeyNameIndex& CurrentKeyNames(Desktop& desktop) {
  struct Cache {
    Desktop* Owner = nullptr;
    std::uint64_t Layout = 0;
    std::unique_ptr<KeyNameIndex> Index;
  };
  thread_local Cache cache;
  const std::uint64_t layout = desktop.KeyboardLayoutId();
  if (cache.Index && cache.Owner == &desktop && cache.Layout == layout) return *cache.Index;
  auto index = std::make_unique<KeyNameIndex>();
  index->Names = BuildKeyNames(desktop);
  for (unsigned code = 0xFF; code >= 0x08; --code) {
    const std::string& name = index->Names[code];
    if (name.empty()) continue;
    const auto value = static_cast<std::uint16_t>(code);
    index->Exact[name] = value;
    if (IsPlain(name))
      index->Folded[Folded(name)] = value;
    else
      index->NotPlain.insert(index->NotPlain.begin(), value);
  }
  cache = {&desktop, layout, std::move(index)};
  return *cache.Index;
}

// The lowest code whose name the user's locale finds equal to `name` without case.
unsigned CodeNamedIgnoringCase(Desktop& desktop, const KeyNameIndex& index,
                               const std::string& name) {
  if (!IsPlain(name)) {
    for (unsigned code = 0x08; code <= 0xFF; ++code)
      if (!index.Names[code].empty() &&
          desktop.CompareStringA(win::NormIgnoreCase, name, index.Names[code]) == win::CstrEqual)
        return code;
    return 0;
  }
  const auto folded = index.Folded.find(Folded(name));
  unsigned found = folded == index.Folded.end() ? 0 : folded->second;
  for (std::uint16_t code : index.NotPlain) {
    if (found != 0 && code > found) break;
    if (desktop.CompareStringA(win::NormIgnoreCase, name, index.Names[code]) == win::CstrEqual)
      return code;
  }
  return found;
}

}  // namespace

KeyNames AllKeyNames(Desktop& desktop) {
  return CurrentKeyNames(desktop).Names;
}

std::string KeyName(Desktop& desktop, unsigned code) {
  return CurrentKeyNames(desktop).Names[code & 0xFF];
}

std::string HotKeyPrefixes(std::uint16_t value) {
  std::string text;
  if (value & kHotKeyShift) text += "Shift+";
  if (value & kHotKeyCtrl) text += "Ctrl+";
  if (value & kHotKeyAlt) text += "Alt+";
  return text;
}

std::string HotKeyToText(const KeyNames& names, std::uint16_t value) {
  const std::string& name = names[value & 0xFF];
  if (name.empty()) return {};
  return HotKeyPrefixes(value) + name;
}

std::string HotKeyToText(Desktop& desktop, std::uint16_t value) {
  return HotKeyToText(CurrentKeyNames(desktop).Names, value);
}

std::uint16_t SplitHotKeyText(std::string_view text, std::string_view& name) {
  std::uint16_t modifiers = 0;
  for (;;) {
    if (ConsumePrefix(text, "Shift+"))
      modifiers |= kHotKeyShift;
    else if ((text.size() > 1 && ConsumePrefix(text, "^")) || ConsumePrefix(text, "Ctrl+"))
      modifiers |= kHotKeyCtrl;
    else if (ConsumePrefix(text, "Alt+"))
      modifiers |= kHotKeyAlt;
    else
      break;
  }
  name = text;
  return modifiers;
}

std::uint16_t TextToHotKey(Desktop& desktop, const KeyNames& names, const std::string& text) {
  std::string_view rest;
  const std::uint16_t modifiers = SplitHotKeyText(text, rest);
  if (rest.empty()) return 0;
  // What a capture field wrote names its key exactly.
  for (unsigned code = 0x08; code <= 0xFF; ++code)
    if (names[code] == rest) return static_cast<std::uint16_t>(code | modifiers);
  const std::string name(rest);
  for (unsigned code = 0x08; code <= 0xFF; ++code)
    if (!names[code].empty() &&
        desktop.CompareStringA(win::NormIgnoreCase, name, names[code]) == win::CstrEqual)
      return static_cast<std::uint16_t>(code | modifiers);
  return 0;
}

std::uint16_t TextToHotKey(Desktop& desktop, const std::string& text) {
  std::string_view rest;
  const std::uint16_t modifiers = SplitHotKeyText(text, rest);
  if (rest.empty()) return 0;
  const KeyNameIndex& index = CurrentKeyNames(desktop);
  const std::string name(rest);
  // What a capture field wrote names its key exactly.
  const auto exact = index.Exact.find(name);
  const unsigned code =
      exact != index.Exact.end() ? exact->second : CodeNamedIgnoringCase(desktop, index, name);
  return code == 0 ? 0 : static_cast<std::uint16_t>(code | modifiers);
}

unsigned HotKeyModifiers(std::uint16_t value) {
  unsigned modifiers = 0;
  if (value & kHotKeyShift) modifiers |= win::ModShift;
  if (value & kHotKeyCtrl) modifiers |= win::ModControl;
  if (value & kHotKeyAlt) modifiers |= win::ModAlt;
  return modifiers;
}
