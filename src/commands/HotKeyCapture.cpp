#include "commands/HotKeyCapture.h"

#include <string_view>

#include "commands/HotKey.h"
#include "toolkit/StdCtrls.h"

void HotKeyCaptureKeyDown(Desktop& desktop, TCustomEdit& field, std::uint16_t key,
                          TShiftState shift) {
  // A hot key needs a modifier; a plain key leaves the field as it is.
  if (!(shift & (ssShift | ssCtrl | ssAlt))) return;
  std::uint16_t modifiers = 0;
  if (shift & ssShift) modifiers |= kHotKeyShift;
  if (shift & ssCtrl) modifiers |= kHotKeyCtrl;
  if (shift & ssAlt) modifiers |= kHotKeyAlt;
  // A modifier key itself shows just the prefixes held so far.
  const bool modifierKey = key == 0x10 || key == 0x11 || key == 0x12;
  field.SetText(modifierKey ? HotKeyPrefixes(modifiers)
                            : HotKeyToText(desktop, static_cast<std::uint16_t>(
                                                        modifiers | (key & kHotKeyCodeMask))));
}

void HotKeyCaptureKeyPress(char16_t& key) {
  key = 0;
}

void HotKeyCaptureKeyUp(TCustomEdit& field) {
  // Modifiers let go without a key clear the field; a key whose name ends in "+" (the
  // keypad's plus) completes its combination like any other.
  const std::string& text = field.Text();
  std::string_view name;
  SplitHotKeyText(text, name);
  if (!text.empty() && name.empty()) field.SetText("");
}

void MakeHotKeyCaptureField(Desktop& desktop, TCustomEdit& field) {
  field.SetReadOnly(true);
  field.OnKeyDown = [&desktop, &field](TComponent&, std::uint16_t& key, TShiftState shift) {
    HotKeyCaptureKeyDown(desktop, field, key, shift);
  };
  field.OnKeyPress = [](TComponent&, char16_t& key) { HotKeyCaptureKeyPress(key); };
  field.OnKeyUp = [&field](TComponent&, std::uint16_t&, TShiftState) { HotKeyCaptureKeyUp(field); };
}
