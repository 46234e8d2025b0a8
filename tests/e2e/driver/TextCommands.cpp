// Commands about text rendering: whether a face that the program's dialogs ask for is there
// and has glyphs for the program's texts.
#include <windows.h>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

// font-check <face> <text>: the face GDI actually picks for <face> and how many characters
// of <text> it has no glyph for.
int FontCheck(const std::vector<std::wstring>& args) {
  if (args.size() != 2 || args[0].size() >= LF_FACESIZE) {
    Report("error=usage: font-check <face> <text>");
    return kUsage;
  }
  LOGFONTW logfont{};
  logfont.lfHeight = -12;
  logfont.lfCharSet = DEFAULT_CHARSET;
  args[0].copy(logfont.lfFaceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&logfont);
  HDC dc = CreateCompatibleDC(nullptr);
  if (font == nullptr || dc == nullptr) {
    Report("error=no font or device context");
    return kFailure;
  }
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  std::vector<WORD> glyphs(args[1].size());
  const DWORD converted = GetGlyphIndicesW(dc, args[1].c_str(), static_cast<int>(args[1].size()),
                                           glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  size_t missing = 0;
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) ++missing;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  if (converted == GDI_ERROR) {
    Report("error=GetGlyphIndices failed");
    return kFailure;
  }
  Report("face=" + Quote(face));
  Report("missing-glyphs=" + std::to_string(missing));
  return missing == 0 ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"font-check", FontCheck);
