// Win32Desktop's window calls: thin wrappers, texts through code page 932.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Cp932.h"
#include "platform/win32/Responsive.h"
#include "platform/win32/Win32Desktop.h"
#include "text/ShiftJis.h"

namespace {

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

TRect FromRect(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
          static_cast<int>(r.bottom)};
}

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

BOOL CALLBACK EnumThunk(HWND window, LPARAM param) {
  const auto& callback = *reinterpret_cast<const Desktop::EnumWindowsProc*>(param);
  return callback(reinterpret_cast<WindowHandle>(window)) ? TRUE : FALSE;
}

BOOL CALLBACK CollectHandle(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// The A functions' result for a buffer of `maxCount` bytes, converted from the wide text
// so that the system's ANSI code page does not matter.
std::string ToAnsiLimited(const wchar_t* text, int length, int maxCount) {
  if (length <= 0 || maxCount <= 0) return {};
  std::string bytes = WideToCp932(std::wstring(text, static_cast<size_t>(length)));
  return std::string(CutShiftJis(bytes, static_cast<size_t>(maxCount - 1)));
}

// DwmGetWindowAttribute, taken from the system's dwmapi.dll at the first use; null where the
// system has no such call.
using DwmGetWindowAttributeProc = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

DwmGetWindowAttributeProc LoadDwmGetWindowAttribute() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // By its full path: a dwmapi.dll beside the program must not be loaded instead.
  HMODULE dwm = ::LoadLibraryW((std::wstring(folder, length) + L"\\dwmapi.dll").c_str());
  if (!dwm) return nullptr;
  // Through a function type without arguments, which the compiler lets convert to any other.
  return reinterpret_cast<DwmGetWindowAttributeProc>(
      reinterpret_cast<void (*)()>(::GetProcAddress(dwm, "DwmGetWindowAttribute")));
}

constexpr DWORD kDwmwaCloaked = 14;

}  // namespace

bool Win32Desktop::EnumWindows(const EnumWindowsProc& callback) {
  return ::EnumWindows(EnumThunk, reinterpret_cast<LPARAM>(&callback));
}

std::string Win32Desktop::GetWindowTextA(WindowHandle window, int maxCount) {
  // Every character gives at least one byte, so maxCount characters are always enough.
  // (GetWindowTextLength is not asked first: it sends a message, and a hung program would
  // hang us.)
  if (maxCount <= 0) return {};
  std::wstring title(static_cast<size_t>(maxCount), L'\0');
  int length = ::GetWindowTextW(ToHwnd(window), title.data(), maxCount);
  return ToAnsiLimited(title.data(), length, maxCount);
}

std::string Win32Desktop::GetClassNameA(WindowHandle window, int maxCount) {
  wchar_t name[260] = {};  // class names are at most 256 characters
  int length = ::GetClassNameW(ToHwnd(window), name, 260);
  return ToAnsiLimited(name, length, maxCount);
}

bool Win32Desktop::IsWindow(WindowHandle window) {
  return ::IsWindow(ToHwnd(window));
}

bool Win32Desktop::GetWindowRect(WindowHandle window, TRect& rect) {
  RECT r;
  if (!::GetWindowRect(ToHwnd(window), &r)) {
    postedMoves_.Settled(window);  // gone; a new window may get its handle
    return false;
  }
  rect = postedMoves_.Expected(
      window, FromRect(r), [&] { return WindowAnswers(ToHwnd(window)); },
      [&] { return ::GetWindowRect(ToHwnd(window), &r) ? FromRect(r) : rect; });
  return true;
}

bool Win32Desktop::GetWindowPlacement(WindowHandle window, TWindowPlacement& placement) {
  WINDOWPLACEMENT p{};
  p.length = sizeof p;
  if (!::GetWindowPlacement(ToHwnd(window), &p)) {
    postedMoves_.Settled(window);
    return false;
  }
  placement.Flags = p.flags;
  placement.ShowCmd = p.showCmd;
  placement.MinPosition = {static_cast<int>(p.ptMinPosition.x),
                           static_cast<int>(p.ptMinPosition.y)};
  placement.MaxPosition = {static_cast<int>(p.ptMaxPosition.x),
                           static_cast<int>(p.ptMaxPosition.y)};
  placement.NormalPosition = FromRect(p.rcNormalPosition);
  // The moves go to the restore rectangle of a window in the normal state.
  if (!(::GetWindowLongPtrW(ToHwnd(window), GWL_STYLE) & (WS_MINIMIZE | WS_MAXIMIZE)))
    placement.NormalPosition = postedMoves_.Expected(
        window, placement.NormalPosition, [&] { return WindowAnswers(ToHwnd(window)); },
        [&] {
          return ::GetWindowPlacement(ToHwnd(window), &p) ? FromRect(p.rcNormalPosition)
                                                          : placement.NormalPosition;
        });
  return true;
}

bool Win32Desktop::SetWindowPlacement(WindowHandle window, const TWindowPlacement& placement) {
  WINDOWPLACEMENT p{};
  p.length = sizeof p;
  p.flags = placement.Flags;
  p.showCmd = placement.ShowCmd;
  p.ptMinPosition = {placement.MinPosition.X, placement.MinPosition.Y};
  p.ptMaxPosition = {placement.MaxPosition.X, placement.MaxPosition.Y};
  p.rcNormalPosition = ToRect(placement.NormalPosition);
  // A window that does not answer is refused; the caller moves it on its own then.
  if (!WindowAnswers(ToHwnd(window))) return false;
  return ::SetWindowPlacement(ToHwnd(window), &p);
}

bool Win32Desktop::MoveWindow(WindowHandle window, int x, int y, int width, int height,
                              bool repaint) {
  HWND hwnd = ToHwnd(window);
  if (WindowAnswers(hwnd)) {
    // It has carried out whatever was posted to it before; this move comes after those.
    postedMoves_.Settled(window);
    return ::MoveWindow(hwnd, x, y, width, height, repaint ? TRUE : FALSE);
  }
  // Posted instead of sent: the window moves when its program answers again.
  if (!::SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS))
    return false;
  postedMoves_.Posted(window, {x, y, x + width, y + height});
  return true;
}

bool Win32Desktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                                int cy, unsigned flags) {
  HWND hwnd = ToHwnd(window);
  if (WindowAnswers(hwnd)) {
    postedMoves_.Settled(window);
    return ::SetWindowPos(hwnd, ToHwnd(insertAfter), x, y, cx, cy, flags);
  }
  // The size it keeps is the one it was last sent to, if any (asking again would wait).
  RECT current{};
  const bool known = ::GetWindowRect(hwnd, &current);
  TRect size = FromRect(current);
  if (const TRect* owed = postedMoves_.Owed(window)) size = *owed;
  if (!::SetWindowPos(hwnd, ToHwnd(insertAfter), x, y, cx, cy, flags | SWP_ASYNCWINDOWPOS))
    return false;
  if (known && !(flags & SWP_NOMOVE)) {
    const int width = flags & SWP_NOSIZE ? size.Width() : cx;
    const int height = flags & SWP_NOSIZE ? size.Height() : cy;
    postedMoves_.Posted(window, {x, y, x + width, y + height});
  }
  return true;
}

void Win32Desktop::ListWindows(long withStyle, long withoutStyle, int titleCount, int classCount,
                               std::vector<TListedWindow>& windows) {
  std::vector<HWND> handles;
  ::EnumWindows(CollectHandle, reinterpret_cast<LPARAM>(&handles));
  windows.clear();
  for (HWND hwnd : handles) {
    const auto window = reinterpret_cast<WindowHandle>(hwnd);
    const long style = GetWindowLongA(window, GWL_STYLE);
    if ((style & withStyle) != withStyle || (style & withoutStyle) != 0) continue;
    TListedWindow& entry = windows.emplace_back();
    entry.Handle = window;
    entry.Style = style;
    GetWindowRect(window, entry.Bounds);
    // Each question about another program's window is a trip to the system.
    if (titleCount > 0)
      entry.Title = GetWindowTextA(window, titleCount);
    else
      entry.Title.clear();
    entry.ClassName = GetClassNameA(window, classCount);
    entry.Cloaked = IsWindowCloaked(window);
  }
}

bool Win32Desktop::PostMove(WindowHandle window, const TRect& r) {
  if (!::SetWindowPos(ToHwnd(window), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                      SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS))
    return false;
  postedMoves_.Posted(window, r);
  return true;
}

std::vector<std::size_t> Win32Desktop::MoveWindows(const std::vector<TWindowMove>& moves) {
  // Another thread's window is sent its moves without waiting for its program: the windows
  // of all programs then move at once, and one that does not answer costs nothing. (Asking
  // first whether it answers, and moving it and waiting, cost two round trips a window.)
  // The system carries out a move of this thread's own window at once, in the call, so
  // nobody is asked whose window it is (for another program's window that too is a trip).
  std::vector<std::size_t> failed;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const TWindowMove& m = moves[i];
    if (!((!m.Via || PostMove(m.Window, *m.Via)) && PostMove(m.Window, m.To))) failed.push_back(i);
  }
  return failed;
}

bool Win32Desktop::IsWindowCloaked(WindowHandle window) {
  static const DwmGetWindowAttributeProc get = LoadDwmGetWindowAttribute();
  if (!get) return false;
  DWORD cloaked = 0;
  return SUCCEEDED(get(ToHwnd(window), kDwmwaCloaked, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool Win32Desktop::ShowWindow(WindowHandle window, int command) {
  HWND hwnd = ToHwnd(window);
  if (!WindowAnswers(hwnd)) return ::ShowWindowAsync(hwnd, command);
  return ::ShowWindow(hwnd, command);
}

bool Win32Desktop::SetLayeredWindowAttributes(WindowHandle window, unsigned colorKey,
                                              std::uint8_t alpha, unsigned flags) {
  return ::SetLayeredWindowAttributes(ToHwnd(window), colorKey, alpha, flags);
}

WindowHandle Win32Desktop::GetForegroundWindow() {
  return reinterpret_cast<WindowHandle>(::GetForegroundWindow());
}

bool Win32Desktop::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(ToHwnd(window));
}

unsigned Win32Desktop::GetWindowThreadProcessId(WindowHandle window, unsigned* processId) {
  DWORD process = 0;
  DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), &process);
  if (processId) *processId = process;
  return thread;
}

bool Win32Desktop::AttachThreadInput(unsigned attach, unsigned attachTo, bool doAttach) {
  return ::AttachThreadInput(attach, attachTo, doAttach ? TRUE : FALSE);
}

bool Win32Desktop::GetForegroundLockTimeout(unsigned& timeout) {
  DWORD value = 0;
  if (!::SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &value, 0)) return false;
  timeout = value;
  return true;
}

bool Win32Desktop::SetForegroundLockTimeout(unsigned timeout) {
  // The value travels in the pointer argument itself.
  return ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                                 reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)), 0);
}

int Win32Desktop::GetDeviceCaps(int index) {
  HWND desktop = ::GetDesktopWindow();
  HDC dc = ::GetDC(desktop);
  int value = ::GetDeviceCaps(dc, index);
  ::ReleaseDC(desktop, dc);
  return value;
}
