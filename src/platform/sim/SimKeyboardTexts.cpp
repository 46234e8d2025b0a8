// The simulated keyboard layouts: what Windows reports for the keys of a US 101/104 and a
// Japanese 106/109 keyboard. Extended keys carry the 0xE0 prefix in their scan code.
#include "platform/sim/SimDesktop.h"

namespace {

using Layout = std::map<unsigned, std::pair<unsigned, std::string>>;

// The keys both layouts share: editing and navigation, the keypad, the modifiers.
Layout CommonKeys() {
  return {
      {0x08, {0x0E, "Backspace"}},
      {0x09, {0x0F, "Tab"}},
      {0x0C, {0x4C, "Num 5"}},
      {0x0D, {0x1C, "Enter"}},
      {0x10, {0x2A, "Shift"}},
      {0x11, {0x1D, "Ctrl"}},
      {0x12, {0x38, "Alt"}},
      {0x13, {0x45, "Pause"}},
      {0x1B, {0x01, "Esc"}},
      {0x20, {0x39, "Space"}},
      {0x21, {0xE049, "Page Up"}},
      {0x22, {0xE051, "Page Down"}},
      {0x23, {0xE04F, "End"}},
      {0x24, {0xE047, "Home"}},
      {0x25, {0xE04B, "Left"}},
      {0x26, {0xE048, "Up"}},
      {0x27, {0xE04D, "Right"}},
      {0x28, {0xE050, "Down"}},
      {0x2C, {0xE037, "Prnt Scrn"}},
      {0x2D, {0xE052, "Insert"}},
      {0x2E, {0xE053, "Delete"}},
      {0x5B, {0xE05B, "Left Windows"}},
      {0x5C, {0xE05C, "Right Windows"}},
      {0x5D, {0xE05D, "Application"}},
      {0x60, {0x52, "Num 0"}},
      {0x61, {0x4F, "Num 1"}},
      {0x62, {0x50, "Num 2"}},
      {0x63, {0x51, "Num 3"}},
      {0x64, {0x4B, "Num 4"}},
      {0x65, {0x4C, "Num 5"}},
      {0x66, {0x4D, "Num 6"}},
      {0x67, {0x47, "Num 7"}},
      {0x68, {0x48, "Num 8"}},
      {0x69, {0x49, "Num 9"}},
      {0x6A, {0x37, "Num *"}},
      {0x6B, {0x4E, "Num +"}},
      {0x6D, {0x4A, "Num -"}},
      {0x6E, {0x53, "Num Del"}},
      {0x6F, {0xE035, "Num /"}},
      {0x90, {0xE045, "Num Lock"}},
      {0x91, {0x46, "Scroll Lock"}},
      {0xA0, {0x2A, "Shift"}},
      {0xA1, {0x36, "Right Shift"}},
      {0xA2, {0x1D, "Ctrl"}},
      {0xA3, {0xE01D, "Right Ctrl"}},
      {0xA4, {0x38, "Alt"}},
      {0xA5, {0xE038, "Right Alt"}},
      {0xBC, {0x33, ","}},
      {0xBD, {0x0C, "-"}},
      {0xBE, {0x34, "."}},
      {0xBF, {0x35, "/"}},
  };
}

}  // namespace

std::map<unsigned, std::pair<unsigned, std::string>> SimUsKeyboardLayout() {
  Layout layout = CommonKeys();
  layout.insert({
      {0x14, {0x3A, "Caps Lock"}},
      {0xBA, {0x27, ";"}},
      {0xBB, {0x0D, "="}},
      {0xC0, {0x29, "`"}},
      {0xDB, {0x1A, "["}},
      {0xDC, {0x2B, "\\"}},
      {0xDD, {0x1B, "]"}},
      {0xDE, {0x28, "'"}},
  });
  return layout;
}

// The keys only this layout has come in several codes, as the key is pressed with or
// without Shift or the input method; the yen key and the "ro" key both type a backslash.
std::map<unsigned, std::pair<unsigned, std::string>> SimJapaneseKeyboardLayout() {
  Layout layout = CommonKeys();
  layout.insert({
      {0x14, {0x3A, "英数"}},
      {0x15, {0x70, "ひらがな"}},
      {0x1C, {0x79, "変換"}},
      {0x1D, {0x7B, "無変換"}},
      {0xBA, {0x28, ":"}},
      {0xBB, {0x27, ";"}},
      {0xC0, {0x1A, "@"}},
      {0xDB, {0x1B, "["}},
      {0xDC, {0x7D, "\\"}},
      {0xDD, {0x2B, "]"}},
      {0xDE, {0x0D, "^"}},
      {0xE2, {0x73, "\\"}},
      {0xF0, {0x3A, "英数"}},
      {0xF1, {0x70, "ひらがな"}},
      {0xF2, {0x70, "ひらがな"}},
      {0xF3, {0x29, "半角/全角"}},
      {0xF4, {0x29, "半角/全角"}},
  });
  return layout;
}
