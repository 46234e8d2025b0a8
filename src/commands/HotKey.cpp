#include "commands/HotKey.h"

#include <cctype>
#include <string_view>

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

}  // namespace

std::string KeyName(Desktop& desktop, unsigned code) {
  code &= 0xFF;
  if (const char* name = FixedKeyName(code)) return name;
  if (code >= 0x30 && code <= 0x39) return std::string(1, static_cast<char>(code));
  if (code >= 0x41 && code <= 0x5A) return std::string(1, static_cast<char>(code));
  if (code >= 0x60 && code <= 0x69) return std::string(1, static_cast<char>('0' + code - 0x60));
  if (code >= 0x70 && code <= 0x87) return "F" + std::to_string(code - 0x6F);
  unsigned scanCode = desktop.MapVirtualKeyA(code, 0);
  if (scanCode == 0) return {};
  return desktop.GetKeyNameTextA(static_cast<long>(scanCode << 16));
}

std::string HotKeyToText(Desktop& desktop, std::uint16_t value) {
  std::string name = KeyName(desktop, value & 0xFF);
  if (name.empty()) return {};
  std::string text;
  if (value & kHotKeyShift) text += "Shift+";
  if (value & kHotKeyCtrl) text += "Ctrl+";
  if (value & kHotKeyAlt) text += "Alt+";
  return text + name;
}

std::uint16_t TextToHotKey(Desktop& desktop, const std::string& text) {
  std::string_view rest = text;
  std::uint16_t modifiers = 0;
  for (;;) {
    if (ConsumePrefix(rest, "Shift+"))
      modifiers |= kHotKeyShift;
    else if (ConsumePrefix(rest, "^") || ConsumePrefix(rest, "Ctrl+"))
      modifiers |= kHotKeyCtrl;
    else if (ConsumePrefix(rest, "Alt+"))
      modifiers |= kHotKeyAlt;
    else
      break;
  }
  if (rest.empty()) return 0;
  const std::string name(rest);
  for (unsigned code = 0x08; code <= 0xFF; ++code) {
    std::string candidate = HotKeyToText(desktop, static_cast<std::uint16_t>(code));
    if (!candidate.empty() &&
        desktop.CompareStringA(win::NormIgnoreCase, name, candidate) == win::CstrEqual)
      return static_cast<std::uint16_t>(code | modifiers);
  }
  return 0;
}

unsigned HotKeyModifiers(std::uint16_t value) {
  unsigned modifiers = 0;
  if (value & kHotKeyShift) modifiers |= win::ModShift;
  if (value & kHotKeyCtrl) modifiers |= win::ModControl;
  if (value & kHotKeyAlt) modifiers |= win::ModAlt;
  return modifiers;
}
