#pragma once
// Hot keys as text ("Shift+Ctrl+Alt+Home") and as 16-bit values: the virtual-key code in
// the low 13 bits, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 is no hot key.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Desktop;

constexpr std::uint16_t kHotKeyShift = 0x2000;
constexpr std::uint16_t kHotKeyCtrl = 0x4000;
constexpr std::uint16_t kHotKeyAlt = 0x8000;
constexpr std::uint16_t kHotKeyCodeMask = 0x1FFF;

// The name of every key code, indexed by the code: the fixed names, then the keyboard
// layout's; empty below 0x08 and for a code the layout has no key for. No two codes share
// a name, so a captured key always parses back to itself: where the layout names several
// keys alike, one keeps the name and the others take the layout's name for their extended
// scan code ("Num /"), else "Keypad " before it for a key of the keypad, else their code
// after it ("Ctrl (A2)"); a key the layout leaves unnamed is "Key (5B)".
using KeyNames = std::array<std::string, 256>;
KeyNames AllKeyNames(Desktop& desktop);
// The name of a key code (low 8 bits).
std::string KeyName(Desktop& desktop, unsigned code);
// The modifier prefixes of a value in the fixed order Shift, Ctrl, Alt ("Shift+Ctrl+").
std::string HotKeyPrefixes(std::uint16_t value);
// The prefixes, then the key's name; "" when the key has no name.
std::string HotKeyToText(Desktop& desktop, std::uint16_t value);
std::string HotKeyToText(const KeyNames& names, std::uint16_t value);
// The modifier bits of the prefixes a text begins with, in any order and case ("^" stands
// for Ctrl when more follows it); `name` gets the rest, the key's name.
std::uint16_t SplitHotKeyText(std::string_view text, std::string_view& name);
// A key name exactly as it is formatted, else the lowest code whose name is equal without
// case. 0 when no key is named.
std::uint16_t TextToHotKey(Desktop& desktop, const std::string& text);
std::uint16_t TextToHotKey(Desktop& desktop, const KeyNames& names, const std::string& text);
// The MOD_* flags of RegisterHotKey for a value's modifier bits.
unsigned HotKeyModifiers(std::uint16_t value);
