// layout-check: whether a dialog's controls fit, as another program sees them: each one
// inside the client area, no two overlapping (but for a group box or tab control around
// the other, or a check box standing as a group box's caption), each caption's text as
// wide as the control leaves room for.
#include <windows.h>

#include <algorithm>
#include <string>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

struct Control {
  HWND window;
  std::wstring cls;
  std::wstring text;
  LONG style;
  RECT rect;  // in the dialog's client pixels
};

// Controls drawn around others: a group box, the tab control, the program's bevelled panel.
bool IsContainer(const Control& c) {
  return (c.cls == L"Button" && (c.style & 0xF) == BS_GROUPBOX) || c.cls == L"SysTabControl32" ||
         c.cls == L"TarnwickPanel";
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// A check box standing as the caption of a group box without one: across its top edge.
bool CaptionOf(const Control& c, const Control& box) {
  return c.cls == L"Button" && box.cls == L"Button" && (box.style & 0xF) == BS_GROUPBOX &&
         box.text.empty() && c.rect.left >= box.rect.left && c.rect.right <= box.rect.right &&
         c.rect.top <= box.rect.top && c.rect.bottom > box.rect.top &&
         c.rect.bottom <= box.rect.bottom;
}

std::wstring WithoutAccelerator(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

// Room the control leaves its caption beside its own drawing, in pixels at `dpi`.
int Decoration(const Control& c, int dpi) {
  if (c.cls != L"Button") return 0;
  switch (c.style & 0xF) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return MulDiv(13 + 4, dpi, 96);  // the box and the gap after it
    case BS_GROUPBOX:
      return MulDiv(8 + 2, dpi, 96);  // the caption's indent from the frame
    default:
      return MulDiv(4, dpi, 96);  // the push button's edges
  }
}

// layout-check <image> <class> <title> <face> <pixels>: the dialog of that process. The
// font for measuring is the control's own where another process can read it, else the
// face and pixel height given (the dialogs' font).
int LayoutCheck(const std::vector<std::wstring>& args) {
  if (args.size() != 5) {
    Report("error=usage: layout-check <image> <class> <title> <face> <pixels>");
    return kUsage;
  }
  const auto pixels = ParseNumber(args[4]);
  if (!pixels) {
    Report("error=bad pixel height");
    return kUsage;
  }
  std::vector<DWORD> pids;
  for (const auto& process : FindProcesses(args[0])) pids.push_back(process.pid);
  HWND dialog = nullptr;
  for (HWND top : TopLevelWindows())
    if (IsWindowVisible(top) && ClassOf(top) == args[1] && TitleOf(top) == args[2] &&
        std::find(pids.begin(), pids.end(), ProcessOfWindow(top)) != pids.end())
      dialog = top;
  if (!dialog) {
    Report("error=no such dialog");
    return kNo;
  }
  RECT client{};
  GetClientRect(dialog, &client);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  Report("dialog client=" + RectText(client) + " dpi=" + std::to_string(dpi));

  std::vector<Control> controls;
  for (HWND child : ChildWindows(dialog)) {
    if (!IsWindowVisible(child) || GetParent(child) != dialog) continue;
    Control c{child,
              ClassOf(child),
              TextByMessage(child),
              static_cast<LONG>(GetWindowLongPtrW(child, GWL_STYLE)),
              {}};
    GetWindowRect(child, &c.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c.rect), 2);
    controls.push_back(c);
  }

  LOGFONTW given{};
  given.lfHeight = -static_cast<LONG>(*pixels);
  given.lfCharSet = DEFAULT_CHARSET;
  args[3].copy(given.lfFaceName, LF_FACESIZE - 1);
  HFONT fallback = CreateFontIndirectW(&given);
  int faults = 0;
  for (const Control& c : controls) {
    std::string line = "layout hwnd=" + HexHandle(c.window) + " class=" + Quote(c.cls) +
                       " rect=" + RectText(c.rect);
    if (!Contains(client, c.rect)) {
      line += " outside=1";
      ++faults;
    }
    for (const Control& other : controls) {
      if (&other == &c) continue;
      RECT common{};
      if (!IntersectRect(&common, &c.rect, &other.rect)) continue;
      if (IsContainer(other) && Contains(other.rect, c.rect)) continue;
      if (IsContainer(c) && Contains(c.rect, other.rect)) continue;
      if (CaptionOf(c, other) || CaptionOf(other, c)) continue;
      line += " overlaps=" + HexHandle(other.window);
      ++faults;
    }
    const bool captioned = (c.cls == L"Static" || c.cls == L"Button") && !c.text.empty();
    if (captioned) {
      // Another process's font handle reads where the system shares them; else the given.
      LOGFONTW own{};
      HFONT font = reinterpret_cast<HFONT>(SendMessageW(c.window, WM_GETFONT, 0, 0));
      const bool readable = font && GetObjectW(font, sizeof own, &own) == sizeof own;
      HFONT measuring = readable ? CreateFontIndirectW(&own) : fallback;
      HGDIOBJ old = SelectObject(screen, measuring);
      const std::wstring text = WithoutAccelerator(c.text);
      SIZE extent{};
      GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
      SelectObject(screen, old);
      if (readable) DeleteObject(measuring);
      const int room = c.rect.right - c.rect.left - Decoration(c, dpi);
      line += " font=" + std::string(readable ? "own" : "given") +
              " font-height=" + std::to_string(readable ? own.lfHeight : given.lfHeight) +
              " text-width=" + std::to_string(extent.cx) + " room=" + std::to_string(room) +
              " text-height=" + std::to_string(extent.cy);
      const bool groupBox = c.cls == L"Button" && (c.style & 0xF) == BS_GROUPBOX;
      if (extent.cx > room || (!groupBox && extent.cy > c.rect.bottom - c.rect.top)) {
        line += " clipped=1";
        ++faults;
      }
    }
    Report(line + " text=" + Quote(c.text));
  }
  DeleteObject(fallback);
  ReleaseDC(nullptr, screen);
  Report("controls=" + std::to_string(controls.size()) + " faults=" + std::to_string(faults));
  return faults == 0 ? kYes : kNo;
}

}  // namespace

TW_DRIVER_COMMAND(L"layout-check", LayoutCheck);
