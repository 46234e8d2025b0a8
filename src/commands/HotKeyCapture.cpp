#include "commands/HotKeyCapture.h"

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
  std::string text =
      HotKeyToText(desktop, static_cast<std::uint16_t>(modifiers | (key & kHotKeyCodeMask)));
  if (key == 0x10 || key == 0x11 || key == 0x12) {
    // A modifier key itself: show just the prefixes held so far.
    size_t lastPlus = text.rfind('+');
    text = lastPlus == std::string::npos ? std::string() : text.substr(0, lastPlus + 1);
  }
  field.SetText(text);
}

void HotKeyCaptureKeyPress(char16_t& key) {
  key = 0;
}

void HotKeyCaptureKeyUp(TCustomEdit& field) {
  const std::string& text = field.Text();
  if (!text.empty() && text.back() == '+') field.SetText("");
}

void MakeHotKeyCaptureField(Desktop& desktop, TCustomEdit& field) {
  field.SetReadOnly(true);
  field.OnKeyDown = [&desktop, &field](TComponent&, std::uint16_t& key, TShiftState shift) {
    HotKeyCaptureKeyDown(desktop, field, key, shift);
  };
  field.OnKeyPress = [](TComponent&, char16_t& key) { HotKeyCaptureKeyPress(key); };
  field.OnKeyUp = [&field](TComponent&, std::uint16_t&, TShiftState) { HotKeyCaptureKeyUp(field); };
}
