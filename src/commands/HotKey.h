#pragma once
// Hot keys as text ("Shift+Ctrl+Alt+Home") and as 16-bit values: the virtual-key code in
// the low 13 bits, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 is no hot key.
#include <cstdint>
#include <string>

class Desktop;

constexpr std::uint16_t kHotKeyShift = 0x2000;
constexpr std::uint16_t kHotKeyCtrl = 0x4000;
constexpr std::uint16_t kHotKeyAlt = 0x8000;
constexpr std::uint16_t kHotKeyCodeMask = 0x1FFF;

// The name of a key code (low 8 bits): the fixed names, then the keyboard layout's.
std::string KeyName(Desktop& desktop, unsigned code);
// Modifier prefixes in the fixed order Shift, Ctrl, Alt, then the key's name; "" when the
// key has no name.
std::string HotKeyToText(Desktop& desktop, std::uint16_t value);
// Prefixes in any order and case ("^" stands for Ctrl), then a key name compared without
// case; a name shared by several keys gives the lowest code. 0 when no key is named.
std::uint16_t TextToHotKey(Desktop& desktop, const std::string& text);
// The MOD_* flags of RegisterHotKey for a value's modifier bits.
unsigned HotKeyModifiers(std::uint16_t value);
