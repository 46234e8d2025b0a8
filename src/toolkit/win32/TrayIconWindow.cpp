#include "toolkit/win32/TrayIconWindow.h"

#include <shellapi.h>

#include <map>
#include <memory>
#include <string>

#include "toolkit/TrayIcon.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

namespace {

constexpr const wchar_t* kTrayClass = L"TarnwickTrayIcon";
constexpr UINT kCallback = WM_APP + 1;  // from the notification area
constexpr UINT kShowMenu = WM_APP + 2;  // to ourselves, with the pointer's position
constexpr UINT kIconId = 1;
constexpr UINT kWmDpiChanged = 0x02E0;

struct TrayEntry {
  TTrayIcon* icon = nullptr;
  HWND window = nullptr;
  HICON image = nullptr;
  bool added = false;
};

// The small icon at the size the notification area shows at `dpi`.
HICON LoadSmallIcon(HINSTANCE instance, int resource, int dpi) {
  auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                             MetricForDpi(SM_CXSMICON, dpi),
                                             MetricForDpi(SM_CYSMICON, dpi), 0));
  // An executable without the resource still shows an icon, the system's.
  return icon ? icon : CopyIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));  // IDI_APPLICATION
}

// The icon again at the window's DPI, e.g. after the user changed the scale.
void ReloadImage(TrayEntry& entry) {
  auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(entry.window, GWLP_HINSTANCE));
  HICON old = entry.image;
  entry.image = LoadSmallIcon(instance, entry.icon->IconResource, WindowDpi(entry.window));
  if (old) DestroyIcon(old);
}

std::map<const TTrayIcon*, std::unique_ptr<TrayEntry>>& Entries() {
  static std::map<const TTrayIcon*, std::unique_ptr<TrayEntry>> entries;
  return entries;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

NOTIFYICONDATAW IconData(const TrayEntry& entry) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = entry.window;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallback;
  data.hIcon = entry.image;
  const std::wstring tip = ToWide(entry.icon->Hint());
  tip.copy(data.szTip, std::size(data.szTip) - 1);
  return data;
}

void Add(TrayEntry& entry) {
  NOTIFYICONDATAW data = IconData(entry);
  entry.added = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

LRESULT TrayMessage(TrayEntry& entry, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) entry.window = window;
  if (message == WM_NCDESTROY) entry.window = nullptr;
  if (message == kCallback) {
    // The notification area may send this from another process and wait for it; the menu
    // runs its own loop, so it opens from our own queue instead.
    if (LOWORD(lParam) == WM_RBUTTONUP) {
      POINT at{};
      GetCursorPos(&at);
      PostMessageW(window, kShowMenu, 0, MAKELPARAM(at.x, at.y));
    }
    return 0;
  }
  if (message == kShowMenu) {
    TTrayIcon* icon = entry.icon;
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    Guarded(icon->Application(), [&] { icon->RightClick(x, y); });
    return 0;
  }
  if (message == kWmDpiChanged) {
    ReloadImage(entry);
    if (entry.added) {
      NOTIFYICONDATAW data = IconData(entry);
      Shell_NotifyIconW(NIM_MODIFY, &data);
    }
    return 0;
  }
  if (message == TaskbarCreatedMessage() && TaskbarCreatedMessage() != 0) {
    // A restarted shell has forgotten every icon.
    Add(entry);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<TrayEntry, TrayMessage, DefWindowProcW>(window, message, wParam, lParam);
}

void RegisterTrayClass(HINSTANCE instance) {
  RegisterClassOnce(instance, kTrayClass, TrayWindowProc);
}

void Remove(const TTrayIcon& icon) {
  auto found = Entries().find(&icon);
  if (found == Entries().end()) return;
  TrayEntry& entry = *found->second;
  if (entry.added) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = entry.window;
    data.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
  if (entry.window) DestroyWindow(entry.window);
  if (entry.image) DestroyIcon(entry.image);
  Entries().erase(found);
}

}  // namespace

void UpdateTrayIconWindow(HINSTANCE instance, TTrayIcon& icon) {
  if (!icon.Visible()) {
    Remove(icon);
    return;
  }
  auto& slot = Entries()[&icon];
  if (!slot) {
    RegisterTrayClass(instance);
    TaskbarCreatedMessage();
    slot = std::make_unique<TrayEntry>();
    slot->icon = &icon;
    // A hidden tool window: never a task-bar button, but it hears the shell's broadcasts.
    CreateWindowExW(WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    instance, slot.get());
    // Its DPI is that of the main monitor, where the notification area is.
    if (slot->window) ReloadImage(*slot);
  }
  TrayEntry& entry = *slot;
  if (!entry.window) return;
  if (!entry.added) {
    Add(entry);
  } else {
    NOTIFYICONDATAW data = IconData(entry);
    Shell_NotifyIconW(NIM_MODIFY, &data);
  }
}

}  // namespace win32tk
