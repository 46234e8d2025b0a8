#include "toolkit/win32/FormFont.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "toolkit/win32/Cp932.h"

namespace win32tk {

namespace {

// Whether the font draws Japanese text (a few kana and a kanji stand for it).
bool HasJapaneseGlyphs(HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return true;
  HGDIOBJ old = SelectObject(dc, font);
  const wchar_t probe[] = L"\x3042\x30a2\x6f22";
  WORD glyphs[3] = {};
  const DWORD done = GetGlyphIndicesW(dc, probe, 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  DeleteDC(dc);
  return done == GDI_ERROR ||
         std::none_of(std::begin(glyphs), std::end(glyphs), [](WORD g) { return g == 0xFFFF; });
}

}  // namespace

FormFont CreateFormFont(const TFont& font, int dpi) {
  if (!font.Name.empty()) {
    const std::wstring face = ToWide(font.Name);
    if (face.size() < LF_FACESIZE) {
      LOGFONTW wanted{};
      wanted.lfHeight = -ScaleValue(std::abs(font.Height), dpi);
      wanted.lfWeight = FW_NORMAL;
      wanted.lfCharSet = DEFAULT_CHARSET;
      wanted.lfOutPrecision = OUT_DEFAULT_PRECIS;
      wanted.lfClipPrecision = CLIP_DEFAULT_PRECIS;
      wanted.lfQuality = DEFAULT_QUALITY;
      wanted.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
      face.copy(wanted.lfFaceName, face.size());
      HFONT made = CreateFontIndirectW(&wanted);
      // The dialogs' texts are Japanese. Where the face is missing, the mapper's stand-in
      // may lack the glyphs; then any face of the Japanese character set will do.
      if (made && !HasJapaneseGlyphs(made)) {
        wanted.lfCharSet = SHIFTJIS_CHARSET;
        if (HFONT japanese = CreateFontIndirectW(&wanted)) {
          if (HasJapaneseGlyphs(japanese)) std::swap(made, japanese);
          DeleteObject(japanese);
        }
      }
      if (made) return {made, true};
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
