#include "toolkit/win32/FormFont.h"

#include <cstdlib>

#include "toolkit/win32/Cp932.h"

namespace win32tk {

FormFont CreateFormFont(const TFont& font) {
  if (!font.Name.empty()) {
    const std::wstring face = ToWide(font.Name);
    if (face.size() < LF_FACESIZE) {
      LOGFONTW spec{};
      spec.lfHeight = -std::abs(font.Height);
      spec.lfWeight = FW_NORMAL;
      spec.lfCharSet = DEFAULT_CHARSET;
      spec.lfOutPrecision = OUT_DEFAULT_PRECIS;
      spec.lfClipPrecision = CLIP_DEFAULT_PRECIS;
      spec.lfQuality = DEFAULT_QUALITY;
      spec.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
      face.copy(spec.lfFaceName, face.size());
      if (HFONT made = CreateFontIndirectW(&spec)) return {made, true};
    }
  }
  return {static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false};
}

void DeleteFormFont(FormFont& font) {
  if (font.owned && font.font) DeleteObject(font.font);
  font = {};
}

SIZE MeasureText(HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  HDC dc = GetDC(nullptr);
  if (!dc) return size;
  HGDIOBJ old = SelectObject(dc, font);
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  size.cx = text.empty() ? 0 : rect.right - rect.left;
  size.cy = rect.bottom - rect.top;
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size;
}

int LineHeight(HFONT font) {
  return MeasureText(font, L" ").cy;
}

}  // namespace win32tk
