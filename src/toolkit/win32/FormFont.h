#pragma once
// The font a form gives all its controls, and measuring text in it.
#include <string>

#include "toolkit/win32/WinApi.h"

namespace win32tk {

struct FormFont {
  HFONT font = nullptr;
  bool owned = false;  // false for the stock GUI font, which is never deleted
};

// TFont's Height is the character height in pixels at 96 DPI (CreateFontW's negative
// height), scaled to `dpi`; its Name a code page 932 face name. A face the system lacks is left to
// the font mapper and its substitutes; only when no font can be made at all does the default GUI
// font stand in.
FormFont CreateFormFont(const TFont& font, int dpi);
void DeleteFormFont(FormFont& font);

// Extent of one line of text in the font; '&' marks an accelerator as in a control's
// caption and takes no room.
SIZE MeasureText(HFONT font, const std::wstring& text);
// Height of a line of text in the font.
int LineHeight(HFONT font);

}  // namespace win32tk
